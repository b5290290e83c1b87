// States from (p, h) and (p, s): the published figures, the region boundaries,
// round trips through the forward equations, and the searches' failures.
#include "props/inverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "props/iteration.h"
#include "props/property_error.h"
#include "props/saturation.h"
#include "props/steam.h"
#include "props/units.h"
#include "props/water.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

using testing::matches_printed;
using testing::Printed;

// ifc_ph and ifc_ps in public units; the record comes back in public units too.
SteamState ph_mpa(double p_mpa, double h_kj) {
    SteamState state;
    ifc_ph(state, p_mpa / kMPaPerAt, h_kj / kKJPerKcal);
    state.h *= kKJPerKcal;
    state.s *= kKJPerKcal;
    return state;
}
SteamState ps_mpa(double p_mpa, double s_kj) {
    SteamState state;
    ifc_ps(state, p_mpa / kMPaPerAt, s_kj / kKJPerKcal);
    state.h *= kKJPerKcal;
    state.s *= kKJPerKcal;
    return state;
}

TEST(InversePH, PublishedFigures) {
    const SteamState water = ph_mpa(1.0, 500.0);
    EXPECT_TRUE(matches_printed(water.t, {118.9904, 4}));
    EXPECT_TRUE(matches_printed(water.s, {1.515955, 6}));
    EXPECT_EQ(water.x, 0.0);

    const SteamState wet = ph_mpa(1.0, 1500.0);
    EXPECT_TRUE(matches_printed(wet.t, {179.8847, 4}));
    EXPECT_TRUE(matches_printed(wet.x, {0.366214, 6}));
    EXPECT_TRUE(matches_printed(wet.s, {3.765860, 6}));
    EXPECT_TRUE(matches_printed(wet.v, {0.0718669, 7}));

    const SteamState steam = ph_mpa(1.0, 3051.0);
    EXPECT_TRUE(matches_printed(steam.t, {299.4664, 4}));
    EXPECT_TRUE(matches_printed(steam.s, {7.123142, 6}));
    EXPECT_EQ(steam.x, 1.0);

    const SteamState hot = ph_mpa(10.0, 3500.0);
    EXPECT_TRUE(matches_printed(hot.t, {550.0635, 4}));
    EXPECT_TRUE(matches_printed(hot.s, {6.756627, 6}));

    const SteamState nearly_dry = ph_mpa(0.1, 2675.0);
    EXPECT_TRUE(matches_printed(nearly_dry.x, {0.999808, 6}));
    EXPECT_TRUE(matches_printed(nearly_dry.t, {99.6319, 4}));
}

TEST(InversePS, PublishedFigures) {
    const SteamState water = ps_mpa(1.0, 1.0);
    EXPECT_TRUE(matches_printed(water.t, {73.7704, 4}));
    EXPECT_TRUE(matches_printed(water.h, {309.5567, 4}));
    // Compressed water keeps its evaluated entropy, within tolerance of the given one.
    EXPECT_TRUE(matches_printed(water.s, {1.000007, 6}));

    const SteamState wet = ps_mpa(1.0, 5.0);
    EXPECT_TRUE(matches_printed(wet.x, {0.643883, 6}));
    EXPECT_TRUE(matches_printed(wet.h, {2059.1043, 4}));
    EXPECT_TRUE(matches_printed(wet.t, {179.8847, 4}));

    const SteamState steam = ps_mpa(1.0, 7.5);
    EXPECT_TRUE(matches_printed(steam.t, {410.6983, 4}));
    EXPECT_TRUE(matches_printed(steam.h, {3287.1003, 4}));

    const SteamState low = ps_mpa(0.01, 8.5);
    EXPECT_TRUE(matches_printed(low.t, {110.2165, 4}));
    EXPECT_TRUE(matches_printed(low.h, {2706.9797, 4}));
}

