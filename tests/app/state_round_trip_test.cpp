// A shown state gives back the two values that were typed: thousands of
// presses of all nine pairs on both steam calculators, typed from states spread
// over the whole range (wet steam, compressed water, superheated steam, low
// pressures down to the triple point, the supercritical steam up to 100 MPa).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "catalog/catalog.h"
#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "props/validity.h"
#include "props/water_steam.h"
#include "shell/controller.h"
#include "tests/support/invariants.h"

namespace entalix {
namespace {

using shell::ScreenId;

struct State {
    double p, t, h, s, v, x;  // x in percent
};

double uniform(std::mt19937_64& r, double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(r); }
double log_uniform(std::mt19937_64& r, double lo, double hi) {
    return std::exp(uniform(r, std::log(lo), std::log(hi)));
}

// One state of each kind in turn, inside the range where its equations hold.
State make_state(std::mt19937_64& r, props::WaterSteam& w, int i) {
    const auto s_water = [&](double p, double t) { return props::selected_number(w.pswA_ptwtr("s", p, t)); };
    const auto s_steam = [&](double p, double t) { return props::selected_number(w.pswA_ptstm("s", p, t)); };
    switch (i % 3) {
        case 0: {  // wet, from just above the triple point to 350 degC
            const double t = uniform(r, 0.01, 350.0), p = props::ifc_pswsat_p(t), x = uniform(r, 0.0, 1.0);
            const auto mix = [x](double a, double b) { return a + x * (b - a); };
            return {p,
                    t,
                    mix(w.pswh_ptwtr(p, t), w.pswh_ptstm(p, t)),
                    mix(s_water(p, t), s_steam(p, t)),
                    mix(w.pswv_ptwtr(p, t), w.pswv_ptstm(p, t)),
                    100.0 * x};
        }
        case 1: {  // compressed water
            const double t = uniform(r, 0.5, 349.0);
            const double p = log_uniform(r, props::ifc_pswsat_p(t) * 1.01 + 0.01, 100.0);
            return {p, t, w.pswh_ptwtr(p, t), s_water(p, t), w.pswv_ptwtr(p, t), 0.0};
        }
        default: {  // superheated and supercritical steam
            const double t = uniform(r, 1.0, 800.0);
            const double top =
                t <= 350.0 ? props::ifc_pswsat_p(t) : std::min(props::ifc_boundary_p(t) * props::kMPaPerAt, 100.0);
            const double p = log_uniform(r, 0.0007, top * 0.995);
            return {p, t, w.pswh_ptstm(p, t), s_steam(p, t), w.pswv_ptstm(p, t), 100.0};
        }
    }
}

std::string text(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

constexpr double kAtmosphere = 0.0983;

TEST(StateRoundTrip, EveryShownStateGivesBackItsTypedPair) {
    const int pairs[9][2] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {1, 2}, {1, 3}, {1, 4}, {1, 5}};
    std::mt19937_64 random(13);
    const auto w_owned = props::make_water_steam(props::Formulation::IFC67);
    props::WaterSteam& w = *w_owned;
    int presses = 0, shown = 0;
    std::map<std::string, int> failures;
    for (int i = 0; i < 1500; ++i) {
        const State st = make_state(random, w, i);
        for (const auto& pair : pairs) {
            for (ScreenId id : {ScreenId::Form11, ScreenId::Form12}) {
                const shell::ScreenDesc& desc = catalog::screen_desc(id);
                shell::Fields fields = desc.default_fields();
                const double values[6] = {
                    id == ScreenId::Form12 ? st.p - kAtmosphere : st.p, st.t, st.h, st.s, st.v, st.x};
                for (int row : pair) {
                    fields.set("Check" + std::to_string(row + 1), "1");
                    fields.set("Text" + std::to_string(row + 1), text(values[row]));
                }
                const std::optional<shell::Outcome> outcome = shell::run_event(desc, "Command1_Click", fields);
                ASSERT_TRUE(outcome.has_value());
                // With x the state is the saturation point of p or t: above
                // 350 degC both ends are extrapolated (a warning) or lie in the
                // near-critical region, and above the critical point there is none.
                const double saturation = pair[0] == 0 ? props::ifc_pswsat_t(st.p) : st.t;
                if (pair[1] == 5 && saturation > props::kWaterEquationLimit) {
                    if (!outcome->failed) {
                        EXPECT_NE(outcome->warning, "");
                        continue;
                    }
                    EXPECT_TRUE(outcome->message == props::kMsgNearCritical ||
                                outcome->message == props::kMsgNoWetAbovePressure ||
                                outcome->message == props::kMsgNoWetAboveTemperature)
                        << outcome->message;
                    continue;
                }
                ++presses;
                if (outcome->failed || outcome->texts.empty()) {
                    ++failures[outcome->message + " (pair " + std::to_string(pair[0]) + std::to_string(pair[1]) +
                               ", state " + std::to_string(i % 3) + ")"];
                    continue;
                }
                ++shown;
                EXPECT_EQ(testing::broken_state(id, fields, outcome->texts[0].second, outcome->warning), "")
                    << "pair " << pair[0] << pair[1] << " of p=" << st.p << " t=" << st.t << " x=" << st.x;
            }
        }
    }
    // Every one of these states exists and lies where its equations hold:
    // nearly every press must show it.
    std::string why;
    for (const auto& [message, count] : failures) why += message + " x" + std::to_string(count) + "\n";
    EXPECT_GT(shown, presses * 99 / 100) << why;
}

}  // namespace
}  // namespace entalix
