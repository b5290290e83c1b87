// Compressed water against the published figures, and where its equations end.
#include "ifc67/water.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "base/property_error.h"
#include "ifc67/saturation.h"
#include "ifc67/units.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

// The state in public units: p in MPa, h in kJ/kg, s in kJ/(kg K).
SteamState water(double p_mpa, double t) {
    SteamState state;
    ifc_pt_water(state, p_mpa / kMPaPerAt, t);
    return {state.p, state.t, state.v, state.h * kKJPerKcal, state.s * kKJPerKcal, state.x};
}

TEST(Water, PublishedFigures) {
    const double triple = ifc_pswsat_p(0.01);
    testing::expect_figures({
        {"triple-point pressure", [&] { return triple; }, 0.00061124, 8},
        {"v at the triple point", [&] { return water(triple, 0.01).v; }, 0.00100023, 8, true},
        {"h at the triple point: u = 0", [&] { return water(triple, 0.01).h; }, 0.000611, 6},
        {"s at the triple point", [&] { return water(triple, 0.01).s; }, 0.0, 6},
        {"v 1 MPa 100 C", [] { return water(1, 100).v; }, 0.00104324, 8},
        {"h 1 MPa 100 C", [] { return water(1, 100).h; }, 419.739, 3},
        {"s 1 MPa 100 C", [] { return water(1, 100).s; }, 1.30616, 5},
        {"v 10 MPa 200 C", [] { return water(10, 200).v; }, 0.00114801, 8},
        {"h 10 MPa 200 C", [] { return water(10, 200).h; }, 855.925, 3},
        {"s 10 MPa 200 C", [] { return water(10, 200).s; }, 2.31761, 5},
        {"v 1 atm 20 C", [] { return water(0.101325, 20).v; }, 0.00100169, 8, true},
        {"h 1 atm 20 C", [] { return water(0.101325, 20).h; }, 83.9548, 4},
        {"s 1 atm 20 C", [] { return water(0.101325, 20).s; }, 0.296277, 6},
        {"v 20 MPa 300 C", [] { return water(20, 300).v; }, 0.00136061, 8},
        {"h 20 MPa 300 C", [] { return water(20, 300).h; }, 1334.26, 2},
        {"s 20 MPa 300 C", [] { return water(20, 300).s; }, 3.20885, 5},
        {"s 1 atm 0 C, below zero", [] { return water(0.101325, 0).s; }, -0.00014597, 8},
    });
    EXPECT_EQ(water(0.1, 150).x, 0.0);  // above saturation too: the caller picks the region
}

// Whole powers of negative bases are ordinary numbers: (a6 - theta) turns negative
// above about 150 degC, beta for a liquid under tension.
TEST(Water, WholePowersOfNegativeBasesEvaluate) {
    EXPECT_NO_THROW(water(5, 250));
    EXPECT_NEAR(water(-0.01, 20).v, water(0.01, 20).v, 1e-8);
}

TEST(Water, FailsWhereItsEquationsEnd) {
    const auto message = [](double p_at, double t) -> std::string {
        try {
            SteamState state;
            ifc_pt_water(state, p_at, t);
        } catch (const PropertyError& e) {
            return e.what();
        }
        return "no failure";
    };
    // The radicand of Z turns negative towards the critical point.
    EXPECT_NE(message(0.1 / kMPaPerAt, 330).find("radicand"), std::string::npos);
    EXPECT_NO_THROW(water(0.1, 323));
    EXPECT_THROW(water(0.1, 325), PropertyError);
    EXPECT_NO_THROW(water(20, 364));
    EXPECT_THROW(water(20, 366), PropertyError);
    // beta = -5, theta = 1.5 keep the radicand positive but make Z negative.
    EXPECT_NE(message(-5 * kPc, 1.5 * kTc - kKelvinOffset).find("fractional"), std::string::npos);
    EXPECT_NE(message(1, -kKelvinOffset).find("not finite"), std::string::npos);  // theta = 0
    EXPECT_THROW(water(1e80, 20), PropertyError);                                 // beta^4 overflows
    EXPECT_THROW(water(1, 1e20), PropertyError);                                  // theta^21 overflows
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(water(bad, 20), PropertyError);
        EXPECT_THROW(water(1, -bad), PropertyError);
    }
}

}  // namespace
}  // namespace entalix::props
