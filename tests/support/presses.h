// One press of either steam calculator in a formulation, with the water and
// steam a host builds for it.
#pragma once

#include <string_view>

#include "props/water_steam.h"
#include "steamcalc/state_solver.h"

namespace entalix::test {

inline steamcalc::StateAnswer absolute_press(const steamcalc::PairInput& input,
                                             props::Formulation formulation = props::Formulation::IFC67) {
    return steamcalc::SolveStateFromPair(input, *props::make_water_steam(formulation));
}

inline steamcalc::StateAnswer gauge_press(const steamcalc::PairInput& input, std::string_view atmospheric,
                                          props::Formulation formulation = props::Formulation::IFC67) {
    return steamcalc::SolveGaugeStateFromPair(input, atmospheric, *props::make_water_steam(formulation));
}

}  // namespace entalix::test
