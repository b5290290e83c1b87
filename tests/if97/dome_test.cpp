// The fitted saturation dome that starts wet states from (h, s): a start close
// to the saturation temperature of every wet state, and no single-phase state
// taken for a wet one. A regeneration of if97/dome_coefficients.h that went
// wrong shows here first.
#include <gtest/gtest.h>

#include <string>

#include "if97/dome.h"
#include "if97/state.h"

namespace entalix::if97 {
namespace {

using Kind = DomeStart::Kind;

TEST(If97Dome, StartsWetStatesWithinMicrokelvin) {
    // From the triple point to 0.05 K below the critical point.
    for (double p = 0.000612; p < 22.06; p *= 1.21) {
        for (const double x : {0.001, 0.05, 0.3, 0.7, 0.95, 0.999}) {
            const State wet = state_px(p, x);
            const DomeStart start = dome_start(wet.h, wet.s);
            const std::string at = "p=" + std::to_string(p) + " x=" + std::to_string(x);
            ASSERT_TRUE(start.kind == Kind::wet || start.kind == Kind::edge) << at;
            EXPECT_NEAR(start.T, wet.t + 273.15, 1e-5) << at;
        }
    }
}

TEST(If97Dome, NeverTakesASinglePhaseStateForAWetOne) {
    for (const double p : {0.001, 0.01, 0.1, 1.0, 5.0, 12.0, 16.5, 19.0, 21.0, 22.0, 25.0, 50.0, 100.0}) {
        for (double t = 0.5; t <= 800; t += 3.1) {
            const State single = state_pt(p, t);
            const DomeStart start = dome_start(single.h, single.s);
            EXPECT_NE(start.kind, Kind::wet) << "p=" << p << " t=" << t;
        }
    }
    // Entropies beyond the triple point's saturated states have no wet state.
    EXPECT_EQ(dome_start(2500.0, 9.3).kind, Kind::single);
    EXPECT_EQ(dome_start(0.0, -0.01).kind, Kind::single);
}

}  // namespace
}  // namespace entalix::if97
