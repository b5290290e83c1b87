// Region 1, compressed water: 273.15 K <= T <= 623.15 K, psat(T) <= p <= 100 MPa.
#include "if97/gibbs.h"
#include "if97/gibbs_tables.h"

namespace entalix::if97 {

namespace {

// The Point of extent E.
template <Extent E>
Point evaluate(double p, double T) {
    const double pi = p / 16.53;
    const double tau = 1386.0 / T;
    constexpr unsigned want = E == Extent::vhs ? kVolumeHeatSet : E == Extent::newton ? kNewtonSet : kAllDerivatives;
    const Derivatives d = derivative_sum<kRegion1, want>(7.1 - pi, tau - 1.222);
    // The equation is written in (7.1 - pi): its pi-derivatives change sign once.
    const Derivatives g{d.f, -d.fa, d.faa, d.fb, d.fbb, -d.fab};
    if constexpr (E == Extent::vhs) return vhs_from_gibbs(p, T, pi, tau, g);
    return point_from_gibbs(p, T, pi, tau, g, E);
}

}  // namespace

// One function per extent: each sum compiles best on its own. The sum of v, h
// and s is compiled into its caller, which then hands its three derivatives
// over in registers (measured: the other two extents compile better apart).
Point region1(double p, double T) { return evaluate<Extent::whole>(p, T); }
Point region1_newton(double p, double T) { return evaluate<Extent::newton>(p, T); }
#if defined(__GNUC__)
[[gnu::flatten]]
#endif
Point region1_vhs(double p, double T) {
    return evaluate<Extent::vhs>(p, T);
}

Thermal region1_thermal(double p, double T) {
    const double tau = 1386.0 / T;
    return thermal_from_gibbs(T, tau, derivative_sum<kRegion1, kThermalSet>(7.1 - p / 16.53, tau - 1.222));
}

}  // namespace entalix::if97
