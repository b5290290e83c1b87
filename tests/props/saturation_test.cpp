// The saturation line against the published figures, and its failures.
#include "ifc67/saturation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/property_error.h"

namespace entalix::props {
namespace {

// Half a unit in the last printed digit.
double half_unit(int decimals) { return 0.5 * std::pow(10.0, -decimals); }

TEST(SaturationLine, PressureFromTemperatureMatchesTables) {
    EXPECT_NEAR(ifc_sat_p(100.0), 1.03322, half_unit(5));
    EXPECT_NEAR(ifc_pswsat_p(100.0), 0.1013247, half_unit(7));
    EXPECT_NEAR(ifc_pswsat_p(0.0), 0.0006108, half_unit(7));
}

TEST(SaturationLine, CriticalTemperatureGivesCriticalPressureExactly) {
    EXPECT_EQ(ifc_sat_p(374.15), 225.56);
    EXPECT_NEAR(ifc_pswsat_p(374.15), 22.11988, half_unit(5));
}

struct TemperatureCase {
    double p_mpa;
    double t_c;
};

class SaturationTemperature : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(SaturationTemperature, MatchesTableToFourDecimals) {
    EXPECT_NEAR(ifc_pswsat_t(GetParam().p_mpa), GetParam().t_c, half_unit(4));
}

INSTANTIATE_TEST_SUITE_P(Figures, SaturationTemperature,
                         ::testing::Values(TemperatureCase{0.101325, 100.0002}, TemperatureCase{0.1, 99.6319},
                                           TemperatureCase{1.0, 179.8847}, TemperatureCase{10.0, 310.9613},
                                           // Extrapolated beyond the critical point, no failure.
                                           TemperatureCase{25.0, 384.4764}));

TEST(SaturationLine, TemperatureInvertsPressureAcrossTheRange) {
    for (double t = 1.0; t <= 370.0; t += 7.3) {
        const double back = ifc_pswsat_t(ifc_pswsat_p(t));
        // The relative pressure tolerance 5e-6 allows a few thousandths of a kelvin.
        EXPECT_NEAR(back, t, 2e-3) << "t = " << t;
    }
}

TEST(SaturationLine, FailuresArePropertyErrors) {
    EXPECT_THROW(ifc_pswsat_t(0.0), PropertyError);
    EXPECT_THROW(ifc_pswsat_t(-1.0), PropertyError);
    EXPECT_THROW(ifc_pswsat_t(130.0), PropertyError);  // never meets its tolerance
    EXPECT_THROW(ifc_pswsat_t(1e-12), PropertyError);  // would need about 1200 corrections
    EXPECT_THROW(ifc_pswsat_t(200.0), PropertyError);  // overflows
    EXPECT_THROW(ifc_pswsat_p(-273.15), PropertyError);
    EXPECT_THROW(ifc_pswsat_p(-300.0), PropertyError);  // finite but meaningless below absolute zero
    EXPECT_THROW(ifc_pswsat_p(-1e6), PropertyError);
    EXPECT_THROW(ifc_pswsat_p(1e6), PropertyError);
}

TEST(SaturationLine, NonFiniteArgumentsFail) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf, -inf}) {
        EXPECT_THROW(ifc_pswsat_t(bad), PropertyError);
        EXPECT_THROW(ifc_pswsat_p(bad), PropertyError);
    }
}

TEST(SaturationLine, HighPressuresWithinTheLimitConverge) {
    EXPECT_NO_THROW(ifc_pswsat_t(100.0));  // about 109 corrections
    EXPECT_NO_THROW(ifc_pswsat_t(0.0001));
}

}  // namespace
}  // namespace entalix::props
