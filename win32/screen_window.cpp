// A screen's window and what it holds: the texts of its fields, what a press
// writes into them, and which results stand stale.
#include "win32/screen_window.h"

#include <commctrl.h>

#include <algorithm>

#include "shell/controller.h"
#include "shell/numbers.h"
#include "shell/tab_order.h"
#include "win32/dpi.h"
#include "win32/field_roles.h"
#include "win32/host.h"
#include "win32/screen_window_parts.h"
#include "win32/text.h"

namespace entalix::win32 {

namespace {

// A double-click in a box selects what every host selects: the whole number
// ("1130.90"), by the rule of shell/numbers.h.
int CALLBACK number_word_break(LPWSTR text, int current, int length, int code) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    if (text == nullptr || length <= 0) return 0;
    const std::u16string_view all(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length));
    const auto at = static_cast<std::size_t>(std::clamp(current, 0, length - 1));
    switch (code) {
        case WB_ISDELIMITER:
            return all[at] == u' ' ? TRUE : FALSE;
        case WB_LEFT:
            // The character left of the position is the one in the word.
            return static_cast<int>(
                shell::double_click_span(all, static_cast<std::size_t>(std::clamp(current - 1, 0, length - 1))).first);
        case WB_RIGHT:
            return static_cast<int>(shell::double_click_span(all, at).second);
        default:
            return current;
    }
}

}  // namespace

using namespace detail;
using shell::ControlDesc;

namespace detail {

std::wstring window_text(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

}  // namespace detail

ScreenWindow::ScreenWindow(const shell::ScreenDesc& desc, Win32Host& host, POINT top_left,
                           const std::optional<std::string>& atmospheric)
    : desc_(desc), host_(host), white_(CreateSolidBrush(colour(shell::kDrawingBackground))), shown_(desc) {
    hwnd_ = CreateWindowExW(0, kScreenClass, widen(desc.caption).c_str(), kFrameStyle, top_left.x, top_left.y, 100, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
    dpi_ = window_dpi(hwnd_);
    monitor_dpi_ = dpi_;
    ++programmatic_;
    create_controls();
    layout(monitor_dpi_);
    if (atmospheric) set_atmospheric(*atmospheric);
    --programmatic_;
    add_tooltips();
    // A text box's own right-click menu is in the language of Windows and cannot
    // copy all results: the screen's menu, in Chinese, stands in for it.
    for (const Control& c : controls_)
        if (c.widget == Widget::Result || c.widget == Widget::Edit) {
            SetWindowSubclass(c.hwnd, field_proc, 0, reinterpret_cast<DWORD_PTR>(this));
            SendMessageW(c.hwnd, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&number_word_break));
        }
}

ScreenWindow::~ScreenWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (const auto& [key, font] : fonts_) DeleteObject(font);
    DeleteObject(white_);
}

void ScreenWindow::set_text(Control& c, const std::string& text) {
    ++programmatic_;
    if (c.widget != Widget::Edit) c.text = text;
    SetWindowTextW(c.hwnd, widen(text).c_str());
    if (c.widget != Widget::Edit) fit(c);
    --programmatic_;
}

