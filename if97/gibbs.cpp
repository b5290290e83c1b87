// The thermodynamic relations of a Gibbs free energy in reduced variables.
#include "if97/gibbs.h"

#include <cmath>

#include "base/property_error.h"
#include "if97/constants.h"

namespace entalix::if97 {

using props::finite;

Point point_from_gibbs(double p, double T, double pi, double tau, const Derivatives& g, Extent extent) {
    Point out;
    out.p = p;
    out.T = T;
    const double rt = kR * T;
    // R T / p is in kJ/(kg MPa) = 1e-3 m3/kg.
    out.v = finite(rt * pi * g.fa / (1000.0 * p), "specific volume");
    out.h = finite(rt * tau * g.fb, "enthalpy");
    out.u = finite(rt * (tau * g.fb - pi * g.fa), "internal energy");
    out.s = finite(kR * (tau * g.fb - g.f), "entropy");
    out.cp = finite(-kR * tau * tau * g.fbb, "isobaric heat capacity");
    const double mixed = g.fa - tau * g.fab;
    if (extent == Extent::newton) {
        out.alpha_v = finite(mixed / (g.fa * T), "expansion coefficient");
        out.cv = out.w = out.kappa_t = std::nan("");
        return out;
    }
    out.cv = finite(kR * (-tau * tau * g.fbb + mixed * mixed / g.faa), "isochoric heat capacity");
    const double w2 = 1000.0 * rt * g.fa * g.fa / (mixed * mixed / (tau * tau * g.fbb) - g.faa);
    // A metastable continuation may be mechanically unstable: no speed of sound there.
    out.w = w2 > 0.0 ? std::sqrt(w2) : std::nan("");
    out.alpha_v = finite(mixed / (g.fa * T), "expansion coefficient");
    out.kappa_t = finite(-pi * g.faa / (g.fa * p), "compressibility");
    return out;
}

Thermal thermal_from_gibbs(double T, double tau, const Derivatives& g) {
    return {finite(kR * T * tau * g.fb, "enthalpy"), finite(kR * (tau * g.fb - g.f), "entropy"),
            finite(-kR * tau * tau * g.fbb, "isobaric heat capacity")};
}

Point moved_at_constant_p(const Point& point, double dT) {
    Point out = point;
    out.T += dT;
    out.h += point.cp * dT;
    out.s += point.cp / point.T * dT;
    out.v += point.v * point.alpha_v * dT;
    out.u = out.h - 1000.0 * out.p * out.v;
    return out;
}

}  // namespace entalix::if97
