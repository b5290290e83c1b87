// A state to put on a chart from two of its quantities, in public units (p
// absolute MPa, t degC, h kJ/kg, s kJ/(kg K), x 0 to 1).
#pragma once

#include <string_view>

#include "props/water_steam.h"

namespace entalix::charts {

// From (p, t), (p, h), (p, s), (p, x) or (t, x), named by their letters in
// either order; PropertyError for another pair or a state the formulation
// refuses. A (p, t) state exactly at saturation counts as steam.
props::FluidState chart_state(props::WaterSteam& water, char first, double a, char second, double b);

}  // namespace entalix::charts