// What each branch records: the given value where the table says so, else the
// last evaluation or the lever rule.
TEST(InversePH, StoresGivenEnthalpyAndComputedEntropy) {
    const double p = 10.0;
    for (double h : {100.0, 400.0, 600.0, 700.0}) {  // water, wet, wet, steam (kcal/kg)
        SteamState state;
        ifc_ph(state, p, h);
        EXPECT_EQ(state.p, p);
        EXPECT_EQ(state.h, h);
        SteamState forward;
        if (state.x == 0.0) {
            ifc_pt_water(forward, p, state.t);
        } else if (state.x == 1.0) {
            ifc_pt_steam(forward, p, state.t);
        } else {
            continue;
        }
        EXPECT_EQ(state.s, forward.s) << h;
        EXPECT_EQ(state.v, forward.v) << h;
    }
}

TEST(InversePS, StoresGivenEntropyExceptForWater) {
    const double p = 10.0;
    for (double s : {0.3, 1.0, 1.8}) {  // water, wet, steam (kcal/(kg K))
        SteamState state;
        ifc_ps(state, p, s);
        EXPECT_EQ(state.p, p);
        if (state.x == 0.0) {
            SteamState forward;
            ifc_pt_water(forward, p, state.t);
            EXPECT_EQ(state.s, forward.s);
            EXPECT_EQ(state.h, forward.h);
            EXPECT_NE(state.s, s);
        } else {
            EXPECT_EQ(state.s, s);
        }
    }
}

// The region test: equal to the saturated liquid is water, equal to the saturated
// vapour is wet steam with x = 1 exactly, anything above it superheated.
struct Boundary {
    const char* name;
    void (*inverse)(SteamState&, double, double);
    double SteamState::*member;
};
void PrintTo(const Boundary& b, std::ostream* os) { *os << b.name; }

class RegionBoundaries : public ::testing::TestWithParam<Boundary> {};

TEST_P(RegionBoundaries, SaturatedEndsFallOnTheirSide) {
    const Boundary& b = GetParam();
    // At most 140 at (13.7 MPa): closer to the critical point the water search
    // from h' may diverge (InverseFailures below).
    for (double p : {0.05, 1.0, 10.0, 100.0, 140.0}) {
        const double ts = ifc_sat_t(p);
        SteamState liquid, vapour, state;
        ifc_pt_water(liquid, p, ts);
        ifc_pt_steam(vapour, p, ts);
        const double y_liquid = liquid.*b.member;
        const double y_vapour = vapour.*b.member;

        b.inverse(state, p, y_liquid);
        EXPECT_EQ(state.x, 0.0) << p;
        EXPECT_NEAR(state.t, ts, 0.01) << p;

        b.inverse(state, p, std::nextafter(y_liquid, y_vapour));
        EXPECT_GT(state.x, 0.0) << p;
        EXPECT_LT(state.x, 1e-12) << p;
        EXPECT_EQ(state.t, ts) << p;

        b.inverse(state, p, y_vapour);
        EXPECT_EQ(state.x, 1.0) << p;
        EXPECT_EQ(state.t, ts) << p;
        EXPECT_NEAR(state.v, vapour.v, 1e-12 * vapour.v) << p;

        b.inverse(state, p, std::nextafter(y_vapour, 1e9));
        EXPECT_EQ(state.x, 1.0) << p;
        EXPECT_NEAR(state.t, ts, 0.02) << p;
    }
}

INSTANTIATE_TEST_SUITE_P(Both, RegionBoundaries,
                         ::testing::Values(Boundary{"ph", ifc_ph, &SteamState::h},
                                           Boundary{"ps", ifc_ps, &SteamState::s}),
                         [](const auto& info) { return std::string(info.param.name); });

// Round trips: the inverse of a forward evaluation gives its temperature back,
// within what the search tolerance allows (about 0.001 kcal/kg / cp for water,
// 0.005 kcal/kg / cp for steam, T ds / cp for the entropy searches).
TEST(RoundTrips, CompressedWater) {
    int n = 0;
    for (double p_mpa = 0.001; p_mpa <= 14.0; p_mpa *= 1.6) {
        const double p = p_mpa / kMPaPerAt;
        const double ts = ifc_sat_t(p);
        for (double t = 1.0; t < ts - 0.05; t += 7.3) {
            SteamState forward, back;
            ifc_pt_water(forward, p, t);
            ifc_ph(back, p, forward.h);
            EXPECT_NEAR(back.t, t, 2e-3) << "ph " << p_mpa << " MPa, " << t << " degC";
            EXPECT_EQ(back.x, 0.0);
            ifc_ps(back, p, forward.s);
            EXPECT_NEAR(back.t, t, 5e-3) << "ps " << p_mpa << " MPa, " << t << " degC";
            ++n;
        }
    }
    EXPECT_GT(n, 300);
}

