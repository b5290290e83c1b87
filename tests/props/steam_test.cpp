// Superheated steam against the published figures, the consistency of its
// equations as derivatives of one Gibbs function, and where they end.
#include "props/steam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <optional>

#include "props/property_error.h"
#include "props/saturation.h"
#include "props/units.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

using testing::matches_printed;
using testing::Printed;

SteamState steam_mpa(double p_mpa, double t) {
    SteamState state;
    ifc_pt_steam(state, p_mpa / kMPaPerAt, t);
    state.h *= kKJPerKcal;
    state.s *= kKJPerKcal;
    return state;
}

struct SteamFigure {
    double p_mpa;
    double t;
    std::optional<Printed> v;
    Printed h;
    std::optional<Printed> s;
};
void PrintTo(const SteamFigure& f, std::ostream* os) { *os << f.p_mpa << " MPa, " << f.t << " degC"; }

class SteamFigures : public ::testing::TestWithParam<SteamFigure> {};

TEST_P(SteamFigures, VolumeEnthalpyEntropyToEveryPrintedDigit) {
    const SteamFigure& f = GetParam();
    const SteamState state = steam_mpa(f.p_mpa, f.t);
    if (f.v) {
        EXPECT_TRUE(matches_printed(state.v, *f.v)) << "v";
    }
    EXPECT_TRUE(matches_printed(state.h, f.h)) << "h";
    if (f.s) {
        EXPECT_TRUE(matches_printed(state.s, *f.s)) << "s";
    }
    EXPECT_EQ(state.x, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Published, SteamFigures,
    ::testing::Values(
        SteamFigure{1.0, 300.0, Printed{0.25797447, 8}, {3052.1431, 4}, Printed{7.125141, 6}},
        SteamFigure{0.1, 100.0, Printed{1.6955231, 7}, {2676.1804, 4}, Printed{7.361818, 6}},
        SteamFigure{0.0035, 426.85, Printed{92.29775, 5}, {3335.2735, 4}, Printed{10.173887, 6}},
        SteamFigure{5.0, 500.0, Printed{0.068493275, 9}, {3433.6607, 4}, Printed{6.977015, 6}},
        // The L-function term and the mu = 6 .. 8 terms all active.
        SteamFigure{10.0, 400.0, Printed{0.026407987, 9}, {3099.9249, 4}, Printed{6.218176, 6}},
        SteamFigure{10.0, 320.0, std::nullopt, {2783.4700, 4}, Printed{5.714517, 6}},
        // Below the saturation temperature (179.88 degC): the metastable vapour.
        SteamFigure{1.0, 150.0, Printed{0.17550924, 8}, {2694.1265, 4}, std::nullopt}));

// Reduced properties of a state: chi, epsilon and sigma.
struct Reduced {
    double chi, eps, sigma;
};
Reduced reduced_at(double beta, double theta) {
    SteamState state;
    ifc_pt_steam(state, beta * kPc, theta * kTc - kKelvinOffset);
    return {state.v / kVc, state.h / kPcVc, state.s / kPcVcOverTc};
}

// d(eps) = theta d(sigma) + chi d(beta): the volume, enthalpy and entropy are the
// derivatives of one Gibbs function. A wrong exponent or coefficient in one of the
// three breaks this, even where a handful of figures would not notice.
TEST(Steam, EnthalpyEntropyAndVolumeAreConsistent) {
    int checked = 0;
    for (double p_mpa : {0.002, 0.05, 0.3, 1.0, 1.7, 3.0, 6.0, 10.0, 14.0, 19.0}) {
        const double ts = pswsat_t(p_mpa);
        for (double t : {ts + 2.0, ts + 30.0, 350.0, 480.0, 620.0, 800.0}) {
            if (t <= ts) continue;
            const double beta = p_mpa / kMPaPerAt / kPc;
            const double theta = (t + kKelvinOffset) / kTc;
            const double dth = 1e-5;
            const double dbe = 1e-5 * beta;
            const Reduced c = reduced_at(beta, theta);
            const Reduced tp = reduced_at(beta, theta + dth), tm = reduced_at(beta, theta - dth);
            const Reduced bp = reduced_at(beta + dbe, theta), bm = reduced_at(beta - dbe, theta);
            // Along an isobar: d(eps)/d(theta) = theta d(sigma)/d(theta), the heat capacity.
            const double cp = (tp.eps - tm.eps) / (2 * dth);
            EXPECT_NEAR(cp, theta * (tp.sigma - tm.sigma) / (2 * dth), 1e-6 * std::fabs(cp))
                << p_mpa << " MPa, " << t << " degC";
            // Along an isotherm: d(eps)/d(beta) = theta d(sigma)/d(beta) + chi.
            const double deps = (bp.eps - bm.eps) / (2 * dbe);
            const double rhs = theta * (bp.sigma - bm.sigma) / (2 * dbe) + c.chi;
            EXPECT_NEAR(deps, rhs, 1e-6 * std::fabs(c.chi)) << p_mpa << " MPa, " << t << " degC";
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

// Below beta = 0.005 the mu = 6 .. 8 terms leave enthalpy and entropy, below
// beta = 0.1 the L-function term leaves all three: neither step may show.
TEST(Steam, NoVisibleStepAtTheSmallTermThresholds) {
    for (double beta_edge : {0.005, 0.1}) {
        const double p_at = beta_edge * kPc;
        const double below = std::nextafter(p_at, 0.0);
        for (double t = pswsat_t(p_at * kMPaPerAt) + 0.1; t <= 800.0; t += 25.0) {
            SteamState lo, hi;
            ifc_pt_steam(lo, below, t);
            ifc_pt_steam(hi, p_at, t);
            EXPECT_LT(std::fabs(hi.h - lo.h) * kKJPerKcal, 2e-6) << beta_edge << ", " << t;
            EXPECT_LT(std::fabs(hi.s - lo.s) * kKJPerKcal, 1e-8) << beta_edge << ", " << t;
            EXPECT_LT(std::fabs(hi.v - lo.v), 1e-9 * hi.v) << beta_edge << ", " << t;
        }
    }
}

TEST(Steam, RecordsArgumentsAndDrynessOne) {
    SteamState state{9, 9, 9, 9, 9, 9};
    ifc_pt_steam(state, 3.5, 50.0);
    EXPECT_EQ(state.p, 3.5);
    EXPECT_EQ(state.t, 50.0);
    EXPECT_EQ(state.x, 1.0);
}

TEST(Steam, NonPositivePressureOrTemperatureFails) {
    SteamState state;
    EXPECT_THROW(ifc_pt_steam(state, 0.0, 300.0), PropertyError);
    EXPECT_THROW(ifc_pt_steam(state, -1.0, 300.0), PropertyError);
    EXPECT_THROW(ifc_pt_steam(state, 10.0, -kKelvinOffset), PropertyError);
    EXPECT_THROW(ifc_pt_steam(state, 10.0, -300.0), PropertyError);
    // Beyond the L-function and far above the tables the equations still hold.
    EXPECT_NO_THROW(ifc_pt_steam(state, 10.0, 1500.0));
}

TEST(Steam, NonFiniteValuesFail) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    SteamState state;
    for (double bad : {nan, inf, -inf}) {
        EXPECT_THROW(ifc_pt_steam(state, bad, 300.0), PropertyError);
        EXPECT_THROW(ifc_pt_steam(state, 10.0, bad), PropertyError);
    }
    EXPECT_THROW(ifc_pt_steam(state, 1e-307, 300.0), PropertyError);  // I1 theta/beta overflows
    EXPECT_THROW(ifc_pt_steam(state, 1e60, 300.0), PropertyError);     // beta^6 overflows
}

}  // namespace
}  // namespace entalix::props
