// Lines of states for the pair solvers: an isobar searched in T, an isotherm
// searched in ln p, each split at the saturation line, with the wet states between.
#pragma once

#include "if97/point.h"

namespace entalix::if97 {

enum class Quantity { v, h, s };

double quantity(const Point& point, Quantity q);

// The state on the isobar p (MPa) with v, h or s equal to target. Where the isobar
// meets the target twice (the density maximum of cold water), the warmer state.
State solve_isobar(double p, double target, Quantity q);

// The state on the isotherm T (K) with v, h or s equal to target. Where the isotherm
// meets the target more than once: compressed water before a wet state, and among
// two states of one phase the one of lower pressure.
State solve_isotherm(double T, double target, Quantity q);

// Text naming a pair for the failures: "p = 1 MPa and h = 5000 kJ/kg".
std::string pair_text(const char* first, double a, const char* first_unit, Quantity q, double b);

}  // namespace entalix::if97
