// Entalix for Windows: the screens in native windows, starting on the main menu.
//   entalix.exe                                   the application
//   entalix.exe --self-test CASES OUT [--screenshot DIR]
//   entalix.exe --screenshot DIR                  every screen, as a BMP each
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "win32/host.h"
#include "win32/message_loop.h"
#include "win32/self_test.h"

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

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace entalix;
    bool self_test = false;
    win32::SelfTestOptions options;
    const std::vector<std::wstring> args = arguments();
    for (std::size_t i = 0; i < args.size(); ++i) {
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
