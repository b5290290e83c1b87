// The "?" that opens the user guide, where every host puts it.
#include "win32/screen_window.h"

#include <commctrl.h>

#include "shell/help_button.h"
#include "win32/dpi.h"
#include "win32/host.h"
#include "win32/screen_window_parts.h"

namespace entalix::win32 {

using namespace detail;

// The "?" stands where every host puts it (shell/help_button.h).
void ScreenWindow::create_help_button() {
    help_picture_ = shell::help_button_holder(desc_);
    HWND parent = hwnd_;
    if (help_picture_ != nullptr)
        if (const Control* picture = find(help_picture_->name)) parent = picture->hwnd;
    help_ = CreateWindowExW(0, L"BUTTON", L"?", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0, 0, 0,
                            0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpId)),
                            GetModuleHandleW(nullptr), nullptr);
    if (help_ != nullptr) SetWindowSubclass(help_, field_proc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void ScreenWindow::place_help_button() {
    if (help_ == nullptr) return;
    const int size = scaled(shell::kHelpButtonSize, dpi_);
    const int margin = scaled(shell::kHelpButtonMargin, dpi_);
    const int right = help_picture_ != nullptr ? twips_to_pixels(help_picture_->rect.width, dpi_)
                                               : twips_to_pixels(desc_.width, dpi_);
    SetWindowPos(help_, HWND_TOP, right - margin - size, margin, size, size, SWP_NOACTIVATE);
    SendMessageW(help_, WM_SETFONT, reinterpret_cast<WPARAM>(font(shell::kTextPixels, true)), FALSE);
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

void ScreenWindow::click_help() {
    HWND back = help_return_ != nullptr && IsChild(hwnd_, help_return_) ? help_return_ : nullptr;
    help_return_ = nullptr;
    if (GetFocus() == help_) SetFocus(back != nullptr ? back : hwnd_);
    host_.show_guide();
}

}  // namespace entalix::win32
