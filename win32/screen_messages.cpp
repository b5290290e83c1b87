// What a screen's window does with its messages: clicks, ticks and typing go
// to the host, Enter presses a calculation, Esc goes back, and the colours of
// the texts and the drawings are painted.
#include "win32/screen_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "shell/reading.h"
#include "win32/dpi.h"
#include "win32/drawings.h"
#include "win32/field_roles.h"
#include "win32/host.h"
#include "win32/screen_window_parts.h"
#include "win32/text.h"

namespace entalix::win32 {

using namespace detail;

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
            shown_.input_changed(name, SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0");
            show_grey();
        }
        host_.on_event(desc_.id, name + "_Click");
    } else if (c.widget == Widget::Combo && code == CBN_SELCHANGE && programmatic_ == 0) {
        host_.on_chosen(*c.desc, narrow(window_text(c.hwnd)));
        if (desc_.find_event(name + "_Click") != nullptr) host_.on_event(desc_.id, name + "_Click");
    } else if (c.widget == Widget::Edit && code == EN_CHANGE && programmatic_ == 0) {
        clean_paste(controls_[index]);
        typed(c);
    }
}

// A spreadsheet cell pastes with a tab after its number, which the box shows as
// nothing: the box shows at once the number that will be read, the caret after it.
void ScreenWindow::clean_paste(Control& c) {
    const std::string text = narrow(window_text(c.hwnd));
    const std::string clean = shell::clean_pasted_number(text);
    if (clean == text) return;
    set_text(c, clean);
    const LPARAM end = static_cast<LPARAM>(widen(clean).size());
    SendMessageW(c.hwnd, EM_SETSEL, static_cast<WPARAM>(end), end);
}

void ScreenWindow::typed(const Control& c) {
    const std::string& name = c.desc->name;
    shown_.input_changed(name, narrow(window_text(c.hwnd)));
    show_grey();
    if (is_atmospheric(*c.desc)) host_.on_atmospheric_typed(desc_.id, narrow(window_text(c.hwnd)));
    if (desc_.find_event(name + "_Change") != nullptr) host_.on_event(desc_.id, name + "_Change");
}

// Enter in a field presses the buttons of the calculations it feeds (shell/shown_results.h); on a button, the button.
void ScreenWindow::on_enter() {
    Control* c = find(GetFocus());
    if (c == nullptr) return;
    if (c->widget == Widget::Button) {
        SendMessageW(c->hwnd, BM_CLICK, 0, 0);
        return;
    }
    if (c->widget != Widget::Edit) return;
    for (const std::string& event : shown_.enter_events(c->desc->name)) {
        const std::string button = event.substr(0, event.rfind("_Click"));
        if (const Control* b = find(button); b != nullptr && IsWindowVisible(b->hwnd))
            SendMessageW(b->hwnd, BM_CLICK, 0, 0);
    }
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
            SetTextColor(dc, c->widget == Widget::Message ? colour(message_colour_)
                             : c->greyed                  ? GetSysColor(COLOR_GRAYTEXT)
                             : red                        ? colour(shell::kFailureColour)
                                                          : GetSysColor(COLOR_WINDOWTEXT));
            if (message == WM_CTLCOLOREDIT) {
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            // Labels on a drawing stand on its white; elsewhere on the window's face.
            SetBkColor(dc, c->in_picture ? colour(shell::kDrawingBackground) : GetSysColor(COLOR_BTNFACE));
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
        case WM_SIZE:
            if (w != SIZE_MINIMIZED) resized();
            return 0;
        case WM_GETMINMAXINFO: {
            // Never smaller than the screen at 96 dpi: smaller type would not read.
            auto* limits = reinterpret_cast<MINMAXINFO*>(l);
            const SIZE least = outer_size(twips_to_pixels(desc_.width, kBaseDpi),
                                          twips_to_pixels(desc_.height, kBaseDpi), kFrameStyle, 0, monitor_dpi_);
            limits->ptMinTrackSize = POINT{least.cx, least.cy};
            return 0;
        }
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
        case WM_CONTEXTMENU:
            if (self != nullptr) self->picture_menu(hwnd, l);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            if (self != nullptr && self->drag(hwnd, message, l)) return 0;
            break;
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            PAINTSTRUCT ps{};
            HDC dc = message == WM_PAINT ? BeginPaint(hwnd, &ps) : reinterpret_cast<HDC>(w);
            if (self != nullptr) self->paint_picture(hwnd, dc);
            if (message == WM_PAINT) EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, w, l);
}

