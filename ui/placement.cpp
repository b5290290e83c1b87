// Keeping a window on its monitor.
#include "ui/placement.h"

#include <algorithm>

namespace entalix::ui {

namespace {

// The start of a span of `length` moved into [low, low + room).
int fit(int start, int length, int low, int room) {
    if (length >= room) return low;
    return std::clamp(start, low, low + room - length);
}

}  // namespace

QRect fit_on_screen(const QRect& frame, const QRect& available) {
    const int left = fit(frame.left(), frame.width(), available.left(), available.width());
    const int top = fit(frame.top(), frame.height(), available.top(), available.height());
    return QRect(QPoint(left, top), frame.size());
}

}  // namespace entalix::ui
