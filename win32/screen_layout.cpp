// Lays a screen out for its monitor's dpi: every control in its place, each
// text in a type that fits its room, and the window wholly on its monitor.
#include "win32/screen_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "shell/placement.h"
#include "win32/dpi.h"
#include "win32/screen_window_parts.h"
#include "win32/text.h"

namespace entalix::win32 {

using namespace detail;
using shell::Align;
using shell::ControlDesc;

namespace detail {

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

RECT pixels(const shell::Twips& t, UINT dpi) {
    const int left = twips_to_pixels(t.left, dpi);
    const int top = twips_to_pixels(t.top, dpi);
    return {left, top, left + twips_to_pixels(t.width, dpi), top + twips_to_pixels(t.height, dpi)};
}

}  // namespace detail

namespace {

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

// On another monitor the window keeps its enlargement: the client area is the
// screen's own size at the new dpi, times the scale it had.
void ScreenWindow::layout(UINT monitor_dpi) {
    const double enlarged = scale();
    monitor_dpi_ = monitor_dpi;
    const UINT dpi = static_cast<UINT>(std::lround(monitor_dpi * enlarged));
    const SIZE outer =
        outer_size(twips_to_pixels(desc_.width, dpi), twips_to_pixels(desc_.height, dpi), kFrameStyle, 0, monitor_dpi);
    ++sizing_;
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    --sizing_;
    place_all(dpi);
}

shell::WindowSize ScreenWindow::client_size() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int dpi = static_cast<int>(monitor_dpi_);
    return {MulDiv(client.right, kBaseDpi, dpi), MulDiv(client.bottom, kBaseDpi, dpi)};
}

// The layout follows the frame: type and geometry at the scale of the tighter
// of the two ratios of the client area to the screen's own size. The window
// has no scroll bars: on a monitor too small for the screen at its scale
// (1024 x 768 at 200 %) it is drawn smaller, down to its size at 96 dpi, so
// that every field stays in sight.
void ScreenWindow::resized() {
    if (sizing_ > 0 || IsIconic(hwnd_)) return;
    const shell::WindowSize design{twips_to_pixels(desc_.width, kBaseDpi), twips_to_pixels(desc_.height, kBaseDpi)};
    const double least = static_cast<double>(kBaseDpi) / monitor_dpi_;
    const double scale = shell::layout_scale(client_size(), design, std::min(1.0, least));
    const UINT dpi = static_cast<UINT>(std::lround(monitor_dpi_ * scale));
    if (dpi != dpi_) place_all(dpi);
}

void ScreenWindow::place_all(UINT dpi) {
    dpi_ = dpi;
    std::map<std::pair<int, bool>, HFONT> old;
    old.swap(fonts_);
    for (Control& c : controls_) place(c);
    place_help_button();
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font(shell::kTextPixels, false)), FALSE);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scaled(360, dpi_));
    }
    // The controls hold the new fonts now; the old ones can go.
    for (const auto& [key, f] : old) DeleteObject(f);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ScreenWindow::place(Control& c) {
    const ControlDesc& d = *c.desc;
    RECT r = pixels(d.rect, dpi_);
    HFONT f = font(shell::kTextPixels, false);
    if (d.style & shell::kHeading)
        f = font(std::min(twips_to_pixels(d.rect.height, kBaseDpi) - 4, shell::kLargestHeadingPixels), true);
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
        c.widget == Widget::Combo ? static_cast<int>(d.choices.size() + 1) * scaled(shell::kTextPixels + 8, dpi_) : 0;
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
    HFONT f = font(shell::kTextPixels, false);
    // A result holds one number unless it is a whole state or a written note.
    const bool one_line = c.widget == Widget::Result ? d.meaning.format != "state" && d.meaning.format != "text"
                                                     : own.bottom - own.top < 2 * line_height(c.hwnd, f);
    const std::wstring text = widen(c.text);
    int size = shell::kTextPixels;
    const bool one_number = c.widget == Widget::Result && one_line;
    if ((c.widget == Widget::Label || one_number) && one_line && c.text.find('\n') == std::string::npos) {
        int room = own.right - own.left;
        if (one_number) room -= 2 * scaled(2, dpi_);  // the margins inside the box
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
        while (size > shell::kSmallestTextPixels && text_size(c.hwnd, font(size, false), text).cx > room) --size;
    } else if (!one_line) {
        RECT client;
        GetClientRect(c.hwnd, &client);
        const int margin = c.widget == Widget::Result ? scaled(2, dpi_) : 0;
        while (size > shell::kSmallestTextPixels &&
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

void ScreenWindow::show_at(std::optional<POINT> top_left, HMONITOR monitor, std::optional<shell::WindowSize> kept) {
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
    if (const UINT dpi = window_dpi(hwnd_); dpi != monitor_dpi_) layout(dpi);
    // As large as it was left, where this monitor has room for it.
    const int dpi = static_cast<int>(monitor_dpi_);
    const SIZE frame = outer_size(0, 0, kFrameStyle, 0, monitor_dpi_);
    const shell::WindowSize design{twips_to_pixels(desc_.width, kBaseDpi), twips_to_pixels(desc_.height, kBaseDpi)};
    const shell::WindowSize room{MulDiv(area.width - frame.cx, kBaseDpi, dpi),
                                 MulDiv(area.height - frame.cy, kBaseDpi, dpi)};
    shell::WindowSize size = shell::opening_size(kept, design, room);
    // Larger than the monitor: as large as it can be on it.
    size = {std::max(1, std::min(size.width, room.width)), std::max(1, std::min(size.height, room.height))};
    if (!IsZoomed(hwnd_) && size != client_size()) {
        // Back to the monitor's pixels, never past its room by a rounding.
        const int width = std::min(MulDiv(size.width, dpi, kBaseDpi), static_cast<int>(area.width - frame.cx));
        const int height = std::min(MulDiv(size.height, dpi, kBaseDpi), static_cast<int>(area.height - frame.cy));
        const SIZE outer = outer_size(width, height, kFrameStyle, 0, monitor_dpi_);
        SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        resized();
    }
    fit();
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
}

}  // namespace entalix::win32
