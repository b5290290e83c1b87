// Friction factor and heat loss of a line, against figures worked by hand
// and Colebrook-White solved independently (python, fixed-point on 1/sqrt f).
#include "equipment/pipe_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace entalix::equipment {
namespace {

TEST(PipeLine, FrictionFactorMatchesColebrook) {
    struct Case {
        double re, rel, f;
    };
    // Moody-chart points: smooth, commercial steel, rough.
    const Case cases[] = {{1e5, 0.0, 0.017990}, {1e6, 1e-4, 0.013441}, {1e7, 1e-3, 0.019667}, {1000.0, 1e-3, 0.064}};
    for (const auto& c : cases) {
        const auto f = darcy_friction(c.re, c.rel);
        ASSERT_TRUE(f.has_value()) << c.re;
        EXPECT_NEAR(*f, c.f, 2e-6) << c.re;
    }
    EXPECT_FALSE(darcy_friction(0.0, 1e-3));
    EXPECT_FALSE(darcy_friction(std::numeric_limits<double>::quiet_NaN(), 1e-3));
    EXPECT_FALSE(darcy_friction(1e5, -1.0));
}

TEST(PipeLine, HeatLossBareAndInsulated) {
    // Bare pipe: outer film only, q = pi D alpha dt.
    EXPECT_NEAR(heat_loss_per_metre(120.0, 20.0, 0.2, 0.0, 0.05, 11.6), 728.849, 1e-3);
    // 219 mm pipe, 100 mm of insulation at 0.05 W/(m K), 270 C inside.
    EXPECT_NEAR(heat_loss_per_metre(270.0, 20.0, 0.219, 0.1, 0.05, 11.6), 117.333, 1e-3);
}

}  // namespace
}  // namespace entalix::equipment