// White, the drawing computed for the box or else the one its text names, the
// rectangle being dragged, and a thin grey border.
void ScreenWindow::paint_picture(HWND hwnd, HDC dc) {
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (const Control* c = find(hwnd)) {
        if (c->drawing) {
            const HGDIOBJ before = SelectObject(dc, font(shell::kTextPixels, false));
            SetBkMode(dc, TRANSPARENT);
            paint_drawing(dc, *c->drawing, dpi_);
            SelectObject(dc, before);
        } else {
            paint_drawing(dc, c->desc->text, dpi_);
        }
        if (c->drag_from) {
            RECT band{std::min(c->drag_from->x, c->drag_to.x), std::min(c->drag_from->y, c->drag_to.y),
                      std::max(c->drag_from->x, c->drag_to.x), std::max(c->drag_from->y, c->drag_to.y)};
            DrawFocusRect(dc, &band);
        }
    }
    HBRUSH grey = CreateSolidBrush(colour(shell::kDrawingBorder));
    FrameRect(dc, &area, grey);
    DeleteObject(grey);
}

void ScreenWindow::picture_menu(HWND hwnd, LPARAM at) {
    const Control* c = find(hwnd);
    if (c == nullptr || !c->drawing) return;
    POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (p.x == -1 && p.y == -1) {  // from the keyboard (Shift+F10): at the box's top-left corner
        p = {0, 0};
        ClientToScreen(hwnd, &p);
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"复制图片");
    AppendMenuW(menu, MF_STRING, 2, L"保存为PNG…");
    AppendMenuW(menu, MF_STRING, 3, L"保存为SVG…");
    const UINT command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, p.x, p.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
    if (command == 1) copy_picture(*c->drawing);
    if (command == 2) save_picture_as(*c, PictureFile::Png);
    if (command == 3) save_picture_as(*c, PictureFile::Svg);
}

// The drawing at the monitor's scale, on white, as a bitmap on the clipboard.
void ScreenWindow::copy_picture(const shell::Drawing& drawing) {
    const int width = MulDiv(drawing.width, static_cast<int>(dpi_), 96);
    const int height = MulDiv(drawing.height, static_cast<int>(dpi_), 96);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (dc == nullptr || bitmap == nullptr) {
        if (dc != nullptr) DeleteDC(dc);
        if (bitmap != nullptr) DeleteObject(bitmap);
        return;
    }
    const HGDIOBJ before = SelectObject(dc, bitmap);
    RECT area{0, 0, width, height};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const HGDIOBJ font_before = SelectObject(dc, font(shell::kTextPixels, false));
    SetBkMode(dc, TRANSPARENT);
    paint_drawing(dc, drawing, dpi_);
    SelectObject(dc, font_before);
    SelectObject(dc, before);
    DeleteDC(dc);
    // The clipboard owns the bitmap once it takes it.
    if (OpenClipboard(hwnd_)) {
        EmptyClipboard();
        if (SetClipboardData(CF_BITMAP, bitmap) != nullptr) bitmap = nullptr;
        CloseClipboard();
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
}

// A drag with the left button on a chart marks a rectangle; on release it goes
// to the screen in the drawing's pixels (96 to the inch), as the label
// <box>_Rect, and the box's MouseUp event runs.
bool ScreenWindow::drag(HWND hwnd, UINT message, LPARAM l) {
    Control* c = find(hwnd);
    if (c == nullptr || !c->drawing || (c->desc->style & shell::kDragRectangle) == 0) return false;
    const POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
    if (message == WM_LBUTTONDOWN) {
        c->drag_from = at;
        c->drag_to = at;
        SetCapture(hwnd);
    } else if (message == WM_MOUSEMOVE && c->drag_from) {
        c->drag_to = at;
        InvalidateRect(hwnd, nullptr, FALSE);
    } else if (message == WM_LBUTTONUP && c->drag_from) {
        const POINT from = *c->drag_from;
        c->drag_from.reset();
        ReleaseCapture();
        InvalidateRect(hwnd, nullptr, FALSE);
        constexpr int kLeastDrag = 4;  // a shorter drag either way is a click
        if (std::abs(at.x - from.x) < kLeastDrag || std::abs(at.y - from.y) < kLeastDrag) return true;
        const std::string name = c->desc->name;
        Control* rect = find(name + "_Rect");
        if (rect == nullptr) return true;
        const double scale = 96.0 / dpi_;
        char text[128];
        std::snprintf(text, sizeof text, "%g %g %g %g", from.x * scale, from.y * scale, at.x * scale, at.y * scale);
        set_text(*rect, text);
        host_.on_event(desc_.id, name + "_MouseUp");
    } else {
        return false;
    }
    return true;
}

}  // namespace entalix::win32
