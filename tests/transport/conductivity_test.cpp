// The conductivity release's sample points: without the critical enhancement, and
// with its industrial form over IAPWS-IF97 states, to all printed digits.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "base/property_error.h"
#include "if97/regions.h"
#include "tests/if97/printed.h"
#include "transport/transport.h"

namespace entalix::transport {
namespace {

using if97::testing::expect_printed;

// What the release takes from IAPWS-IF97 at one of its points: the density, cp, cv,
// the slope of the density with pressure, and the viscosity at that density.
ConductivityState from_if97(const if97::Point& point) {
    const double rho = 1.0 / point.v;
    return {point.T, rho, point.cp, point.cv, rho * point.kappa_t, viscosity(point.T, rho)};
}

TEST(ThermalConductivity, WithoutCriticalEnhancement) {
    // Table 4, lambda2 = 0: a state given no susceptibility (d rho/d p = 0) has no
    // enhancement. T in K, rho in kg/m^3, lambda in mW/(m K).
    struct Row {
        double T, rho, lambda;
    };
    const Row rows[] = {{298.15, 0.0, 18.4341883},
                        {298.15, 998.0, 607.712868},
                        {298.15, 1200.0, 799.038144},
                        {873.15, 0.0, 79.1034659}};
    for (const Row& row : rows) {
        const ConductivityState state{row.T, row.rho, 4.0, 3.0, 0.0, 1e-3};
        expect_printed({{"lambda(" + std::to_string(row.T) + ", " + std::to_string(row.rho) + ")",
                         thermal_conductivity(state) * 1e3, row.lambda, 9}});
    }
}

TEST(ThermalConductivity, IndustrialCriticalEnhancementOverIf97) {
    // Tables 7 and 8: IAPWS-IF97 regions 1 and 2 at (p in MPa, T in K); lambda in mW/(m K).
    struct Row {
        if97::Point (*region)(double, double);
        double p, T, lambda;
    };
    const Row rows[] = {{if97::region1, 20.0, 620.0, 481.485195},
                        {if97::region1, 50.0, 620.0, 545.038940},
                        {if97::region2, 0.3, 650.0, 52.2311024},
                        {if97::region2, 50.0, 800.0, 177.709914}};
    for (const Row& row : rows)
        expect_printed({{"lambda(" + std::to_string(row.p) + " MPa, " + std::to_string(row.T) + " K)",
                         thermal_conductivity(from_if97(row.region(row.p, row.T))) * 1e3, row.lambda, 9}});
}

TEST(ThermalConductivity, NearTheCriticalPointOverIf97Region3) {
    // IAPWS-IF97 region 3 at 647.35 K, a quarter kelvin above the critical point,
    // where the enhancement is up to two thirds of the whole; lambda in mW/(m K)
    // as python3-iapws computes it from the same releases.
    struct Row {
        double rho, lambda;
    };
    const Row rows[] = {{222.0, 366.879411}, {272.0, 696.543552}, {322.0, 1241.82415},
                        {372.0, 625.811966}, {422.0, 448.675630}, {500.0, 416.697980}};
    for (const Row& row : rows)
        expect_printed({{"lambda(647.35 K, " + std::to_string(row.rho) + ")",
                         thermal_conductivity(from_if97(if97::region3(row.rho, 647.35))) * 1e3, row.lambda, 9}});
}

TEST(ThermalConductivity, RefusesWhatIsNoState) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ConductivityState good = from_if97(if97::region1(20.0, 620.0));
    ConductivityState bad[] = {good, good, good, good, good, good};
    bad[0].T = nan;
    bad[1].rho = -1.0;
    bad[2].drho_dp_T = nan;
    bad[3].mu = 0.0;   // the enhancement divides by it
    bad[4].cp = -1.0;  // cp < 0 is no stable state
    bad[5].T = 0.0;
    for (const ConductivityState& state : bad) EXPECT_THROW(thermal_conductivity(state), props::PropertyError);
}

}  // namespace
}  // namespace entalix::transport
