// Region 2, steam: from 273.15 K up to 1073.15 K, below the saturation line and
// below the B23 boundary.
#include "if97/gibbs.h"
#include "if97/gibbs_tables.h"

namespace entalix::if97 {

namespace {

// gamma of region 2, ideal-gas and residual parts, with the derivatives of Want.
template <unsigned Want>
Derivatives gamma2(double pi, double tau) {
    Derivatives g = derivative_sum<kRegion2Residual, Want>(pi, tau - 0.5);
    add_ideal_gas<kRegion2Ideal, Want>(g, pi, tau);
    return g;
}

// The Point of extent E.
template <Extent E>
Point evaluate(double p, double T) {
    const double pi = p;
    const double tau = 540.0 / T;
    constexpr unsigned want = E == Extent::vhs ? kVolumeHeatSet : E == Extent::newton ? kNewtonSet : kAllDerivatives;
    const Derivatives g = gamma2<want>(pi, tau);
    if constexpr (E == Extent::vhs) return vhs_from_gibbs(p, T, pi, tau, g);
    return point_from_gibbs(p, T, pi, tau, g, E);
}

}  // namespace

// One function per extent: each sum compiles best on its own.
Point region2(double p, double T) { return evaluate<Extent::whole>(p, T); }
Point region2_newton(double p, double T) { return evaluate<Extent::newton>(p, T); }
Point region2_vhs(double p, double T) { return evaluate<Extent::vhs>(p, T); }

Thermal region2_thermal(double p, double T) {
    const double tau = 540.0 / T;
    Derivatives g = derivative_sum<kRegion2Residual, kThermalSet>(p, tau - 0.5);
    add_ideal_gas<kRegion2Ideal>(g, p, tau);
    return thermal_from_gibbs(T, tau, g);
}

}  // namespace entalix::if97
