// The IAPWS-IF97 solvers: round trips of every inverse over a grid, the nine pairs
// on plant states, the public functions against python3-iapws figures, and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "base/property_error.h"
#include "if97/properties.h"
#include "if97/state.h"

namespace entalix::if97 {
namespace {

constexpr double kRoundTrip = 1e-9;

// Relative, except for h and s near their zero at the triple point.
void expect_close(double got, double want, const std::string& what, double floor = 0.0) {
    EXPECT_LE(std::fabs(got - want), kRoundTrip * std::fmax(std::fabs(want), floor)) << what << ": " << got;
}

void expect_same_state(const State& got, const State& want, const std::string& what) {
    expect_close(got.p, want.p, what + " p");
    expect_close(got.t, want.t, what + " t");
    expect_close(got.v, want.v, what + " v");
    expect_close(got.h, want.h, what + " h", 1.0);
    expect_close(got.s, want.s, what + " s", 1.0);
    EXPECT_NEAR(got.x, want.x, kRoundTrip) << what << " x";
}

// (p, t) over every region: each inverse along the isobar gives t back ((p, h)
// and (p, s) the whole state, also of the wet states), and along
// the isotherm the pairs whose isotherm the state fixes alone give p back.
TEST(If97RoundTrip, InversesOverTheRange) {
    const double pressures[] = {0.0008, 0.01, 0.1, 1, 5, 12, 16.6, 20, 21.5, 22.064, 22.5, 25, 31, 45, 70, 100};
    for (const double p : pressures) {
        for (double t = 10; t <= 2000; t += 7.3) {
            if (t > 800 && p > 50) break;
            const State s = state_pt(p, t);
            const std::string at = "p=" + std::to_string(p) + " t=" + std::to_string(t);
            expect_same_state(state_ph(p, s.h), s, at + " (p,h)");
            expect_same_state(state_ps(p, s.s), s, at + " (p,s)");
            expect_close(state_pv(p, s.v).t, t, at + " T(p,v)");
            expect_close(state_tv(t, s.v).p, p, at + " p(t,v)");
            // Steam and supercritical steam lighter than the critical density: h and s
            // fall along their isotherms, so they fix p alone (h barely, in the
            // nearly ideal gas below 10 kPa).
            if (s.x == 1.0) {
                if (p >= 0.01) expect_close(state_th(t, s.h).p, p, at + " p(t,h)");
                expect_close(state_ts(t, s.s).p, p, at + " p(t,s)");
            }
        }
        // The wet states of the isobar.
        for (double x = 0.01; p < 22.064 && x < 1.0; x += 0.07) {
            const State s = state_px(p, x);
            const std::string at = "p=" + std::to_string(p) + " x=" + std::to_string(x);
            expect_same_state(state_ph(p, s.h), s, at + " (p,h)");
            expect_same_state(state_ps(p, s.s), s, at + " (p,s)");
        }
    }
}

// Each plant state again from each of the nine pairs.
TEST(If97Pairs, NinePairsOnPlantStates) {
    const struct {
        const char* name;
        State state;
    } plants[] = {
        {"wet 1 MPa", state_px(1, 0.3)},
        {"wet near the critical point", state_px(21.9, 0.4)},
        {"compressed water", state_pt(10, 200)},
        {"feedwater above 350 degC", state_pt(30, 360)},
        {"superheated", state_pt(3.5, 435)},
        {"supercritical main steam", state_pt(24.2, 566)},
        {"supercritical 25 MPa 380 degC", state_pt(25, 380)},
        {"near-critical", state_pt(22.1, 374.5)},
        {"high temperature", state_pt(10, 1200)},
    };
    for (const auto& plant : plants) {
        const State& s = plant.state;
        const std::string name = plant.name;
        // (p, t) fixes no wet state.
        if (s.region != Region::four) expect_same_state(state_pt(s.p, s.t), s, name + " (p,t)");
        expect_same_state(state_ph(s.p, s.h), s, name + " (p,h)");
        expect_same_state(state_ps(s.p, s.s), s, name + " (p,s)");
        expect_same_state(state_pv(s.p, s.v), s, name + " (p,v)");
        expect_same_state(state_th(s.t, s.h), s, name + " (t,h)");
        expect_same_state(state_ts(s.t, s.s), s, name + " (t,s)");
        expect_same_state(state_tv(s.t, s.v), s, name + " (t,v)");
        if (s.region == Region::four) {
            expect_same_state(state_px(s.p, s.x), s, name + " (p,x)");
            expect_same_state(state_tx(s.t, s.x), s, name + " (t,x)");
        }
    }
}

TEST(If97Pairs, TwofoldPairsTakeThePlantState) {
    // 200 degC and 856 kJ/kg: feedwater at 10 MPa, or wet at 1.55 MPa with 0.2 %
    // steam; the compressed water is taken.
    const State feedwater = state_th(200, state_pt(10, 200).h);
    EXPECT_EQ(feedwater.region, Region::one);
    EXPECT_NEAR(feedwater.p, 10.0, 1e-8);
    // Above the compressed water's reach the wet state.
    EXPECT_EQ(state_th(200, 1200).region, Region::four);
    // Water is densest near 4 degC: one volume at two temperatures, the warmer taken.
    const double v = state_pt(0.1, 2).v;
    EXPECT_GT(state_pv(0.1, v).t, 4.0);
    // Saturated water at 100 degC typed to nine decimals, 0.75e-9 below the
    // line (h' = 419.09915499775 kJ/kg by python3-iapws): saturated water, not "no state".
    const State boiling = state_th(100, 419.099154997);
    EXPECT_EQ(boiling.x, 0.0);
    EXPECT_NEAR(boiling.p, 0.101418, 1e-6);
}

TEST(If97Pairs, FailuresNameTheCause) {
    const auto message = [](auto call) {
        try {
            call();
        } catch (const props::PropertyError& e) {
            return std::string(e.what());
        }
        return std::string("no failure");
    };
    EXPECT_NE(message([] { state_pt(120, 100); }).find("0 to 800 degC up to 100 MPa"), std::string::npos);
    EXPECT_NE(message([] { state_pt(60, 900); }).find("800 to 2000 degC up to 50 MPa"), std::string::npos);
    EXPECT_NE(message([] { state_pt(1, -5); }).find("outside the IAPWS-IF97 range"), std::string::npos);
    EXPECT_NE(message([] { state_ph(1, 9000); }).find("no IAPWS-IF97 state with p = 1 MPa and h = 9000"),
              std::string::npos);
    EXPECT_NE(message([] { state_tv(100, -1); }).find("no IAPWS-IF97 state"), std::string::npos);
    EXPECT_NE(message([] { state_px(1, 1.5); }).find("vapour fraction"), std::string::npos);
    EXPECT_NE(message([] { state_tx(380, 0.5); }).find("saturation"), std::string::npos);
    EXPECT_NE(message([] { state_ps(std::nan(""), 5); }).find("not finite"), std::string::npos);
    EXPECT_NE(message([] { state_th(100, INFINITY); }).find("not finite"), std::string::npos);
}

// Figures from python3-iapws (IAPWS97 objects), an independent implementation.
TEST(If97Properties, PublicFunctions) {
    If97Properties w;
    EXPECT_NEAR(w.pswh_ptwtr(1, 100), 419.7741518509633, 1e-9);
    EXPECT_NEAR(w.pswv_ptwtr(1, 100), 0.0010429975790915227, 1e-15);
    EXPECT_NEAR(w.pswv_ptstm(1, 300), 0.25797919004877357, 1e-12);
    EXPECT_NEAR(w.pswh_ptstm(1, 300), 3051.703185584021, 1e-8);
    EXPECT_NEAR(w.pswt_ph(1, 3051), 299.67155509381826, 1e-8);
    EXPECT_NEAR(w.psws_ph(1, 3051), 7.1234852489507015, 1e-10);
    EXPECT_NEAR(selected_number(w.pswA_ph("x", 1, 1500)), 0.36601654353242946, 1e-10);
    EXPECT_NEAR(selected_number(w.pswA_ps("t", 1, 7.5)), 410.584480695588, 1e-8);
    EXPECT_NEAR(selected_number(w.pswA_ps("h", 1, 7.5)), 3286.928010158295, 1e-8);
    EXPECT_NEAR(w.psw_effi_pt(1, 300, 0.1, 150), 59.28945833702509, 1e-7);
    EXPECT_NEAR(w.psw_effi_ph(1, 3051.703185584021, 0.1, 2776.5918154499223), 59.28945833702509, 1e-7);
    EXPECT_NEAR(w.pswt2_ptpeffi(1, 300, 0.1, 80), 102.28337799488753, 1e-7);
    EXPECT_NEAR(w.pswt2_ptpeffi(1, 300, 0.1, 100), 99.60591861133764, 1e-7);
    EXPECT_NEAR(w.pswt2_ptpeffi(1, 300, 0.1, 0), 288.6335471063395, 1e-7);
    EXPECT_NEAR(w.pswsat_p(100), 0.10141797792131013, 1e-13);
    EXPECT_NEAR(w.pswsat_t(1), 179.88563239146663, 1e-9);
}

TEST(If97Properties, SelectorsAndSides) {
    If97Properties w;
    EXPECT_EQ(selected_number(w.pswA_ptwtr("p", 1, 100)), 1.0);
    EXPECT_EQ(selected_number(w.pswA_ptwtr("t", 1, 100)), 100.0);
    EXPECT_EQ(selected_number(w.pswA_ptwtr("x", 1, 100)), 0.0);
    EXPECT_EQ(selected_number(w.pswA_ptstm("x", 1, 300)), 1.0);
    EXPECT_EQ(std::get<std::string>(w.pswA_ph("P", 1, 3051)), "No such Para.");
    EXPECT_EQ(std::get<std::string>(w.pswA_ph("", 1, 3051)), "No such Para.");
    // The state comes first: a failing state fails whatever the name.
    EXPECT_THROW(w.pswA_ph("P", 1, 9000), props::PropertyError);

    // Water asked for at a steam state: region 1 continued, marked.
    EXPECT_FALSE((w.pswh_ptwtr(1, 150), w.state().extrapolated));
    const double superheated_water = w.pswh_ptwtr(1, 185);
    EXPECT_TRUE(w.state().extrapolated);
    EXPECT_GT(superheated_water, w.pswh_ptwtr(1, 179));
    // Steam far below its saturation temperature has no metastable state, and the
    // failed call keeps the last state.
    EXPECT_THROW(w.pswh_ptstm(1, 100), props::PropertyError);
    EXPECT_EQ(w.state().t, 179.0);
    // Above the critical pressure there is one fluid for both.
    EXPECT_EQ(w.pswh_ptwtr(25, 380), w.pswh_ptstm(25, 380));
    EXPECT_FALSE(w.state().extrapolated);
}

// (p, t) -> (h, s) -> state over every region, the wet band and the lines
// between them: the state comes back whole. Near the saturated-liquid line at
// low pressure h - T s hardly changes with p, so that there p and x come back
// to the rounding of h and s magnified (2e-8 of p, 1e-9 of x at 0.001 MPa).
TEST(If97StatesFromHs, RoundTripsOverTheRegions) {
    const double pressures[] = {0.0008, 0.01, 0.1, 1, 5, 16.5, 20, 22, 22.064, 25, 45, 100};
    for (const double p : pressures) {
        for (double t = 3; t <= 2000; t += 11.7) {
            if (t > 800 && p > 50) break;
            const State want = state_pt(p, t);
            const State got = state_hs(want.h, want.s);
            const std::string at = "p=" + std::to_string(p) + " t=" + std::to_string(t);
            EXPECT_EQ(got.region, want.region) << at;
            expect_same_state(got, want, at);
        }
        if (p >= 22.064) continue;
        for (const double x : {0.0, 0.02, 0.5, 0.97, 1.0}) {
            const State want = state_px(p, x);
            const State got = state_hs(want.h, want.s);
            const std::string at = "p=" + std::to_string(p) + " x=" + std::to_string(x);
            EXPECT_NEAR(got.p, want.p, 3e-8 * want.p) << at;
            EXPECT_NEAR(got.x, want.x, 1e-8) << at;
            EXPECT_NEAR(got.t, want.t, 1e-6) << at;
        }
    }
    // The lines between regions: 800 degC belongs to region 2, 623.15 K to region 1.
    EXPECT_EQ(state_hs(state_pt(10, 800).h, state_pt(10, 800).s).region, Region::two);
    EXPECT_EQ(state_hs(state_pt(30, 350).h, state_pt(30, 350).s).region, Region::one);
    const State b23 = state_pt(40, 502.5);  // just past the B23 line into region 2 at 40 MPa
    expect_same_state(state_hs(b23.h, b23.s), b23, "B23");
}

// The edges of the range and the lines between regions, where Newton lands
// within rounding of the edge: compressed water at 0 degC and on the 623.15 K
// line, 100 MPa, region 5 up to 2000 degC and 50 MPa; saturated water and
// steam up to 0.005 MPa below the critical pressure, and the wet band there.
TEST(If97StatesFromHs, EdgesOfTheRangeAndSaturatedStates) {
    const std::pair<double, double> edges[] = {{0.001, 0}, {10, 0},    {100, 0},   {19, 350},  {20, 350},
                                               {30, 350},  {100, 490}, {100, 590}, {100, 800}, {0.1, 2000},
                                               {10, 1200}, {50, 1200}, {50, 2000}, {16.6, 350}};
    for (const auto& [p, t] : edges) {
        const State want = state_pt(p, t);
        expect_same_state(state_hs(want.h, want.s), want, "p=" + std::to_string(p) + " t=" + std::to_string(t));
    }
    for (const double p : {15.0, 16.53, 17.0, 19.0, 21.0, 22.0, 22.059}) {
        for (const double x : {0.0, 0.01, 0.3, 0.8, 0.99, 1.0}) {
            const State want = state_px(p, x);
            const State got = state_hs(want.h, want.s);
            const std::string at = "p=" + std::to_string(p) + " x=" + std::to_string(x);
            EXPECT_NEAR(got.p, p, 2e-9 * p) << at;
            // 0.02 K below the critical point x moves by 2 per kelvin.
            EXPECT_NEAR(got.x, x, p > 22.05 ? 3e-8 : 1e-8) << at;
        }
    }
}

// A turbine exhaust read off the h-s chart, and pairs no state has.
TEST(If97StatesFromHs, PlantReadingsAndRefusals) {
    // Exhaust at 0.0049 MPa with 8 % moisture: h and s from the saturated ends.
    const State exhaust = state_px(0.0049, 0.92);
    const State read = state_hs(exhaust.h, exhaust.s);
    EXPECT_EQ(read.region, Region::four);
    EXPECT_NEAR(read.p, 0.0049, 1e-12);
    EXPECT_NEAR(read.t, 32.52, 0.01);  // the saturation temperature at 4.9 kPa
    EXPECT_NEAR(read.x, 0.92, 1e-9);

    // Below the saturated-liquid line at 0 degC, hotter than 2000 degC at any
    // pressure, h far below every state of its s; and text that is no number.
    for (const auto& [h, s] : {std::pair{-100.0, 0.0}, {5000.0, 1.0}, {100.0, 9.0}, {9000.0, 9.0}, {2000.0, -1.0}})
        EXPECT_THROW(state_hs(h, s), props::PropertyError) << h << ", " << s;
    EXPECT_THROW(state_hs(NAN, 6.5), props::PropertyError);
    EXPECT_THROW(state_hs(3000, INFINITY), props::PropertyError);
}

}  // namespace
}  // namespace entalix::if97
