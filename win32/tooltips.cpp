// The tooltips of a screen: what each field holds and the values it takes in
// the formulation chosen, and what each button does.
#include "win32/screen_window.h"

#include <commctrl.h>

#include <algorithm>

#include "shell/button_tooltip.h"
#include "shell/field_ranges.h"
#include "win32/dpi.h"
#include "win32/host.h"
#include "win32/screen_window_parts.h"
#include "win32/text.h"

namespace entalix::win32 {

using namespace detail;
using shell::ControlDesc;

// The tooltips say what a field holds and which values it takes, and what a
// button does, in the screen's type so that the Chinese reads as on the screen.
void ScreenWindow::add_tooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) return;
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font(shell::kTextPixels, false)), FALSE);
    // A width limit lets the text break at its line feeds.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scaled(360, dpi_));
    // Long enough to read three lines of Chinese.
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 20000);
    if (help_ != nullptr) {
        std::wstring text = widen(shell::kHelpTooltip);
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
    std::string text;
    if (c.kind == shell::ControlKind::Button)
        text = shell::button_tooltip(
            desc_, c, [this](shell::ScreenId id) -> const shell::ScreenDesc& { return host_.controller().desc(id); });
    else if (c.meaning.role == shell::Role::Formulation)
        text = std::string(shell::kFormulationTooltip);
    else
        text = shell::field_tooltip(c, formulation_);
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

void ScreenWindow::update_tooltips() {
    if (tooltip_ == nullptr) return;
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

}  // namespace entalix::win32
