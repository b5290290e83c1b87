// The start shared by entalix.exe and its self-test.
#include "win32/startup.h"

#include <commctrl.h>
#include <shellapi.h>

#include "win32/screen_window.h"

namespace entalix::win32 {

namespace {

constexpr int kIconId = 1;

}  // namespace

bool prepare_windows(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The icon at the sizes of the title bar and of Alt+Tab, each drawn for its size.
    const auto icon = [instance](int metric_x, int metric_y) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(metric_x), GetSystemMetrics(metric_y), 0));
    };
    return ScreenWindow::register_classes(instance, icon(SM_CXICON, SM_CYICON), icon(SM_CXSMICON, SM_CYSMICON));
}

std::vector<std::wstring> command_arguments() {
    std::vector<std::wstring> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return args;
    for (int i = 1; i < count; ++i) args.emplace_back(wide[i]);
    LocalFree(wide);
    return args;
}

}  // namespace entalix::win32
