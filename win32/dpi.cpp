// GetDpiForWindow (Windows 10, 1607), GetDpiForMonitor (8.1) and
// AdjustWindowRectExForDpi (10, 1607) are found at run time; Windows 7 gets the
// system dpi, which is all it has.
#include "win32/dpi.h"

namespace entalix::win32 {

namespace {

template <typename Function>
Function find(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (handle == nullptr) handle = LoadLibraryW(module);
    if (handle == nullptr) return nullptr;
    // The documented way to reach an export whose signature we know.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

UINT system_dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

UINT window_dpi(HWND window) {
    static const auto for_window = find<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (for_window != nullptr && window != nullptr) {
        if (const UINT dpi = for_window(window); dpi > 0) return dpi;
    }
    static const auto for_monitor = find<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    if (for_monitor != nullptr && window != nullptr) {
        UINT x = 0;
        UINT y = 0;
        constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
        if (SUCCEEDED(for_monitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) && y > 0)
            return y;
    }
    return system_dpi();
}

SIZE outer_size(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi) {
    RECT r{0, 0, client_width, client_height};
    static const auto adjust = find<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjust == nullptr || !adjust(&r, style, FALSE, ex_style, dpi)) AdjustWindowRectEx(&r, style, FALSE, ex_style);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace entalix::win32