TEST(RoundTrips, SuperheatedSteam) {
    int n = 0;
    for (double p_mpa = 0.001; p_mpa <= 19.7; p_mpa *= 1.25) {
        const double p = p_mpa / kMPaPerAt;
        const double ts = ifc_sat_t(p);
        for (double t = ts + 0.3; t <= 800.0; t += 3.1) {
            SteamState forward, back;
            ifc_pt_steam(forward, p, t);
            ifc_ph(back, p, forward.h);
            EXPECT_NEAR(back.t, t, 0.02) << "ph " << p_mpa << " MPa, " << t << " degC";
            EXPECT_EQ(back.x, 1.0);
            ifc_ps(back, p, forward.s);
            EXPECT_NEAR(back.t, t, 5e-3) << "ps " << p_mpa << " MPa, " << t << " degC";
            ++n;
        }
    }
    EXPECT_GT(n, 4000);
}

// States where the correlation-and-secant search goes astray: it leaves the domain
// of the guess or of the equations, repeats itself without end, finds two points
// of equal value, or settles on the second root of the subregion 2 equations some
// 3400 K too high. Each still gives the physical state. (p in at, y in kcal, t in degC.)
struct Astray {
    const char* what;
    void (*inverse)(SteamState&, double, double);
    double p;
    double y;
    double t;
};
void PrintTo(const Astray& a, std::ostream* os) { *os << a.what; }

class AstraySearch : public ::testing::TestWithParam<Astray> {};

