// Where a window opens: fully on one monitor, whatever its size and scale.
#pragma once

#include <QRect>

namespace entalix::ui {

// The frame moved the least so that it lies within the monitor's available area;
// a frame larger than the area keeps its top-left corner (and title bar) on it.
QRect fit_on_screen(const QRect& frame, const QRect& available);

}  // namespace entalix::ui
