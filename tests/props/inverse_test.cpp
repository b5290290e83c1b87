// States from (p, h) and (p, s): the published figures, the region boundaries,
// round trips through the forward equations, and the searches' failures.
#include "ifc67/inverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/property_error.h"
#include "ifc67/iteration.h"
#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "ifc67/water.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

using Inverse = void (*)(SteamState&, double, double);

// ifc_ph or ifc_ps in public units (MPa, kJ), the record back in public units.
SteamState solve(Inverse inverse, double p_mpa, double y_kj) {
    SteamState s;
    inverse(s, p_mpa / kMPaPerAt, y_kj / kKJPerKcal);
    return {s.p, s.t, s.v, s.h * kKJPerKcal, s.s * kKJPerKcal, s.x};
}
SteamState ph(double p, double h) { return solve(ifc_ph, p, h); }
SteamState ps(double p, double s) { return solve(ifc_ps, p, s); }

TEST(Inverse, PublishedFigures) {
    testing::expect_figures({
        {"ph water t", [] { return ph(1, 500).t; }, 118.9904, 4},
        {"ph water s", [] { return ph(1, 500).s; }, 1.515955, 6},
        {"ph water x", [] { return ph(1, 500).x; }, 0.0, 12},
        {"ph wet t", [] { return ph(1, 1500).t; }, 179.8847, 4},
        {"ph wet x", [] { return ph(1, 1500).x; }, 0.366214, 6},
        {"ph wet s", [] { return ph(1, 1500).s; }, 3.765860, 6},
        {"ph wet v", [] { return ph(1, 1500).v; }, 0.0718669, 7},
        {"ph steam t", [] { return ph(1, 3051).t; }, 299.4664, 4},
        {"ph steam s", [] { return ph(1, 3051).s; }, 7.123142, 6},
        {"ph steam x", [] { return ph(1, 3051).x; }, 1.0, 12},
        {"ph 10 MPa t", [] { return ph(10, 3500).t; }, 550.0635, 4},
        {"ph 10 MPa s", [] { return ph(10, 3500).s; }, 6.756627, 6},
        {"ph nearly dry x", [] { return ph(0.1, 2675).x; }, 0.999808, 6},
        {"ph nearly dry t", [] { return ph(0.1, 2675).t; }, 99.6319, 4},
        {"ps water t", [] { return ps(1, 1).t; }, 73.7704, 4},
        {"ps water h", [] { return ps(1, 1).h; }, 309.5567, 4},
        // Compressed water keeps its evaluated entropy, not the given one.
        {"ps water s", [] { return ps(1, 1).s; }, 1.000007, 6},
        {"ps wet x", [] { return ps(1, 5).x; }, 0.643883, 6},
        {"ps wet h", [] { return ps(1, 5).h; }, 2059.1043, 4},
        {"ps wet t", [] { return ps(1, 5).t; }, 179.8847, 4},
        {"ps steam t", [] { return ps(1, 7.5).t; }, 410.6983, 4},
        {"ps steam h", [] { return ps(1, 7.5).h; }, 3287.1003, 4},
        {"ps 10 kPa t", [] { return ps(0.01, 8.5).t; }, 110.2165, 4},
        {"ps 10 kPa h", [] { return ps(0.01, 8.5).h; }, 2706.9797, 4},
    });
}

