// Region 1, compressed water: 273.15 K <= T <= 623.15 K, psat(T) <= p <= 100 MPa.
#include "if97/gibbs.h"
#include "if97/gibbs_tables.h"

namespace entalix::if97 {

Point region1(double p, double T) {
    const double pi = p / 16.53;
    const double tau = 1386.0 / T;
    const Derivatives d = derivative_sum<kRegion1>(7.1 - pi, tau - 1.222);
    // The equation is written in (7.1 - pi): its pi-derivatives change sign once.
    const Derivatives g{d.f, -d.fa, d.faa, d.fb, d.fbb, -d.fab};
    return point_from_gibbs(p, T, pi, tau, g);
}

Point region1_vhs(double p, double T) {
    const double pi = p / 16.53;
    const double tau = 1386.0 / T;
    const Derivatives d = derivative_sum<kRegion1, kVolumeHeatSet>(7.1 - pi, tau - 1.222);
    return vhs_from_gibbs(p, T, pi, tau, {d.f, -d.fa, 0.0, d.fb, 0.0, 0.0});
}

Thermal region1_thermal(double p, double T) {
    const double tau = 1386.0 / T;
    return thermal_from_gibbs(T, tau, derivative_sum<kRegion1, kThermalSet>(7.1 - p / 16.53, tau - 1.222));
}

}  // namespace entalix::if97
