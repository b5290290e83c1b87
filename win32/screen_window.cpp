// Builds the controls of a screen from its description, lays them out for the
// monitor's dpi, and passes clicks, ticks and typing to the host.
#include "win32/screen_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "shell/controller.h"
#include "shell/field_ranges.h"
#include "shell/placement.h"
#include "shell/tab_order.h"
#include "win32/dpi.h"
#include "win32/drawings.h"
#include "win32/field_roles.h"
#include "win32/host.h"
#include "win32/text.h"

namespace entalix::win32 {

using shell::Align;
using shell::ControlDesc;
using shell::ControlKind;

namespace {

constexpr const wchar_t* kScreenClass = L"EntalixScreen";
constexpr const wchar_t* kPictureClass = L"EntalixPicture";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kFirstId = 100;  // below are IDOK and IDCANCEL, which the dialog keys send
constexpr int kHelpId = 99;    // the small "?" that opens the guide
// The "?": a square in the top right-hand corner of the screen, or of the
// drawing where one fills the screen, at 96 dpi.
constexpr int kHelpSize = 18;
constexpr int kHelpMargin = 3;
// The items of a field's right-click menu.
constexpr UINT kCopyField = 1;
constexpr UINT kCopyAll = 2;
constexpr UINT kUndo = 3;
constexpr UINT kCut = 4;
constexpr UINT kPaste = 5;
constexpr UINT kDelete = 6;
constexpr UINT kSelectAll = 7;
constexpr UINT kDefault = 8;

// The customary size of dialog text, 9 points on a 96 dpi screen, and the
// smallest type a caption may shrink to so that it fits its place.
constexpr int kTextPixels = 12;
constexpr int kSmallestPixels = 9;
constexpr int kLargestHeading = 22;
constexpr int kIndicator = 13;  // a tick box's square at 96 dpi

const COLORREF kRedText = RGB(255, 0, 0);
const COLORREF kAmberText = RGB(0xB0, 0x5A, 0x00);
const COLORREF kBorderGrey = RGB(128, 128, 128);

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// The first of the Song-style faces for Simplified Chinese that this system
// has, then the faces every Chinese Windows has.
const std::wstring& face_name() {
    static const std::wstring face = [] {
        const wchar_t* const candidates[] = {
            L"SimSun",          L"宋体",  L"NSimSun", L"AR PL UMing CN", L"Noto Serif CJK SC", L"Noto Sans CJK SC",
            L"Microsoft YaHei", L"SimHei"};
        HDC dc = GetDC(nullptr);
        std::wstring found;
        for (const wchar_t* candidate : candidates) {
            LOGFONTW lf{};
            lf.lfCharSet = DEFAULT_CHARSET;
            wcsncpy(lf.lfFaceName, candidate, LF_FACESIZE - 1);
            bool present = false;
            EnumFontFamiliesExW(dc, &lf, note_found, reinterpret_cast<LPARAM>(&present), 0);
            if (present) {
                found = candidate;
                break;
            }
        }
        ReleaseDC(nullptr, dc);
        return found.empty() ? std::wstring(L"MS Shell Dlg 2") : found;
    }();
    return face;
}

SIZE text_size(HWND window, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size;
}

int line_height(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return tm.tmHeight + tm.tmExternalLeading;
}

// The height a text takes when it wraps at the given width, as an edit box wraps it.
int text_height(HWND window, HFONT font, const std::wstring& text, int width) {
    if (text.empty()) return 0;
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return r.bottom - r.top;
}

RECT pixels(const shell::Twips& t, UINT dpi) {
    const int left = twips_to_pixels(t.left, dpi);
    const int top = twips_to_pixels(t.top, dpi);
    return {left, top, left + twips_to_pixels(t.width, dpi), top + twips_to_pixels(t.height, dpi)};
}

DWORD static_alignment(Align align) {
    switch (align) {
        case Align::Center:
            return SS_CENTER;
        case Align::Right:
            return SS_RIGHT;
        case Align::Left:
            break;
    }
    return SS_LEFT;
}

DWORD edit_alignment(Align align) {
    switch (align) {
        case Align::Center:
            return ES_CENTER;
        case Align::Right:
            return ES_RIGHT;
        case Align::Left:
            break;
    }
    return ES_LEFT;
}

std::wstring window_text(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

// A caption too wide for a narrow button breaks at its blanks onto lines of
// their own ("计  算" on a tall button), as on the classic push button.
std::wstring button_caption(const std::wstring& text, bool fits) {
    if (fits) return text;
    std::wstring out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t blank = text.find(L' ', at);
        const std::size_t end = blank == std::wstring::npos ? text.size() : blank;
        if (end > at) out += (out.empty() ? L"" : L"\r\n") + text.substr(at, end - at);
        at = end + 1;
    }
    return out;
}

}  // namespace

bool ScreenWindow::register_classes(HINSTANCE instance, HICON icon, HICON small_icon) {
    WNDCLASSEXW screen{};
    screen.cbSize = sizeof screen;
    screen.lpfnWndProc = window_proc;
    screen.hInstance = instance;
    screen.hIcon = icon;
    screen.hIconSm = small_icon;
    screen.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    screen.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    screen.lpszClassName = kScreenClass;
    WNDCLASSEXW picture{};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = picture_proc;
    picture.hInstance = instance;
    picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    picture.lpszClassName = kPictureClass;
    return RegisterClassExW(&screen) != 0 && RegisterClassExW(&picture) != 0;
}

ScreenWindow::ScreenWindow(const shell::ScreenDesc& desc, Win32Host& host, POINT top_left,
                           const std::optional<std::string>& atmospheric)
    : desc_(desc), host_(host), white_(CreateSolidBrush(RGB(255, 255, 255))), shown_(desc) {
    hwnd_ = CreateWindowExW(0, kScreenClass, widen(desc.caption).c_str(), kFrameStyle, top_left.x, top_left.y, 100, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
    dpi_ = window_dpi(hwnd_);
    ++programmatic_;
    create_controls();
    layout(dpi_);
    if (atmospheric) set_atmospheric(*atmospheric);
    --programmatic_;
    add_tooltips();
    // A text box's own right-click menu is in the language of Windows and cannot
    // copy all results: the screen's menu, in Chinese, stands in for it.
    for (const Control& c : controls_)
        if (c.widget == Widget::Result || c.widget == Widget::Edit)
            SetWindowSubclass(c.hwnd, field_proc, 0, reinterpret_cast<DWORD_PTR>(this));
    for (const Control& c : controls_) {
        if (c.widget != Widget::Edit) continue;
        try {
            enter_events_[c.desc->name] = enter_event(desc_, c.desc->name);
        } catch (...) {
            // Without a known calculation, Enter in this field does nothing.
        }
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

void ScreenWindow::create_controls() {
    controls_.reserve(desc_.controls.size());
    for (const ControlDesc& d : desc_.controls) {
        Control c;
        c.desc = &d;
        c.id = kFirstId + static_cast<int>(controls_.size());
        c.in_picture = !d.parent.empty();
        c.text = d.text;
        switch (d.kind) {
            case ControlKind::Label:
                c.widget = d.meaning.role == shell::Role::Message ? Widget::Message
                           : shows_result(d)                      ? Widget::Result
                                                                  : Widget::Label;
                break;
            case ControlKind::TextBox:
                c.widget = Widget::Edit;
                break;
            case ControlKind::Button:
                c.widget = Widget::Button;
                break;
            case ControlKind::CheckBox:
                c.widget = Widget::CheckBox;
                break;
            case ControlKind::PictureBox:
                c.widget = Widget::Picture;
                break;
            case ControlKind::ComboBox:
                c.widget = Widget::Combo;
                break;
        }
        controls_.push_back(std::move(c));
    }
    // Picture boxes first, so that the controls they hold can be placed inside them.
    for (Control& c : controls_)
        if (c.widget == Widget::Picture) c.hwnd = create_control(c, hwnd_);
    for (Control& c : controls_) {
        if (c.widget == Widget::Picture) continue;
        HWND parent = hwnd_;
        if (c.in_picture)
            if (const Control* picture = find(c.desc->parent)) parent = picture->hwnd;
        c.hwnd = create_control(c, parent);
    }
    // Tab follows the order every host shares (reading order, block by block),
    // which in Windows is the order of the children from the top down.
    std::map<HWND, HWND> placed;  // parent -> the control placed last in it
    for (const ControlDesc* d : shell::tab_order(desc_)) {
        const Control* c = find(d->name);
        if (c == nullptr) continue;
        const HWND parent = GetParent(c->hwnd);
        const auto it = placed.find(parent);
        SetWindowPos(c->hwnd, it == placed.end() ? HWND_TOP : it->second, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        placed[parent] = c->hwnd;
    }
    // Where a caption or unit reaches under a box or a button, the box stays whole on top.
    for (const Control& c : controls_)
        if (c.widget == Widget::Label)
            SetWindowPos(c.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    create_help_button();
}

// The "?" stands in the screen's top right-hand corner; on the heater screens,
// whose drawing reaches into that corner, in the drawing's own, which is blank.
// It takes no Tab stop: the keyboard has F1.
void ScreenWindow::create_help_button() {
    const int size = kHelpSize * 15;  // twips
    const int margin = kHelpMargin * 15;
    const shell::Twips corner{desc_.width - margin - size, margin, size, size};
    HWND parent = hwnd_;
    help_picture_ = nullptr;
    for (const Control& c : controls_) {
        if (c.widget != Widget::Picture) continue;
        const shell::Twips& r = c.desc->rect;
        const bool covers = r.left < corner.left + corner.width && corner.left < r.left + r.width &&
                            r.top < corner.top + corner.height && corner.top < r.top + r.height;
        if (!covers) continue;
        parent = c.hwnd;
        help_picture_ = c.desc;
    }
    help_ = CreateWindowExW(0, L"BUTTON", L"?", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0, 0, 0,
                            0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpId)),
                            GetModuleHandleW(nullptr), nullptr);
    if (help_ != nullptr) SetWindowSubclass(help_, field_proc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void ScreenWindow::place_help_button() {
    if (help_ == nullptr) return;
    const int size = scaled(kHelpSize, dpi_);
    const int margin = scaled(kHelpMargin, dpi_);
    const int right = help_picture_ != nullptr ? twips_to_pixels(help_picture_->rect.width, dpi_)
                                               : twips_to_pixels(desc_.width, dpi_);
    SetWindowPos(help_, HWND_TOP, right - margin - size, margin, size, size, SWP_NOACTIVATE);
    SendMessageW(help_, WM_SETFONT, reinterpret_cast<WPARAM>(font(kTextPixels, true)), FALSE);
}

std::vector<std::string> ScreenWindow::help_button_overlaps() const {
    std::vector<std::string> out;
    if (help_ == nullptr) return {"(no button)"};
    RECT help;
    GetWindowRect(help_, &help);
    // Wholly within what holds it.
    RECT room;
    GetClientRect(GetParent(help_), &room);
    MapWindowPoints(GetParent(help_), nullptr, reinterpret_cast<POINT*>(&room), 2);
    if (help.left < room.left || help.top < room.top || help.right > room.right || help.bottom > room.bottom)
        out.emplace_back("the window's edge");
    // Every control, also those a screen shows only at times, and on a screen not shown.
    for (const Control& c : controls_) {
        if (c.hwnd == GetParent(help_)) continue;
        RECT r;
        RECT both;
        GetWindowRect(c.hwnd, &r);
        if (IntersectRect(&both, &r, &help)) out.push_back(c.desc->name);
    }
    return out;
}

HWND ScreenWindow::create_control(Control& c, HWND parent) {
    const ControlDesc& d = *c.desc;
    // Siblings do not paint over each other where their boxes touch.
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ((d.style & shell::kHidden) ? 0 : WS_VISIBLE);
    DWORD ex_style = 0;
    const wchar_t* window_class = L"STATIC";
    std::wstring text = widen(d.text);
    switch (c.widget) {
        case Widget::Label:
            style |= SS_NOPREFIX | static_alignment(d.align);
            if (d.style & (shell::kHeading | shell::kBorder)) style |= SS_CENTERIMAGE;
            if (d.style & shell::kBorder) style |= WS_BORDER;
            break;
        case Widget::Message:
            style |= SS_NOPREFIX | SS_LEFT;
            break;
        case Widget::Result:
            // A read-only box: the result can be selected and copied, and reads like a label.
            window_class = L"EDIT";
            style |= ES_READONLY | ES_MULTILINE | edit_alignment(d.align);
            if (d.style & shell::kBorder) style |= WS_BORDER;
            break;
        case Widget::Edit:
            window_class = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL | edit_alignment(d.align);
            ex_style |= WS_EX_CLIENTEDGE;
            break;
        case Widget::Button:
            window_class = L"BUTTON";
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
            break;
        case Widget::CheckBox:
            window_class = L"BUTTON";
            style |= WS_TABSTOP | BS_AUTOCHECKBOX;
            break;
        case Widget::Picture:
            window_class = kPictureClass;
            style |= WS_CLIPCHILDREN;
            ex_style |= WS_EX_CONTROLPARENT;  // Tab walks into the fields it holds
            text.clear();
            break;
        case Widget::Combo:
            // A list to pick from, nothing to type.
            window_class = L"COMBOBOX";
            style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
            text.clear();
            break;
    }
    HWND hwnd = CreateWindowExW(ex_style, window_class, text.c_str(), style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr), this);
    if (c.widget == Widget::Combo && hwnd != nullptr) {
        for (const std::string& choice : d.choices)
            SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(choice).c_str()));
        const LRESULT at = SendMessageW(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(widen(d.text).c_str()));
        SendMessageW(hwnd, CB_SETCURSEL, at == CB_ERR ? 0 : static_cast<WPARAM>(at), 0);
    }
    return hwnd;
}

HFONT ScreenWindow::font(int pixels_at_96, bool bold) {
    const auto key = std::make_pair(pixels_at_96, bold);
    if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    LOGFONTW lf{};
    lf.lfHeight = -scaled(pixels_at_96, dpi_);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    wcsncpy(lf.lfFaceName, face_name().c_str(), LF_FACESIZE - 1);
    HFONT f = CreateFontIndirectW(&lf);
    fonts_[key] = f;
    return f;
}

void ScreenWindow::layout(UINT dpi) {
    dpi_ = dpi;
    std::map<std::pair<int, bool>, HFONT> old;
    old.swap(fonts_);
    const SIZE outer =
        outer_size(twips_to_pixels(desc_.width, dpi), twips_to_pixels(desc_.height, dpi), kFrameStyle, 0, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (Control& c : controls_) place(c);
    place_help_button();
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font(kTextPixels, false)), FALSE);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scaled(360, dpi_));
    }
    // The controls hold the new fonts now; the old ones can go.
    for (const auto& [key, f] : old) DeleteObject(f);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ScreenWindow::place(Control& c) {
    const ControlDesc& d = *c.desc;
    RECT r = pixels(d.rect, dpi_);
    HFONT f = font(kTextPixels, false);
    if (d.style & shell::kHeading)
        f = font(std::min(twips_to_pixels(d.rect.height, kBaseDpi) - 4, kLargestHeading), true);
    if (c.widget == Widget::CheckBox) {
        // The box's own height, centred on its line.
        const int indicator = scaled(kIndicator + 2, dpi_);
        if (r.bottom - r.top < indicator) {
            const int centre = (r.top + r.bottom) / 2;
            r.top = centre - indicator / 2;
            r.bottom = r.top + indicator;
        }
    }
    // A closed drop-down list takes the height of its box; the height given
    // to the window is that of the list opened under it.
    const int opened =
        c.widget == Widget::Combo ? static_cast<int>(d.choices.size() + 1) * scaled(kTextPixels + 8, dpi_) : 0;
    SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + opened,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
    const int width = r.right - r.left;
    switch (c.widget) {
        case Widget::Label: {
            // One line where there is room for one only: no wrapping, and fitted to its room.
            const bool one_line = r.bottom - r.top < 2 * line_height(c.hwnd, f);
            LONG_PTR style = GetWindowLongPtrW(c.hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
            style |= (one_line && d.align == Align::Left) ? SS_LEFTNOWORDWRAP : static_alignment(d.align);
            SetWindowLongPtrW(c.hwnd, GWL_STYLE, style);
            fit(c);
            break;
        }
        case Widget::Result:
        case Widget::Message:
            fit(c);
            break;
        case Widget::Button: {
            const std::wstring caption = widen(c.text);
            const bool fits = text_size(c.hwnd, f, caption).cx <= width - scaled(6, dpi_);
            SetWindowTextW(c.hwnd, button_caption(caption, fits).c_str());
            break;
        }
        case Widget::CheckBox: {
            // A caption that does not fit beside the square is left out rather than cut.
            const std::wstring caption = widen(c.text);
            const bool fits = scaled(kIndicator + 4, dpi_) + text_size(c.hwnd, f, caption).cx <= width;
            SetWindowTextW(c.hwnd, fits ? caption.c_str() : L"");
            break;
        }
        case Widget::Combo:
            fit_combo(c);
            break;
        case Widget::Edit:
        case Widget::Picture:
            break;
    }
}

// The box of a closed drop-down list is as tall as its font makes it; here it
// is made as tall as the description draws it, like the text boxes beside it.
void ScreenWindow::fit_combo(const Control& c) {
    const RECT want = pixels(c.desc->rect, dpi_);
    const int height = want.bottom - want.top;
    LRESULT item = SendMessageW(c.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    // Two rounds: the frame around the item is measured after the first.
    for (int round = 0; round < 2 && item != CB_ERR; ++round) {
        RECT now;
        GetWindowRect(c.hwnd, &now);
        const int off = height - (now.bottom - now.top);
        if (off == 0 || item + off < 1) break;
        item += off;
        SendMessageW(c.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
    }
}

// A text is set in a smaller type rather than wrapped out of sight or cut: a
// one-line caption wider than its room, or a text of several lines taller than
// its box. A caption's room is its own width, or less where a control to its
// right on the same line starts inside it.
void ScreenWindow::fit(Control& c) {
    const ControlDesc& d = *c.desc;
    const bool text_widget = c.widget == Widget::Label || c.widget == Widget::Result || c.widget == Widget::Message;
    if (!text_widget || (d.style & shell::kHeading)) return;
    const RECT own = pixels(d.rect, dpi_);
    HFONT f = font(kTextPixels, false);
    // A result holds one number unless it is a whole state or a written note.
    const bool one_line = c.widget == Widget::Result ? d.meaning.format != "state" && d.meaning.format != "text"
                                                     : own.bottom - own.top < 2 * line_height(c.hwnd, f);
    const std::wstring text = widen(c.text);
    int size = kTextPixels;
    if (c.widget == Widget::Label && one_line && c.text.find('\n') == std::string::npos) {
        int room = own.right - own.left;
        for (const Control& other : controls_) {
            if (&other == &c || other.desc->parent != d.parent) continue;
            if (other.widget == Widget::Label || other.widget == Widget::Result || other.widget == Widget::Message)
                continue;
            const RECT r = pixels(other.desc->rect, dpi_);
            const bool same_line = r.top < own.bottom - 1 && r.bottom - 1 > own.top;
            if (same_line && r.left > own.left && r.left < own.right - 1)
                room = std::min<int>(room, r.left - own.left - 2);
        }
        if (d.style & shell::kBorder) room -= 2;
        while (size > kSmallestPixels && text_size(c.hwnd, font(size, false), text).cx > room) --size;
    } else if (!one_line) {
        RECT client;
        GetClientRect(c.hwnd, &client);
        const int margin = c.widget == Widget::Result ? scaled(2, dpi_) : 0;
        while (size > kSmallestPixels &&
               text_height(c.hwnd, font(size, false), text, client.right - 2 * margin) > client.bottom)
            --size;
    }
    f = font(size, false);
    SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
    if (c.widget == Widget::Result) {
        // A one-line result stands in the middle of its box, as a label's would.
        RECT inner;
        GetClientRect(c.hwnd, &inner);
        const int lh = line_height(c.hwnd, f);
        if (one_line) inner.top += std::max(0L, (inner.bottom - inner.top - lh) / 2);
        inner.left += scaled(2, dpi_);
        inner.right -= scaled(2, dpi_);
        SendMessageW(c.hwnd, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&inner));
        InvalidateRect(c.hwnd, nullptr, TRUE);
    }
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
    for (Control& c : controls_)
        if (c.widget == Widget::Message) set_text(c, shell::message_line(outcome));
    // A result computed with water and steam properties names their formulation in the title.
    if (!outcome.formulation.empty())
        SetWindowTextW(hwnd_, widen(shell::window_title(desc_, outcome.formulation)).c_str());
    // A failure or a note in red; a warning alone (a result shown but
    // extrapolated) in dark amber, so it does not read as a failure.
    warning_only_ = outcome.message.empty() && !outcome.warning.empty();
}

void ScreenWindow::set_input(std::string_view name, const std::string& text) {
    Control* c = find(name);
    if (c == nullptr || c->widget != Widget::Edit || is_atmospheric(*c->desc)) return;
    set_text(*c, text);
    shown_.input_changed(c->desc->name);
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
        shown_.input_changed(c.desc->name);
    }
    show_grey();
}

void ScreenWindow::note_press(const std::string& event, const shell::Outcome& outcome) {
    shown_.pressed(event, outcome, fields());
    show_grey();
}

void ScreenWindow::show_grey() {
    const std::set<std::string, std::less<>> stale = shown_.stale_results();
    for (Control& c : controls_) {
        if (c.widget != Widget::Result) continue;
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

namespace {

// Unicode text on the clipboard, lines ended by CR LF as Windows programs expect.
bool put_on_clipboard(HWND owner, const std::string& utf8) {
    std::wstring text;
    for (const wchar_t ch : widen(utf8)) {
        if (ch == L'\n' && (text.empty() || text.back() != L'\r')) text += L'\r';
        text += ch;
    }
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool done = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        if (auto* out = static_cast<wchar_t*>(GlobalLock(memory))) {
            std::copy(text.c_str(), text.c_str() + text.size() + 1, out);
            GlobalUnlock(memory);
            done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!done) GlobalFree(memory);
    }
    CloseClipboard();
    return done;
}

}  // namespace

bool ScreenWindow::copy_results() {
    const std::string text = shown_.results_text();
    return !text.empty() && put_on_clipboard(hwnd_, text);
}

HMENU ScreenWindow::field_menu(std::string_view name) const {
    const Control* c = find(name);
    if (c == nullptr || (c->widget != Widget::Result && c->widget != Widget::Edit)) return nullptr;
    HMENU menu = CreatePopupMenu();
    const auto item = [menu](UINT command, const wchar_t* text, bool enabled = true) {
        AppendMenuW(menu, MF_STRING | (enabled ? 0U : MF_GRAYED), command, text);
    };
    if (c->widget == Widget::Edit) {
        // The edit box's own items, as Windows has them, in Chinese.
        DWORD from = 0;
        DWORD to = 0;
        SendMessageW(c->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        const bool selected = to > from;
        const bool empty = GetWindowTextLengthW(c->hwnd) == 0;
        item(kUndo, L"撤销", SendMessageW(c->hwnd, EM_CANUNDO, 0, 0) != 0);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        item(kCut, L"剪切", selected);
        item(kCopyField, L"复制", !empty);
        item(kPaste, L"粘贴", IsClipboardFormatAvailable(CF_UNICODETEXT) != 0);
        item(kDelete, L"删除", selected);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        item(kSelectAll, L"全选", !empty);
    } else {
        item(kCopyField, L"复制");
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    item(kCopyAll, L"复制全部结果", shown_.any());
    if (is_atmospheric(*c->desc)) item(kDefault, L"恢复默认");
    return menu;
}

void ScreenWindow::field_command(std::string_view name, UINT command) {
    Control* c = find(name);
    if (c == nullptr) return;
    // What changes the text arrives as typing does (EN_CHANGE).
    switch (command) {
        case kCopyAll:
            copy_results();
            break;
        case kCopyField: {
            // The part selected, or else the whole text.
            DWORD from = 0;
            DWORD to = 0;
            SendMessageW(c->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
            const std::wstring whole = window_text(c->hwnd);
            const bool part = to > from && to <= whole.size();
            put_on_clipboard(hwnd_, narrow(part ? whole.substr(from, to - from) : whole));
            break;
        }
        case kUndo:
            SendMessageW(c->hwnd, WM_UNDO, 0, 0);
            break;
        case kCut:
            SendMessageW(c->hwnd, WM_CUT, 0, 0);
            break;
        case kPaste:
            SendMessageW(c->hwnd, WM_PASTE, 0, 0);
            break;
        case kDelete:
            SendMessageW(c->hwnd, WM_CLEAR, 0, 0);
            break;
        case kSelectAll:
            SendMessageW(c->hwnd, EM_SETSEL, 0, -1);
            break;
        case kDefault:
            // The screens' 0.0983 MPa, on every screen and kept, as if typed.
            if (c->widget == Widget::Edit && is_atmospheric(*c->desc)) {
                set_text(*c, c->desc->text);
                typed(*c);
            }
            break;
        default:
            break;
    }
}

void ScreenWindow::show_field_menu(HWND field, LPARAM at) {
    const Control* c = find(field);
    if (c == nullptr) return;
    HMENU menu = field_menu(c->desc->name);
    if (menu == nullptr) return;
    // Cutting and pasting work in the box that has the keyboard, as they do in any program.
    if (c->widget == Widget::Edit) SetFocus(field);
    POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (p.x == -1 && p.y == -1) {
        // From the keyboard (Shift+F10): under the field.
        RECT r;
        GetWindowRect(field, &r);
        p = {r.left, r.bottom};
    }
    const UINT command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, p.x, p.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
    if (command != 0) field_command(c->desc->name, command);
}

LRESULT CALLBACK ScreenWindow::field_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
    if (message == WM_CONTEXTMENU) {
        reinterpret_cast<ScreenWindow*>(self)->show_field_menu(hwnd, l);
        return 0;
    }
    // The "?" hands the keyboard back to the field that had it once the guide is open.
    if (message == WM_SETFOCUS) {
        auto* screen = reinterpret_cast<ScreenWindow*>(self);
        if (hwnd == screen->help_) screen->help_return_ = reinterpret_cast<HWND>(w);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, field_proc, 0);
    return DefSubclassProc(hwnd, message, w, l);
}

// The tooltips say what a field holds and which values it takes, in the
// screen's type so that the Chinese reads as on the screen.
void ScreenWindow::add_tooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) return;
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font(kTextPixels, false)), FALSE);
    // A width limit lets the text break at its line feeds.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scaled(360, dpi_));
    // Long enough to read three lines of Chinese.
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 20000);
    if (help_ != nullptr) {
        std::wstring text = L"使用说明（F1）";
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(help_);
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    for (const Control& c : controls_) {
        std::wstring text = widen(tooltip_text(*c.desc));
        if (text.empty()) continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(c.hwnd);
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::string ScreenWindow::tooltip_text(const ControlDesc& c) const {
    if (c.meaning.role == shell::Role::Formulation)
        return "各画面计算水和水蒸汽性质所用的公式：\r\nIFC-67（1967年工业公式）或IAPWS-IF97（1997年工业公式）";
    std::string text = shell::field_tooltip(c, formulation_);
    // Lines end in CR LF on Windows.
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, 1, '\r');
    return text;
}

std::string ScreenWindow::tooltip_of(std::string_view name) const {
    const Control* c = find(name);
    if (c == nullptr || tooltip_ == nullptr) return {};
    std::wstring text(1024, L'\0');
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(c->hwnd);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(std::min(text.find(L'\0'), text.size()));
    return narrow(text);
}

void ScreenWindow::set_formulation(props::Formulation formulation) {
    const bool changed = formulation != formulation_;
    formulation_ = formulation;
    shown_.formulation_chosen(formulation);
    show_grey();
    // The allowed ranges of water and steam are those of the formulation chosen.
    if (changed && tooltip_ != nullptr) {
        for (const Control& c : controls_) {
            std::wstring text = widen(tooltip_text(*c.desc));
            if (text.empty()) continue;
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = hwnd_;
            tool.uId = reinterpret_cast<UINT_PTR>(c.hwnd);
            tool.lpszText = text.data();
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
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

void ScreenWindow::show_at(std::optional<POINT> top_left, HMONITOR monitor) {
    RECT r;
    GetWindowRect(hwnd_, &r);
    if (monitor == nullptr) {
        if (top_left) {
            const RECT there{top_left->x, top_left->y, top_left->x + r.right - r.left, top_left->y + r.bottom - r.top};
            monitor = MonitorFromRect(&there, MONITOR_DEFAULTTONEAREST);
        } else {
            monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        }
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    const RECT& work = info.rcWork;
    const shell::ScreenRect area{work.left, work.top, work.right - work.left, work.bottom - work.top};
    POINT at = top_left.value_or(
        POINT{work.left + (area.width - (r.right - r.left)) / 2, work.top + (area.height - (r.bottom - r.top)) / 2});
    // Put on the monitor while still hidden; there it takes the monitor's scale,
    // which makes the frame larger or smaller, and is fitted again.
    const auto fit = [&] {
        GetWindowRect(hwnd_, &r);
        const shell::ScreenRect frame = shell::fit_on_monitor({at.x, at.y, r.right - r.left, r.bottom - r.top}, area);
        at = POINT{frame.left, frame.top};
        SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    fit();
    if (const UINT dpi = window_dpi(hwnd_); dpi != dpi_) layout(dpi);
    fit();
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
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

void ScreenWindow::on_command(int id, int code) {
    if (id == kHelpId && code == BN_CLICKED) {
        click_help();
        return;
    }
    const std::size_t index = static_cast<std::size_t>(id - kFirstId);
    if (id < kFirstId || index >= controls_.size()) return;
    const Control& c = controls_[index];
    const std::string& name = c.desc->name;
    if ((c.widget == Widget::Button || c.widget == Widget::CheckBox) && code == BN_CLICKED) {
        // A tick box's click arrives with its new state already in place.
        if (c.widget == Widget::CheckBox) {
            shown_.input_changed(name);
            show_grey();
        }
        host_.on_event(desc_.id, name + "_Click");
    } else if (c.widget == Widget::Combo && code == CBN_SELCHANGE && programmatic_ == 0) {
        host_.on_chosen(*c.desc, narrow(window_text(c.hwnd)));
    } else if (c.widget == Widget::Edit && code == EN_CHANGE && programmatic_ == 0) {
        typed(c);
    }
}

void ScreenWindow::click_help() {
    HWND back = help_return_ != nullptr && IsChild(hwnd_, help_return_) ? help_return_ : nullptr;
    help_return_ = nullptr;
    if (GetFocus() == help_) SetFocus(back != nullptr ? back : hwnd_);
    host_.show_guide();
}

void ScreenWindow::typed(const Control& c) {
    const std::string& name = c.desc->name;
    shown_.input_changed(name);
    show_grey();
    if (is_atmospheric(*c.desc)) host_.on_atmospheric_typed(desc_.id, narrow(window_text(c.hwnd)));
    if (desc_.find_event(name + "_Change") != nullptr) host_.on_event(desc_.id, name + "_Change");
}

// Enter in a field presses the button of its calculation; on a button, the button.
void ScreenWindow::on_enter() {
    Control* c = find(GetFocus());
    if (c == nullptr) return;
    if (c->widget == Widget::Button) {
        SendMessageW(c->hwnd, BM_CLICK, 0, 0);
        return;
    }
    if (c->widget != Widget::Edit) return;
    const auto it = enter_events_.find(c->desc->name);
    if (it == enter_events_.end() || it->second.empty()) return;
    const std::string button = it->second.substr(0, it->second.rfind("_Click"));
    if (const Control* b = find(button); b != nullptr && IsWindowVisible(b->hwnd))
        SendMessageW(b->hwnd, BM_CLICK, 0, 0);
}

LRESULT CALLBACK ScreenWindow::window_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l);
        auto* self = static_cast<ScreenWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ScreenWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, w, l);
    return self->handle(message, w, l);
}

LRESULT ScreenWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            if (l == 0 || LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
                // The dialog keys: Enter calculates; Esc goes back, except on the main menu.
                if (LOWORD(w) == IDOK) on_enter();
                if (LOWORD(w) == IDCANCEL && !desc_.close_event.empty()) host_.on_close(desc_.id);
                return 0;
            }
            on_command(LOWORD(w), HIWORD(w));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(w);
            const Control* c = find(reinterpret_cast<HWND>(l));
            if (c == nullptr || c->widget == Widget::Combo) break;
            const bool red = (c->desc->style & (shell::kRed | shell::kMessage)) != 0;
            SetTextColor(dc, c->widget == Widget::Message && warning_only_ ? kAmberText
                             : c->greyed                                   ? GetSysColor(COLOR_GRAYTEXT)
                             : red                                         ? kRedText
                                                                           : GetSysColor(COLOR_WINDOWTEXT));
            if (message == WM_CTLCOLOREDIT) {
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            // Labels on a drawing stand on its white; elsewhere on the window's face.
            SetBkColor(dc, c->in_picture ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(c->in_picture ? white_ : GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_CLOSE:
            host_.on_close(desc_.id);
            return 0;
        case WM_ENDSESSION:
            // Windows ends the session with the program open: what a person typed is kept all the same.
            if (w != 0 && IsWindowVisible(hwnd_)) host_.remember_all();
            return 0;
        case WM_ACTIVATE:
            // The field that had the keyboard gets it back when the window is active again.
            if (LOWORD(w) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd_, focus)) focus_ = focus;
            } else {
                SetFocus(focus_ != nullptr && IsWindowVisible(focus_) ? focus_ : hwnd_);
            }
            return 0;
        case WM_DPICHANGED: {
            // Moved to a monitor of another scale: every control anew, where Windows suggests.
            const RECT* suggested = reinterpret_cast<const RECT*>(l);
            layout(HIWORD(w));
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, w, l);
}

LRESULT CALLBACK ScreenWindow::picture_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ScreenWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            // What the fields on a drawing report goes to the screen's window.
            return SendMessageW(GetParent(hwnd), message, w, l);
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            PAINTSTRUCT ps{};
            HDC dc = message == WM_PAINT ? BeginPaint(hwnd, &ps) : reinterpret_cast<HDC>(w);
            RECT area;
            GetClientRect(hwnd, &area);
            FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            if (self != nullptr)
                if (const Control* c = self->find(hwnd)) paint_drawing(dc, c->desc->text, self->dpi_);
            HBRUSH grey = CreateSolidBrush(kBorderGrey);
            FrameRect(dc, &area, grey);
            DeleteObject(grey);
            if (message == WM_PAINT) EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, w, l);
}

}  // namespace entalix::win32
