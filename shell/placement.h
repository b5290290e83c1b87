// Where a window opens and how large it is drawn: wholly on one monitor,
// whatever its size and scale. Both window hosts ask this of the monitor's
// work area in their own pixels.
#pragma once

#include <optional>

namespace entalix::shell {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenRect&) const = default;
};

// The top-left corner of a window's frame, in the host's screen pixels.
struct WindowPlace {
    int left = 0;
    int top = 0;

    bool operator==(const WindowPlace&) const = default;
};

// A window's client area in pixels at 96 dpi.
struct WindowSize {
    int width = 0;
    int height = 0;

    bool operator==(const WindowSize&) const = default;
};

// The frame moved the least so that it lies within the work area (a monitor's
// area without the taskbar); a frame wider or taller than the area keeps its
// left or top edge, and so its title bar, on it.
ScreenRect fit_on_monitor(const ScreenRect& frame, const ScreenRect& work_area);

// Where a screen's frame opens before it is fitted on its monitor. The main
// menu comes back where it was left, wherever the screens opened from it
// stood; any other screen opens where the one it replaces stands, so that the
// eye stays on one place. Without either, its own last place; nullopt: the
// middle of the monitor.
std::optional<WindowPlace> opening_place(bool main_menu, std::optional<WindowPlace> own_last,
                                         std::optional<WindowPlace> replaced);

// The scale of a screen's layout (type and geometry together) in a client
// area enlarged by hand: the smaller of the two ratios of the area to the
// screen's own size, so that the whole screen stays in sight. Never below
// `least`: 1 where a window smaller than its screen scrolls (the Qt host);
// a host without scroll bars draws it smaller down to its size at 96 dpi.
double layout_scale(WindowSize client, WindowSize design, double least = 1.0);

// The client area a window opens with: the size it was left with, within the
// room the monitor gives, and never below the screen's own.
WindowSize opening_size(std::optional<WindowSize> kept, WindowSize design, WindowSize room);

}  // namespace entalix::shell
