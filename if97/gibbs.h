// Properties from a dimensionless Gibbs free energy gamma(pi, tau), shared by the
// regions written in (p, T): 1, 2 and 5.
#pragma once

#include <cmath>
#include <limits>

#include "base/elementary.h"
#include "base/property_error.h"
#include "if97/coefficients.h"
#include "if97/constants.h"
#include "if97/regions.h"

namespace entalix::if97 {

// Adds the ideal-gas part of regions 2 and 5, ln pi plus the sum n tau^J of
// Table, to the residual part's derivatives g: those of the set Want.
template <const auto& Table, unsigned Want = kAllDerivatives>
void add_ideal_gas(Derivatives& g, double pi, double tau) {
    const Powers<min_exponent(Table, &Jn::J), max_exponent(Table, &Jn::J)> t(tau);
    double ideal = props::finite(elementary::log(pi), "log of reduced pressure");
    for (const Jn& c : Table) {
        ideal += c.n * t[c.J];
        if constexpr ((Want & kFb) != 0) g.fb += c.n * c.J * t[c.J - 1];
        if constexpr ((Want & kFbb) != 0) g.fbb += c.n * c.J * (c.J - 1.0) * t[c.J - 2];
    }
    g.f += ideal;
    if constexpr ((Want & kFa) != 0) g.fa += 1.0 / pi;
    if constexpr ((Want & kFaa) != 0) g.faa -= 1.0 / (pi * pi);
}

// g holds gamma and its derivatives by pi (a) and tau (b), ideal and residual parts
// together; for Extent::newton all but faa, and cv, w and kappa_t are left NaN.
Point point_from_gibbs(double p, double T, double pi, double tau, const Derivatives& g, Extent extent = Extent::whole);

// p, T, v, h, u and s alone, from gamma and its first derivatives (f, fa, fb of
// g); the other members are NaN. Inline, so that the sums need not be stored.
inline Point vhs_from_gibbs(double p, double T, double pi, double tau, const Derivatives& g) {
    Point out;
    out.p = p;
    out.T = T;
    const double rt = kR * T;
    out.v = props::finite(rt * pi * g.fa / (1000.0 * p), "specific volume");
    out.h = props::finite(rt * tau * g.fb, "enthalpy");
    out.u = props::finite(rt * (tau * g.fb - pi * g.fa), "internal energy");
    out.s = props::finite(kR * (tau * g.fb - g.f), "entropy");
    out.cp = out.cv = out.w = out.alpha_v = out.kappa_t = std::numeric_limits<double>::quiet_NaN();
    return out;
}

// h, s and cp alone, from gamma and its tau-derivatives (f, fb, fbb of g).
Thermal thermal_from_gibbs(double T, double tau, const Derivatives& g);

}  // namespace entalix::if97
