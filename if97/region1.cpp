// Region 1, compressed water: 273.15 K <= T <= 623.15 K, psat(T) <= p <= 100 MPa.
#include "if97/gibbs.h"
#include "if97/gibbs_tables.h"

// Compiled together with the sum it calls, a function gets the sum's results in
// registers, and the sum forms only the derivatives the function uses.
#if defined(__GNUC__)
#define ENTALIX_FLATTEN [[gnu::flatten]]
#else
#define ENTALIX_FLATTEN
#endif

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

// One function per extent: each sum compiles best on its own. All but the
// whole Point are compiled with their sums (measured: the whole Point's sum
// compiles better apart).
Point region1(double p, double T) { return evaluate<Extent::whole>(p, T); }
ENTALIX_FLATTEN Point region1_newton(double p, double T) { return evaluate<Extent::newton>(p, T); }
ENTALIX_FLATTEN Point region1_vhs(double p, double T) { return evaluate<Extent::vhs>(p, T); }

ENTALIX_FLATTEN Thermal region1_thermal(double p, double T) {
    const double tau = 1386.0 / T;
    return thermal_from_gibbs(T, tau, derivative_sum<kRegion1, kThermalSet>(7.1 - p / 16.53, tau - 1.222));
}

}  // namespace entalix::if97
