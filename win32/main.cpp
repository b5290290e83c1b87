// Entalix for Windows: the screens in native windows, starting on the main menu.
//   entalix.exe                                   the application
//   entalix.exe --version
// The self-test that drives these windows is a program of its own,
// entalix-selftest.exe (win32/self_test_main.cpp).
#include <windows.h>

#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "entalix_version.h"
#include "win32/host.h"
#include "win32/message_loop.h"
#include "win32/startup.h"
#include "win32/text.h"

namespace {

// The version where it was asked for: into a redirected output, into the
// console the program was started from, or else in a small window.
void show_version() {
    const std::string text = entalix::version_text("entalix");
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    bool own = false;
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        own = true;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        MessageBoxW(nullptr, entalix::win32::widen(text).c_str(), L"Entalix", MB_OK | MB_ICONINFORMATION);
    } else if (GetConsoleMode(out, &mode)) {
        const std::wstring wide = entalix::win32::widen(text);
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
    if (own) CloseHandle(out);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace entalix;
    for (const std::wstring& arg : win32::command_arguments()) {
        if (arg == L"--version") {
            show_version();
            return 0;
        }
    }
    if (!win32::prepare_windows(instance)) return 1;
    win32::Win32Host host(catalog::screen_desc, win32::Settings::for_this_program());
    host.controller().ShowScreen(shell::ScreenId::Form1);
    return win32::run_message_loop(host);
}