TEST_P(AstraySearch, StillFindsThePhysicalState) {
    const Astray& a = GetParam();
    SteamState state;
    a.inverse(state, a.p, a.y);
    EXPECT_NEAR(state.t, a.t, 0.02);
    EXPECT_EQ(state.x, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Superheated, AstraySearch,
    ::testing::Values(
        Astray{"ph_root_guess", ifc_ph, 39.071922882024211, 672.93165094257699, 252.28715256557192},
        Astray{"ph_log_theta", ifc_ph, 39.462642110844449, 672.27235747612281, 252.13167993763949},
        Astray{"ph_second_root", ifc_ph, 52.141632550997286, 706.53280862442114, 311.61561830778084},
        Astray{"ph_second_root_high_p", ifc_ph, 74.602620179469554, 722.13582538228809,
               354.33336216027084},
        Astray{"ph_endless", ifc_ph, 148.22753006185533, 752.07488488588626, 444.0131409809552},
        Astray{"ps_second_root", ifc_ps, 10.197162129779283, 2.3949494188481579,
               1728.7547056541644},
        Astray{"ps_log_theta", ifc_ps, 11.264010904959436, 2.3736821632736209, 1692.0536404554962},
        Astray{"ps_endless", ifc_ps, 21.294183113227717, 2.3128046588243123, 1725.3280894135596},
        Astray{"ps_flat_secant", ifc_ps, 34.67434769127221, 2.2506187872413248, 1695.4076772046055},
        Astray{"ps_overflow", ifc_ps, 126.41158928107609, 2.117130762368153, 1728.755652435784},
        Astray{"ps_guess_overflow", ifc_ps, 145.30686213298239, 2.1017734697143444,
               1728.9218310115007}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(InverseFailures, PressuresAboveTheLiquidEndFail) {
    // The saturated liquid fails from 19.747 MPa (201.36 at): no region test.
    for (double p_mpa : {19.75, 20.0, 25.0}) {
        EXPECT_THROW(ph_mpa(p_mpa, 1000.0), PropertyError) << p_mpa;
        EXPECT_THROW(ph_mpa(p_mpa, 3000.0), PropertyError) << p_mpa;
        EXPECT_THROW(ps_mpa(p_mpa, 2.0), PropertyError) << p_mpa;
        EXPECT_THROW(ps_mpa(p_mpa, 6.0), PropertyError) << p_mpa;
    }
    EXPECT_NO_THROW(ph_mpa(19.74, 3000.0));
}

TEST(InverseFailures, BeyondTheSuperheatedEquationsFails) {
    // Above the enthalpy peak of the equations near 2612 degC there is no state.
    EXPECT_THROW(ph_mpa(1.0, 9000.0), PropertyError);
    EXPECT_THROW(ps_mpa(1.0, 13.0), PropertyError);
}

// Compressed water close to saturation at high pressure: the search assumes
// cp = 1 kcal/(kg K) and overshoots more than it corrects where cp passes 2.
TEST(InverseFailures, WaterSearchDivergesNearSaturationAtHighPressure) {
    const double p = 16.0 / kMPaPerAt;
    SteamState forward, state;
    ifc_pt_water(forward, p, ifc_sat_t(p) - 2.0);
    EXPECT_THROW(ifc_ph(state, p, forward.h), PropertyError);
}

TEST(InverseFailures, NonFiniteValuesFail) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    SteamState state;
    for (double bad : {nan, inf, -inf}) {
        EXPECT_THROW(ifc_ph(state, bad, 500.0), PropertyError);
        EXPECT_THROW(ifc_ph(state, 10.0, bad), PropertyError);
        EXPECT_THROW(ifc_ps(state, bad, 1.0), PropertyError);
        EXPECT_THROW(ifc_ps(state, 10.0, bad), PropertyError);
    }
    EXPECT_THROW(ifc_ph(state, 0.0, 500.0), PropertyError);
    EXPECT_THROW(ifc_ps(state, -1.0, 1.0), PropertyError);
}

// The searches themselves, on made-up properties.
SteamState with_h(double t, double h) {
    SteamState state;
    state.t = t;
    state.h = h;
    return state;
}

TEST(Searches, SecantThroughTwoEqualValuesFails) {
    EXPECT_THROW(secant_step(1.0, 5.0, 2.0, 5.0, 7.0), PropertyError);
    EXPECT_DOUBLE_EQ(secant_step(1.0, 5.0, 2.0, 6.0, 7.0), 3.0);
}

TEST(Searches, EachStopsAtItsCorrectionLimit) {
    int evaluations = 0;
    // A property that never comes within tolerance of the target, whatever the argument.
    const auto never = [&](double t) {
        ++evaluations;
        return with_h(t, (evaluations % 2 == 0) ? 1.0 : -1.0);
    };
    EXPECT_THROW(fixed_gain_search(never, 0.0, 0.0, &SteamState::h, 1.0, 0.5), PropertyError);
    EXPECT_EQ(evaluations, kMaxCorrections + 1);

    // Values of alternating sign: every secant step halves the guess interval,
    // and the guesses settle while the values never do.
    evaluations = 0;
    EXPECT_THROW(relaxed_secant_search(never, 0.0, with_h(0.0, 1.0), 0.0, &SteamState::h, 1.0, 0.5),
                 PropertyError);
    EXPECT_EQ(evaluations, kMaxCorrections);

    evaluations = 0;
    const auto step = [&](double t) {
        ++evaluations;
        return with_h(t, t < 1.0 ? -1.0 : 1.0);  // jumps across the target
    };
    EXPECT_THROW(bracketed_search(step, 0.0, -1.0, 2.0, 1.0, 0.0, &SteamState::h, 0.5),
                 PropertyError);
    EXPECT_EQ(evaluations, kMaxCorrections + 1);
}

TEST(Searches, BracketFindsTheRootInsideItsEnds) {
    // A property with a second root outside the bracket, as the steam equations have.
    const auto hump = [](double t) { return with_h(t, t * (4.0 - t)); };
    const SteamState found = bracketed_search(hump, 0.0, 0.0, 2.0, 4.0, 3.0, &SteamState::h, 1e-12);
    EXPECT_NEAR(found.t, 1.0, 1e-9);
    EXPECT_THROW(bracketed_search(hump, 0.0, 0.0, 2.0, 4.0, 5.0, &SteamState::h, 1e-12),
                 PropertyError);
}

}  // namespace
}  // namespace entalix::props
