// One dispatch for the interactive loop and for the self-test's pumping, so
// that both see the keyboard the same way.
#include "win32/message_loop.h"

namespace entalix::win32 {

namespace {

bool is_edit(HWND hwnd) {
    wchar_t name[16] = {};
    return hwnd != nullptr && GetClassNameW(hwnd, name, 16) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

bool held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

// The keys of the whole program, whichever field has the keyboard: F1 opens the
// guide, Ctrl+Shift+C copies the screen's results, Ctrl+Q on the main menu
// ends the program.
bool program_key(Win32Host& host, const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    HWND screen = host.active_window();
    if (screen == nullptr || (msg.hwnd != screen && !IsChild(screen, msg.hwnd))) return false;
    if (msg.wParam == VK_F1 && !held(VK_CONTROL) && !held(VK_SHIFT)) {
        host.show_guide();
        return true;
    }
    if (msg.wParam == 'Q' && held(VK_CONTROL) && !held(VK_SHIFT)) return host.quit_from_main_menu();
    if (msg.wParam == 'C' && held(VK_CONTROL) && held(VK_SHIFT)) {
        host.copy_results();
        return true;
    }
    return false;
}

void dispatch(Win32Host& host, MSG& msg) {
    if (program_key(host, msg)) return;
    // Ctrl+A selects a field's whole text, which the classic edit box does not do by itself.
    if (msg.message == WM_KEYDOWN && msg.wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) != 0 &&
        is_edit(msg.hwnd)) {
        SendMessageW(msg.hwnd, EM_SETSEL, 0, -1);
        return;
    }
    if (HWND screen = host.active_window(); screen != nullptr && IsDialogMessageW(screen, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

int run_message_loop(Win32Host& host) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) dispatch(host, msg);
    return static_cast<int>(msg.wParam);
}

bool pump_messages(Win32Host& host) {
    MSG msg;
    // Bounded: a window that keeps posting to itself cannot hold the caller forever.
    for (int handled = 0; handled < 100000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++handled) {
        if (msg.message == WM_QUIT) return false;
        dispatch(host, msg);
    }
    return true;
}

}  // namespace entalix::win32
