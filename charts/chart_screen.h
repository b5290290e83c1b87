// Screen Form19 ("焓熵图"): the h-s or T-s chart with a typed state, or the
// process a heater or desuperheater screen hands over, marked on it.
#pragma once

#include "shell/screen.h"

namespace entalix::charts {

// A screen hands a process to the chart by writing the hidden label "Process":
// the states of each line in order, each a name and two of p (absolute MPa),
// t (degC), h, s and x (0 to 1), "进汽 p=1.0983 t=300; 疏水 p=0.5983 x=0",
// the lines apart by " | ".
const shell::ScreenDesc& form19();

// The size of the chart on the screen, in drawing pixels.
inline constexpr int kChartWidth = 720;
inline constexpr int kChartHeight = 540;

}  // namespace entalix::charts
