// entalix-selftest.exe: the Windows host's real windows driven by the steps of
// a file (win32/self_test.h), beside the program people use rather than in it.
//   entalix-selftest.exe CASES OUT [--screenshot DIR]
//   entalix-selftest.exe --screenshot DIR         every screen, as a BMP each
// Like entalix.exe it keeps its settings in entalix.ini beside itself.
#include <windows.h>

#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "win32/host.h"
#include "win32/self_test.h"
#include "win32/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace entalix;
    win32::SelfTestOptions options;
    std::vector<std::wstring> files;
    const std::vector<std::wstring> args = win32::command_arguments();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--screenshot" && i + 1 < args.size())
            options.screenshots = args[++i];
        else
            files.push_back(args[i]);
    }
    if (files.size() == 2) {
        options.cases = files[0];
        options.output = files[1];
    } else if (!files.empty() || options.screenshots.empty()) {
        return 2;  // nothing to do: neither steps nor screenshots
    }
    if (!win32::prepare_windows(instance)) return 1;
    win32::Win32Host host(catalog::screen_desc, win32::Settings::for_this_program());
    host.controller().ShowScreen(shell::ScreenId::Form1);
    return win32::run_self_test(host, options);
}