shell::Fields ScreenWindow::fields() const {
    shell::Fields fields;
    for (const Control& c : controls_) {
        switch (c.widget) {
            case Widget::Edit:
                fields.set(c.desc->name, narrow(window_text(c.hwnd)));
                break;
            case Widget::CheckBox:
                fields.set(c.desc->name, SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0");
                break;
            case Widget::Label:
            case Widget::Message:
            case Widget::Result:
            case Widget::Button:
                fields.set(c.desc->name, c.text);
                break;
            case Widget::Combo:
                fields.set(c.desc->name, narrow(window_text(c.hwnd)));
                break;
            case Widget::Picture:
                break;
        }
    }
    return fields;
}

void ScreenWindow::apply(const shell::Outcome& outcome) {
    for (const auto& [name, text] : outcome.texts)
        if (Control* c = find(name)) set_text(*c, text);
    for (const auto& [name, visible] : outcome.visibility)
        if (Control* c = find(name)) ShowWindow(c->hwnd, visible ? SW_SHOW : SW_HIDE);
    for (const auto& [name, drawing] : outcome.pictures)
        if (Control* c = find(name); c != nullptr && c->widget == Widget::Picture) {
            c->drawing = drawing;
            InvalidateRect(c->hwnd, nullptr, TRUE);
        }
    for (Control& c : controls_)
        if (c.widget == Widget::Message) set_text(c, shell::message_line(outcome));
    message_colour_ = shell::message_colour(outcome);
}

void ScreenWindow::set_input(std::string_view name, const std::string& text) {
    Control* c = find(name);
    if (c == nullptr || c->widget != Widget::Edit || is_atmospheric(*c->desc)) return;
    set_text(*c, text);
    shown_.input_changed(c->desc->name, text);
}

void ScreenWindow::restore_tick(std::string_view name) {
    const Control* c = find(name);
    if (c == nullptr || c->widget != Widget::CheckBox) return;
    // The window itself may not show yet: the box's own style says whether the ticks before hid it.
    if ((GetWindowLongW(c->hwnd, GWL_STYLE) & WS_VISIBLE) == 0) return;
    if (SendMessageW(c->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
    SendMessageW(c->hwnd, BM_SETCHECK, BST_CHECKED, 0);
    host_.on_event(desc_.id, c->desc->name + "_Click");
}

void ScreenWindow::set_atmospheric(const std::string& text) {
    for (Control& c : controls_) {
        if (c.widget != Widget::Edit || !is_atmospheric(*c.desc) || narrow(window_text(c.hwnd)) == text) continue;
        set_text(c, text);
        shown_.input_changed(c.desc->name, text);
    }
    show_grey();
}

void ScreenWindow::note_press(const std::string& event, const shell::Outcome& outcome) {
    shown_.pressed(event, outcome, fields());
    show_grey();
}

void ScreenWindow::show_grey() {
    // The title names the formulation chosen now, from the moment it is chosen.
    SetWindowTextW(hwnd_, widen(shown_.title()).c_str());
    const std::set<std::string, std::less<>> stale = shown_.stale_results();
    // A typed field that a calculation also writes (the saturation screen's) greys as a result does.
    const std::set<std::string, std::less<>> written = shown_.written_fields();
    for (Control& c : controls_) {
        if (c.widget != Widget::Result && written.count(c.desc->name) == 0) continue;
        const bool now = stale.count(c.desc->name) != 0;
        if (now == c.greyed) continue;
        c.greyed = now;
        InvalidateRect(c.hwnd, nullptr, TRUE);
    }
}

bool ScreenWindow::greyed(std::string_view name) const {
    const Control* c = find(name);
    return c != nullptr && c->greyed;
}

void ScreenWindow::set_formulation(props::Formulation formulation) {
    const bool changed = formulation != formulation_;
    formulation_ = formulation;
    shown_.formulation_chosen(formulation);
    show_grey();
    // The allowed ranges of water and steam are those of the formulation chosen.
    if (changed) update_tooltips();
    const std::wstring name = widen(props::formulation_name(formulation));
    ++programmatic_;
    for (const Control& c : controls_) {
        if (c.widget != Widget::Combo || c.desc->meaning.role != shell::Role::Formulation) continue;
        const LRESULT at =
            SendMessageW(c.hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
        if (at != CB_ERR) SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    }
    --programmatic_;
}

void ScreenWindow::focus_first_field() {
    for (const ControlDesc* d : shell::tab_order(desc_)) {
        const Control* c = find(d->name);
        if (c != nullptr && c->widget == Widget::Edit && IsWindowVisible(c->hwnd)) {
            SetFocus(c->hwnd);
            SendMessageW(c->hwnd, EM_SETSEL, 0, -1);
            return;
        }
    }
    SetFocus(hwnd_);
}

HWND ScreenWindow::control(std::string_view name) const {
    const Control* c = find(name);
    return c == nullptr ? nullptr : c->hwnd;
}

std::string ScreenWindow::text_of(std::string_view name) const {
    const Control* c = find(name);
    return c == nullptr ? std::string() : narrow(window_text(c->hwnd));
}

bool ScreenWindow::shown(std::string_view name) const {
    const Control* c = find(name);
    return c != nullptr && (GetWindowLongPtrW(c->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

ScreenWindow::Control* ScreenWindow::find(std::string_view name) {
    for (Control& c : controls_)
        if (c.desc->name == name) return &c;
    return nullptr;
}

const ScreenWindow::Control* ScreenWindow::find(std::string_view name) const {
    for (const Control& c : controls_)
        if (c.desc->name == name) return &c;
    return nullptr;
}

ScreenWindow::Control* ScreenWindow::find(HWND hwnd) {
    for (Control& c : controls_)
        if (c.hwnd == hwnd) return &c;
    return nullptr;
}

}  // namespace entalix::win32
