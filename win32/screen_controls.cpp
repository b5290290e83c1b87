// The controls of a screen made from its description: a window each, in the
// order Tab walks them.
#include "win32/screen_window.h"

#include <map>

#include "shell/tab_order.h"
#include "win32/field_roles.h"
#include "win32/screen_window_parts.h"
#include "win32/text.h"

namespace entalix::win32 {

using namespace detail;
using shell::Align;
using shell::ControlDesc;
using shell::ControlKind;

namespace {

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
            // One number never wraps onto a hidden second line: what the
            // smallest type cannot hold scrolls, and is copied whole.
            if (d.meaning.format != "state" && d.meaning.format != "text") style |= ES_AUTOHSCROLL;
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

}  // namespace entalix::win32
