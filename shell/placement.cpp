// Keeping a window on its monitor.
#include "shell/placement.h"

#include <algorithm>

namespace entalix::shell {

namespace {

// The start of a span of `length` moved into [low, low + room).
int fit(int start, int length, int low, int room) {
    if (length >= room) return low;
    return std::clamp(start, low, low + room - length);
}

}  // namespace

ScreenRect fit_on_monitor(const ScreenRect& frame, const ScreenRect& work_area) {
    return {fit(frame.left, frame.width, work_area.left, work_area.width),
            fit(frame.top, frame.height, work_area.top, work_area.height), frame.width, frame.height};
}

}  // namespace entalix::shell
