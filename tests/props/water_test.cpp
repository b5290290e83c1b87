// Compressed water against the published figures, and where its equations end.
#include "props/water.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "props/property_error.h"
#include "props/saturation.h"
#include "props/units.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

using testing::matches_printed;
using testing::Printed;
using testing::within_one_unit;

// The state in public units: p in MPa, h in kJ/kg, s in kJ/(kg K).
SteamState water_mpa(double p_mpa, double t) {
    SteamState state;
    ifc_pt_water(state, p_mpa / kMPaPerAt, t);
    state.h *= kKJPerKcal;
    state.s *= kKJPerKcal;
    return state;
}

struct WaterFigure {
    double p_mpa;
    double t;
    Printed v;
    Printed h;
    Printed s;
};
void PrintTo(const WaterFigure& f, std::ostream* os) { *os << f.p_mpa << " MPa, " << f.t << " degC"; }

class WaterFigures : public ::testing::TestWithParam<WaterFigure> {};

TEST_P(WaterFigures, VolumeEnthalpyEntropyToEveryPrintedDigit) {
    const WaterFigure& f = GetParam();
    const SteamState state = water_mpa(f.p_mpa, f.t);
    EXPECT_TRUE(matches_printed(state.v, f.v)) << "v";
    EXPECT_TRUE(matches_printed(state.h, f.h)) << "h";
    EXPECT_TRUE(matches_printed(state.s, f.s)) << "s";
}

INSTANTIATE_TEST_SUITE_P(
    Published, WaterFigures,
    ::testing::Values(WaterFigure{1.0, 100.0, {0.00104324, 8}, {419.739, 3}, {1.30616, 5}},
                      WaterFigure{10.0, 200.0, {0.00114801, 8}, {855.925, 3}, {2.31761, 5}},
                      WaterFigure{20.0, 300.0, {0.00136061, 8}, {1334.26, 2}, {3.20885, 5}}));

TEST(Water, TriplePointHasZeroInternalEnergyAndEntropy) {
    const double p = pswsat_p(0.01);
    EXPECT_TRUE(matches_printed(p, {0.00061124, 8}));
    const SteamState state = water_mpa(p, 0.01);
    // The standard's constants give 0.0010002235: one unit off the printed 0.00100023.
    EXPECT_TRUE(within_one_unit(state.v, {0.00100023, 8}));
    // h = u + pv with u = 0: just the flow work, 0.000611 kJ/kg.
    EXPECT_TRUE(matches_printed(state.h, {0.000611, 6}));
    EXPECT_LT(std::fabs(state.s), 1e-6);
}

TEST(Water, AtmosphericPressureFigures) {
    const SteamState at20 = water_mpa(0.101325, 20.0);
    EXPECT_TRUE(within_one_unit(at20.v, {0.00100169, 8}));  // 0.0010016795 from the standard
    EXPECT_TRUE(matches_printed(at20.h, {83.9548, 4}));
    EXPECT_TRUE(matches_printed(at20.s, {0.296277, 6}));
    // Just below the triple point the entropy is slightly negative; no failure.
    EXPECT_TRUE(matches_printed(water_mpa(0.101325, 0.0).s, {-0.00014597, 8}));
}

TEST(Water, RecordsArgumentsAndZeroDryness) {
    SteamState state{9, 9, 9, 9, 9, 9};
    ifc_pt_water(state, 12.5, 150.0);
    EXPECT_EQ(state.p, 12.5);
    EXPECT_EQ(state.t, 150.0);
    EXPECT_EQ(state.x, 0.0);
    // Above saturation too: the caller picks the region, the record says water.
    ifc_pt_water(state, 1.0, 150.0);
    EXPECT_EQ(state.x, 0.0);
}

// Whole powers of negative bases are ordinary numbers: (a6 - theta) turns negative
// above about 150 degC, and beta is negative for a liquid under tension.
TEST(Water, WholePowersOfNegativeBasesEvaluate) {
    EXPECT_NO_THROW(water_mpa(5.0, 250.0));
    const SteamState tension = water_mpa(-0.01, 20.0);
    const SteamState plain = water_mpa(0.01, 20.0);
    EXPECT_NEAR(tension.v, plain.v, 1e-8);
}

TEST(Water, NegativeRadicandTowardsTheCriticalPointFails) {
    try {
        water_mpa(0.1, 330.0);
        FAIL() << "no failure at 0.1 MPa, 330 degC";
    } catch (const PropertyError& e) {
        EXPECT_NE(std::string(e.what()).find("radicand"), std::string::npos) << e.what();
    }
    // The ends of the liquid equations along three isobars.
    EXPECT_NO_THROW(water_mpa(0.1, 323.0));
    EXPECT_THROW(water_mpa(0.1, 325.0), PropertyError);
    EXPECT_NO_THROW(water_mpa(10.0, 342.0));
    EXPECT_THROW(water_mpa(10.0, 344.0), PropertyError);
    EXPECT_NO_THROW(water_mpa(20.0, 364.0));
    EXPECT_THROW(water_mpa(20.0, 366.0), PropertyError);
}

// A large negative beta keeps the radicand positive but drives Z below zero.
TEST(Water, FractionalPowerOfNegativeZFails) {
    const double theta = 1.5;
    const double beta = -5.0;
    try {
        SteamState state;
        ifc_pt_water(state, beta * kPc, theta * kTc - kKelvinOffset);
        FAIL() << "no failure for Z < 0";
    } catch (const PropertyError& e) {
        EXPECT_NE(std::string(e.what()).find("fractional power"), std::string::npos) << e.what();
    }
}

TEST(Water, NonFiniteValuesFail) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    SteamState state;
    for (double bad : {nan, inf, -inf}) {
        EXPECT_THROW(ifc_pt_water(state, bad, 20.0), PropertyError);
        EXPECT_THROW(ifc_pt_water(state, 1.0, bad), PropertyError);
    }
    EXPECT_THROW(ifc_pt_water(state, 1.0, -kKelvinOffset), PropertyError);  // theta = 0
    EXPECT_THROW(ifc_pt_water(state, 1e80, 20.0), PropertyError);           // beta^4 overflows
    EXPECT_THROW(ifc_pt_water(state, 1.0, 1e20), PropertyError);            // theta^21 overflows
}

}  // namespace
}  // namespace entalix::props
