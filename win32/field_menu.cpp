// The right-click menu of a text box or a result, with the items every host
// shows (shell/field_menu.h), and copying to the clipboard.
#include "win32/screen_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "shell/field_menu.h"
#include "win32/field_roles.h"
#include "win32/screen_window_parts.h"
#include "win32/text.h"

namespace entalix::win32 {

using namespace detail;

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

// A menu item's command: the action's place in the list, from 1 (0 is no choice).
UINT menu_command(shell::FieldAction action) { return static_cast<UINT>(action) + 1; }

}  // namespace

bool ScreenWindow::copy_results() {
    const std::string text = shown_.results_text();
    return !text.empty() && put_on_clipboard(hwnd_, text);
}

HMENU ScreenWindow::field_menu(std::string_view name) const {
    const Control* c = find(name);
    if (c == nullptr || (c->widget != Widget::Result && c->widget != Widget::Edit)) return nullptr;
    shell::FieldState state;
    DWORD from = 0;
    DWORD to = 0;
    SendMessageW(c->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    state.has_selection = to > from;
    state.has_text = GetWindowTextLengthW(c->hwnd) != 0;
    state.can_undo = SendMessageW(c->hwnd, EM_CANUNDO, 0, 0) != 0;
    state.clipboard_has_text = IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
    state.results_shown = shown_.any();
    HMENU menu = CreatePopupMenu();
    for (const shell::FieldMenuItem& item : shell::field_menu(*c->desc, state)) {
        if (item.separator_before) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING | (item.enabled ? 0U : MF_GRAYED), menu_command(item.action),
                    widen(item.text).c_str());
    }
    return menu;
}

void ScreenWindow::field_command(std::string_view name, UINT command) {
    Control* c = find(name);
    if (c == nullptr || command == 0 || command > menu_command(shell::FieldAction::RestoreDefault)) return;
    // What changes the text arrives as typing does (EN_CHANGE).
    switch (static_cast<shell::FieldAction>(command - 1)) {
        case shell::FieldAction::CopyAllResults:
            copy_results();
            break;
        case shell::FieldAction::Copy: {
            DWORD from = 0;
            DWORD to = 0;
            SendMessageW(c->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
            const std::wstring whole = window_text(c->hwnd);
            const bool part = to > from && to <= whole.size();
            put_on_clipboard(hwnd_, narrow(part ? whole.substr(from, to - from) : whole));
            break;
        }
        case shell::FieldAction::Undo:
            SendMessageW(c->hwnd, WM_UNDO, 0, 0);
            break;
        case shell::FieldAction::Cut:
            SendMessageW(c->hwnd, WM_CUT, 0, 0);
            break;
        case shell::FieldAction::Paste:
            SendMessageW(c->hwnd, WM_PASTE, 0, 0);
            break;
        case shell::FieldAction::Delete:
            SendMessageW(c->hwnd, WM_CLEAR, 0, 0);
            break;
        case shell::FieldAction::SelectAll:
            SendMessageW(c->hwnd, EM_SETSEL, 0, -1);
            break;
        case shell::FieldAction::RestoreDefault:
            if (c->widget == Widget::Edit && is_atmospheric(*c->desc)) {
                set_text(*c, c->desc->text);
                typed(*c);
            }
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

}  // namespace entalix::win32
