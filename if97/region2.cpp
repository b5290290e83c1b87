// Region 2, steam: from 273.15 K up to 1073.15 K, below the saturation line and
// below the B23 boundary.
#include "if97/gibbs.h"
#include "if97/gibbs_tables.h"

namespace entalix::if97 {

Point region2(double p, double T) {
    const double pi = p;
    const double tau = 540.0 / T;
    Derivatives g = derivative_sum<kRegion2Residual>(pi, tau - 0.5);
    add_ideal_gas<kRegion2Ideal>(g, pi, tau);
    return point_from_gibbs(p, T, pi, tau, g);
}

Point region2_vhs(double p, double T) {
    const double pi = p;
    const double tau = 540.0 / T;
    Derivatives g = derivative_sum<kRegion2Residual, kVolumeHeatSet>(pi, tau - 0.5);
    add_ideal_gas<kRegion2Ideal, kVolumeHeatSet>(g, pi, tau);
    return vhs_from_gibbs(p, T, pi, tau, g);
}

Thermal region2_thermal(double p, double T) {
    const double tau = 540.0 / T;
    Derivatives g = derivative_sum<kRegion2Residual, kThermalSet>(p, tau - 0.5);
    add_ideal_gas<kRegion2Ideal>(g, p, tau);
    return thermal_from_gibbs(T, tau, g);
}

}  // namespace entalix::if97
