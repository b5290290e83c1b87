// States from (h, s) through the water and steam of each formulation: IFC-67
// on its own equations gives back the states its forward equations make,
// within tenths of a kelvin of IAPWS-IF97's for the same pair; selectors and
// refusals as for the other pairs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "props/validity.h"
#include "props/water_steam.h"

namespace entalix::props {
namespace {

double number(const Selected& selected) { return std::get<double>(selected); }

// Compressed water, superheated steam and wet steam of IFC-67 over the plant's
// pressures: (h, s) of the forward equations give p and t back.
TEST(StatesFromHs, Ifc67RoundTrips) {
    WaterSteamFor ws(Formulation::IFC67);
    for (const double p : {0.005, 0.1, 1.0, 4.0, 9.8, 16.7, 25.0, 60.0}) {
        for (double t = 5.0; t <= 800.0; t += 23.0) {
            const double line = ws->saturation_line_t(p);
            // The water equations hold to 350 degC, the steam equations from the line.
            if (t > 350.0 && t < line) continue;
            if (std::fabs(t - line) < 0.5 || (p > 22.0 && t > 350.0 && t < 450.0)) continue;
            const bool water = t < line;
            double h = 0.0;
            double s = 0.0;
            try {
                h = number(water ? ws->pswA_ptwtr("h", p, t) : ws->pswA_ptstm("h", p, t));
                s = number(water ? ws->pswA_ptwtr("s", p, t) : ws->pswA_ptstm("s", p, t));
            } catch (const PropertyRefusal&) {
                continue;  // the steam equations' near-critical region
            }
            const std::string at = "p=" + std::to_string(p) + " t=" + std::to_string(t);
            ASSERT_NO_THROW(ws->pswp_hs(h, s)) << at;
            EXPECT_NEAR(ws->pswp_hs(h, s), p, 1e-7 * p) << at;
            EXPECT_NEAR(ws->pswt_hs(h, s), t, 1e-6) << at;
            EXPECT_EQ(number(ws->pswA_hs("x", h, s)), water ? 0.0 : 1.0) << at;
        }
    }
    // Wet steam: the lever rule between the saturated ends at t.
    for (const double t : {10.0, 100.0, 250.0, 340.0}) {
        for (const double x : {0.1, 0.9}) {
            const double p = ws->pswsat_p(t);
            const double h = (1 - x) * number(ws->pswA_sat_t("h1", t)) + x * number(ws->pswA_sat_t("h2", t));
            const double s = (1 - x) * number(ws->pswA_sat_t("s1", t)) + x * number(ws->pswA_sat_t("s2", t));
            EXPECT_NEAR(ws->pswp_hs(h, s), p, 1e-9 * p) << t << " " << x;
            EXPECT_NEAR(number(ws->pswA_hs("x", h, s)), x, 1e-9) << t << " " << x;
        }
    }
}

// The formulations differ by tenths of a kelvin, no more (in water, where
// h - T s hardly changes with p, by a percent of p); the properties
// beyond the six come from the state found, rho of a wet state from its v.
TEST(StatesFromHs, FormulationsAgreeAndSelectorsWork) {
    WaterSteamFor ifc67(Formulation::IFC67);
    WaterSteamFor if97(Formulation::IF97);
    for (const auto& [h, s] : {std::pair{3400.0, 6.6}, {2300.0, 7.2}, {800.0, 2.2}, {3000.0, 5.8}}) {
        EXPECT_NEAR(ifc67->pswt_hs(h, s), if97->pswt_hs(h, s), 0.6) << h << ", " << s;
        EXPECT_NEAR(ifc67->pswp_hs(h, s), if97->pswp_hs(h, s), 1e-2 * if97->pswp_hs(h, s)) << h << ", " << s;
    }
    // A main-steam state, 8.83 MPa and 535 degC after IAPWS-IF97.
    const double h = number(if97->pswA_ptstm("h", 8.83, 535));
    const double s = number(if97->pswA_ptstm("s", 8.83, 535));
    EXPECT_NEAR(number(if97->pswA_hs("cp", h, s)), number(if97->pswA_ptstm("cp", 8.83, 535)), 1e-8);
    EXPECT_NEAR(number(if97->pswA_hs("mu", h, s)), number(if97->pswA_ptstm("mu", 8.83, 535)), 1e-12);
    EXPECT_EQ(std::get<std::string>(if97->pswA_hs("P", h, s)), std::string(kNoSuchPara));
    const double v_wet = number(if97->pswA_hs("v", 2300, 7.2));
    EXPECT_NEAR(number(if97->pswA_hs("rho", 2300, 7.2)), 1 / v_wet, 1e-9 / v_wet);
}

TEST(StatesFromHs, PairsWithoutAStateAreRefused) {
    WaterSteamFor ifc67(Formulation::IFC67);
    WaterSteamFor if97(Formulation::IF97);
    for (const auto& [h, s] : {std::pair{5000.0, 1.0}, {-100.0, 0.0}, {100.0, 9.0}}) {
        try {
            ifc67->pswp_hs(h, s);
            ADD_FAILURE() << "IFC-67 " << h << ", " << s;
        } catch (const PropertyRefusal& e) {
            EXPECT_STREQ(e.what(), kMsgOutsideFormulation);
        }
        try {
            if97->pswp_hs(h, s);
            ADD_FAILURE() << "IF97 " << h << ", " << s;
        } catch (const PropertyRefusal& e) {
            EXPECT_STREQ(e.what(), kMsgOutsideIf97);
        }
    }
    EXPECT_THROW(ifc67->pswp_hs(NAN, 6.0), PropertyError);
    EXPECT_THROW(if97->pswp_hs(3000, INFINITY), PropertyError);
    // Dense fluid near the critical point: IAPWS-IF97's region 3; IFC-67's
    // equations extrapolated, with the warning that says so.
    EXPECT_NEAR(if97->pswt_hs(2087.5, 4.4), 382.95, 0.01);
    EXPECT_TRUE(if97->warning().empty());
    ifc67->pswt_hs(2087.5, 4.4);
    EXPECT_NE(ifc67->warning().find("外推结果"), std::string::npos) << ifc67->warning();
}

}  // namespace
}  // namespace entalix::props
