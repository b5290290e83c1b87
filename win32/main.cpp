// Entalix for Windows: the screens in native windows, starting on the main menu.
//   entalix.exe                                   the application
//   entalix.exe --self-test CASES OUT [--screenshot DIR]
//   entalix.exe --screenshot DIR                  every screen, as a BMP each
//   entalix.exe --version
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "entalix_version.h"
#include "win32/host.h"
#include "win32/message_loop.h"
#include "win32/self_test.h"
#include "win32/text.h"

namespace {

constexpr int kIconId = 1;

std::vector<std::wstring> arguments() {
    std::vector<std::wstring> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return args;
    for (int i = 1; i < count; ++i) args.emplace_back(wide[i]);
    LocalFree(wide);
    return args;
}

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
    bool self_test = false;
    win32::SelfTestOptions options;
    const std::vector<std::wstring> args = arguments();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--version") {
            show_version();
            return 0;
        }
        if (args[i] == L"--self-test" && i + 2 < args.size()) {
            self_test = true;
            options.cases = args[++i];
            options.output = args[++i];
        } else if (args[i] == L"--screenshot" && i + 1 < args.size()) {
            self_test = true;
            options.screenshots = args[++i];
        }
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The icon at the sizes of the title bar and of Alt+Tab, each drawn for its size.
    const auto icon = [instance](int metric_x, int metric_y) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(metric_x), GetSystemMetrics(metric_y), 0));
    };
    if (!win32::ScreenWindow::register_classes(instance, icon(SM_CXICON, SM_CYICON), icon(SM_CXSMICON, SM_CYSMICON)))
        return 1;

    win32::Win32Host host(catalog::screen_desc, win32::Settings::for_this_program());
    host.controller().ShowScreen(shell::ScreenId::Form1);
    if (self_test) return win32::run_self_test(host, options);
    return win32::run_message_loop(host);
}