// Equal to the saturated liquid is water; equal to the saturated vapour is wet
// steam with x = 1 exactly; anything above, superheated. The given value is kept
// everywhere but in compressed water from (p, s).
TEST(Inverse, RegionBoundaries) {
    struct Side {
        Inverse inverse;
        double SteamState::*member;
    };
    // Up to 140 at (13.7 MPa): nearer the critical point the water search from h'
    // may diverge (see below).
    for (const Side side : {Side{ifc_ph, &SteamState::h}, Side{ifc_ps, &SteamState::s}}) {
        for (double p : {0.05, 1.0, 10.0, 100.0, 140.0}) {
            const double ts = ifc_sat_t(p);
            SteamState liquid, vapour, s;
            ifc_pt_water(liquid, p, ts);
            ifc_pt_steam(vapour, p, ts);
            const double y1 = liquid.*side.member, y2 = vapour.*side.member;
            side.inverse(s, p, y1);
            EXPECT_EQ(s.x, 0.0) << p;
            EXPECT_NEAR(s.t, ts, 0.01) << p;
            side.inverse(s, p, std::nextafter(y1, y2));
            EXPECT_GT(s.x, 0.0) << p;
            EXPECT_LT(s.x, 1e-12) << p;
            EXPECT_EQ(s.*side.member, std::nextafter(y1, y2)) << p;
            side.inverse(s, p, y2);
            EXPECT_EQ(s.x, 1.0) << p;
            EXPECT_EQ(s.t, ts) << p;
            EXPECT_NEAR(s.v, vapour.v, 1e-12 * vapour.v) << p;
            side.inverse(s, p, std::nextafter(y2, 1e9));
            EXPECT_EQ(s.x, 1.0) << p;
            EXPECT_NEAR(s.t, ts, 0.02) << p;
            EXPECT_EQ(s.*side.member, std::nextafter(y2, 1e9)) << p;
        }
    }
}

// The inverse of a forward evaluation gives its temperature back within what the
// tolerances allow: 0.001 kcal/kg over cp for water, 0.005 kcal/kg over cp for
// steam, T times the entropy tolerance over cp for the (p, s) searches.
TEST(Inverse, RoundTripsThroughTheForwardEquations) {
    for (double p_mpa = 0.001; p_mpa <= 19.7; p_mpa *= 1.15) {
        const double p = p_mpa / kMPaPerAt, ts = ifc_sat_t(p);
        SteamState f, back;
        for (double t = 1.0; t < ts - 0.05 && p_mpa <= 14.0; t += 3.7) {
            ifc_pt_water(f, p, t);
            ifc_ph(back, p, f.h);
            EXPECT_NEAR(back.t, t, 2e-3) << "ph water " << p_mpa << " MPa " << t << " C";
            EXPECT_EQ(back.s, (ifc_pt_water(f, p, back.t), f.s));
            ifc_ps(back, p, f.s);
            EXPECT_NEAR(back.t, t, 5e-3) << "ps water " << p_mpa << " MPa " << t << " C";
        }
        for (double t = ts + 0.3; t <= 800.0; t += 1.7) {
            ifc_pt_steam(f, p, t);
            ifc_ph(back, p, f.h);
            EXPECT_NEAR(back.t, t, 0.02) << "ph steam " << p_mpa << " MPa " << t << " C";
            EXPECT_EQ(back.h, f.h);
            ifc_ps(back, p, f.s);
            EXPECT_NEAR(back.t, t, 5e-3) << "ps steam " << p_mpa << " MPa " << t << " C";
            EXPECT_EQ(back.s, f.s);
        }
    }
}

// States where the correlation-and-secant search of the superheated region goes
// astray: out of the domain of the guess or of the equations, round and round
// without end, through two points of equal value, or onto the second root of the
// equations some 3400 K too high. Each still gives the physical state.
TEST(Inverse, AstraySuperheatedSearchesStillFindThePhysicalState) {
    struct Astray {
        const char* what;
        Inverse inverse;
        double p_at, y_kcal, t;
    };
    for (const Astray& a : {
             Astray{"ph root of a negative guess", ifc_ph, 39.071922882024211, 672.93165094257699, 252.28715256557192},
             Astray{"ph log of a negative theta", ifc_ph, 39.462642110844449, 672.27235747612281, 252.13167993763949},
             Astray{"ph second root", ifc_ph, 74.602620179469554, 722.13582538228809, 354.33336216027084},
             Astray{"ph endless", ifc_ph, 148.22753006185533, 752.07488488588626, 444.0131409809552},
             Astray{"ps second root", ifc_ps, 10.197162129779283, 2.3949494188481579, 1728.7547056541644},
             Astray{"ps endless", ifc_ps, 21.294183113227717, 2.3128046588243123, 1725.3280894135596},
             Astray{"ps flat secant", ifc_ps, 34.67434769127221, 2.2506187872413248, 1695.4076772046055},
             Astray{"ps overflow of the guess", ifc_ps, 145.30686213298239, 2.1017734697143444, 1728.9218310115007},
         }) {
        SteamState s;
        a.inverse(s, a.p_at, a.y_kcal);
        EXPECT_NEAR(s.t, a.t, 0.02) << a.what;
    }
}

