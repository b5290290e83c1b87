// Region 5, high-temperature steam: 1073.15 K <= T <= 2273.15 K, p <= 50 MPa.
#include <array>

#include "if97/gibbs.h"

namespace entalix::if97 {
namespace {

// IAPWS-IF97 (revised release 2007), region 5 ideal-gas part, Eq. 33, Table 37.
inline constexpr auto kRegion5Ideal = std::to_array<Jn>({
    {0, -0.13179983674201e2},
    {1, 0.68540841634434e1},
    {-3, -0.24805148933466e-1},
    {-2, 0.36901534980333},
    {-1, -0.31161318213925e1},
    {2, -0.32961626538917},
});
static_assert(kRegion5Ideal.size() == 6);

// IAPWS-IF97 (revised release 2007), region 5 residual part, Eq. 34, Table 38.
inline constexpr auto kRegion5Residual = std::to_array<IJn>({
    {1, 1, 0.15736404855259e-2},
    {1, 2, 0.90153761673944e-3},
    {1, 3, -0.50270077677648e-2},
    {2, 3, 0.22440037409485e-5},
    {2, 9, -0.41163275453471e-5},
    {3, 7, 0.37919454822955e-7},
});
static_assert(kRegion5Residual.size() == 6);

// gamma of region 5, ideal-gas and residual parts, with the derivatives of Want.
template <unsigned Want>
Derivatives gamma5(double pi, double tau) {
    Derivatives g = derivative_sum<kRegion5Residual, Want>(pi, tau);
    add_ideal_gas<kRegion5Ideal, Want>(g, pi, tau);
    return g;
}

// The Point of extent E.
template <Extent E>
Point evaluate(double p, double T) {
    const double pi = p;
    const double tau = 1000.0 / T;
    constexpr unsigned want = E == Extent::vhs ? kVolumeHeatSet : E == Extent::newton ? kNewtonSet : kAllDerivatives;
    const Derivatives g = gamma5<want>(pi, tau);
    if constexpr (E == Extent::vhs) return vhs_from_gibbs(p, T, pi, tau, g);
    return point_from_gibbs(p, T, pi, tau, g, E);
}

}  // namespace

// One function per extent: each sum compiles best on its own.
Point region5(double p, double T) { return evaluate<Extent::whole>(p, T); }
Point region5_newton(double p, double T) { return evaluate<Extent::newton>(p, T); }
Point region5_vhs(double p, double T) { return evaluate<Extent::vhs>(p, T); }

Thermal region5_thermal(double p, double T) {
    const double tau = 1000.0 / T;
    Derivatives g = derivative_sum<kRegion5Residual, kThermalSet>(p, tau);
    add_ideal_gas<kRegion5Ideal>(g, p, tau);
    return thermal_from_gibbs(T, tau, g);
}

}  // namespace entalix::if97
