// Where a window opens: wholly on one monitor, whatever its size and scale.
// Both window hosts ask this of the monitor's work area in their own pixels.
#pragma once

namespace entalix::shell {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenRect&) const = default;
};

// The frame moved the least so that it lies within the work area (a monitor's
// area without the taskbar); a frame wider or taller than the area keeps its
// left or top edge, and so its title bar, on it.
ScreenRect fit_on_monitor(const ScreenRect& frame, const ScreenRect& work_area);

}  // namespace entalix::shell