TEST(Inverse, Failures) {
    // From 19.747 MPa (201.36 at) the saturated liquid fails: no region test.
    for (double p : {19.75, 20.0, 25.0}) {
        EXPECT_THROW(ph(p, 1000), PropertyError) << p;
        EXPECT_THROW(ph(p, 3000), PropertyError) << p;
        EXPECT_THROW(ps(p, 2), PropertyError) << p;
        EXPECT_THROW(ps(p, 6), PropertyError) << p;
    }
    EXPECT_NO_THROW(ph(19.74, 3000));
    // Above the enthalpy and entropy peak of the equations near 2612 degC.
    EXPECT_THROW(ph(1, 9000), PropertyError);
    EXPECT_THROW(ps(1, 13), PropertyError);
    // Water within 2 K of saturation at 16 MPa: cp passes 2 kcal/(kg K) and each
    // correction assuming 1 overshoots more than it corrects.
    const double p = 16.0 / kMPaPerAt;
    SteamState f, s;
    ifc_pt_water(f, p, ifc_sat_t(p) - 2.0);
    EXPECT_THROW(ifc_ph(s, p, f.h), PropertyError);
    for (double bad : {0.0, -1.0}) {
        EXPECT_THROW(ifc_ph(s, bad, 500.0), PropertyError);
        EXPECT_THROW(ifc_ps(s, bad, 1.0), PropertyError);
    }
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(ifc_ph(s, bad, 500.0), PropertyError);
        EXPECT_THROW(ifc_ph(s, 10.0, -bad), PropertyError);
        EXPECT_THROW(ifc_ps(s, bad, 1.0), PropertyError);
        EXPECT_THROW(ifc_ps(s, 10.0, bad), PropertyError);
    }
}

// The searches on made-up properties: each ends with PropertyError at its limit.
TEST(Searches, SecantThroughEqualValuesAndCorrectionLimitsFail) {
    EXPECT_THROW(secant_step(1.0, 5.0, 2.0, 5.0, 7.0), PropertyError);
    EXPECT_DOUBLE_EQ(secant_step(1.0, 5.0, 2.0, 6.0, 7.0), 3.0);

    int evaluations = 0;
    // Alternating around the target, never within tolerance: the secant steps keep
    // halving the interval and stay finite, the fixed-gain steps keep bouncing.
    const auto never = [&](double t) {
        ++evaluations;
        return SteamState{0, t, 0, evaluations % 2 == 0 ? 1.0 : -1.0, 0, 0};
    };
    EXPECT_THROW(fixed_gain_search(never, 0.0, 0.0, &SteamState::h, 1.0, 0.5), PropertyError);
    EXPECT_EQ(evaluations, kMaxCorrections + 1);
    evaluations = 0;
    EXPECT_THROW(relaxed_secant_search(never, 0.0, SteamState{0, 0, 0, 1.0, 0, 0}, 0.0, &SteamState::h, 1.0, 0.5),
                 PropertyError);
    EXPECT_EQ(evaluations, kMaxCorrections);
    evaluations = 0;
    const auto jump = [&](double t) {  // crosses the target without touching it
        ++evaluations;
        return SteamState{0, t, 0, t < 1.0 ? -1.0 : 1.0, 0, 0};
    };
    EXPECT_THROW(bracketed_search(jump, 0.0, -1.0, 2.0, 1.0, 0.0, &SteamState::h, 0.5), PropertyError);
    EXPECT_EQ(evaluations, kMaxCorrections + 1);
}

TEST(Searches, BracketKeepsToTheRootBetweenItsEnds) {
    // A second root outside the bracket, as the steam equations have one far above.
    const auto hump = [](double t) { return SteamState{0, t, 0, t * (4.0 - t), 0, 0}; };
    EXPECT_NEAR(bracketed_search(hump, 0.0, 0.0, 2.0, 4.0, 3.0, &SteamState::h, 1e-12).t, 1.0, 1e-9);
    EXPECT_THROW(bracketed_search(hump, 0.0, 0.0, 2.0, 4.0, 5.0, &SteamState::h, 1e-12), PropertyError);
}

}  // namespace
}  // namespace entalix::props
