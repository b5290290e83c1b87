// Properties from a dimensionless Gibbs free energy gamma(pi, tau), shared by the
// regions written in (p, T): 1, 2 and 5.
#pragma once

#include "if97/coefficients.h"
#include "if97/regions.h"

namespace entalix::if97 {

// g holds gamma and its derivatives by pi (a) and tau (b), ideal and residual parts
// together.
Point point_from_gibbs(double p, double T, double pi, double tau, const Derivatives& g);

// h, s and cp alone, from gamma and its tau-derivatives (f, fb, fbb of g).
Thermal thermal_from_gibbs(double T, double tau, const Derivatives& g);

}  // namespace entalix::if97
