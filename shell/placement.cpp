// Keeping a window on its monitor, and the scale of an enlarged one.
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

std::optional<WindowPlace> opening_place(bool main_menu, std::optional<WindowPlace> own_last,
                                         std::optional<WindowPlace> replaced) {
    if (main_menu && own_last) return own_last;
    return replaced ? replaced : own_last;
}

double layout_scale(WindowSize client, WindowSize design, double least) {
    if (design.width <= 0 || design.height <= 0) return 1.0;
    const double across = static_cast<double>(client.width) / design.width;
    const double down = static_cast<double>(client.height) / design.height;
    return std::max(least, std::min(across, down));
}

WindowSize opening_size(std::optional<WindowSize> kept, WindowSize design, WindowSize room) {
    if (!kept) return design;
    // A smaller monitor than the one it was left on: as large as this one allows.
    return {std::max(design.width, std::min(kept->width, room.width)),
            std::max(design.height, std::min(kept->height, room.height))};
}

}  // namespace entalix::shell
