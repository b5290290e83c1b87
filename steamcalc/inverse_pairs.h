// The steam calculators with a formulation that finds the state of any pair
// straight on its own inverses (IAPWS-IF97), over its whole range.
#pragma once

#include "props/water_steam.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {

// The state of the press's pair, with the six lines and the rounding of the
// step lists. Throws CalculationError for a text that is not a number, a
// value its field cannot hold, wet steam asked beyond the critical point, or
// a state that does not give back what was typed; PropertyRefusal where the
// range of the formulation holds no such state.
Shown state_on_inverses(Press& press, props::KnownPair pair);

}  // namespace entalix::steamcalc
