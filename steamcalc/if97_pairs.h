// The steam calculators with IAPWS-IF97: each of the nine pairs solved straight
// on the formulation's own inverses, over its whole range.
#pragma once

#include <optional>
#include <string_view>

#include "steamcalc/state_solver.h"

namespace entalix::steamcalc {

// One press of either calculator (atmospheric set: the gauge screen), with the
// six lines and the rounding of the IFC-67 presses. Throws CalculationError for
// a text that is not a number, a value its field cannot hold, wet steam asked
// beyond the critical point, or a state that does not give back what was
// typed; PropertyRefusal where the range of IAPWS-IF97 holds no such state.
StateAnswer solve_if97(const PairInput& input, std::optional<std::string_view> atmospheric);

}  // namespace entalix::steamcalc
