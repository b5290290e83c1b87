// Friction factor, heat loss and the march along a line, against figures
// worked by hand, Colebrook-White solved independently (python, fixed-point on
// 1/sqrt f) and lines marched independently in 200 fixed steps with
// python3-iapws (IAPWS-IF97, McAdams' mean viscosity in wet steam).
#include "equipment/pipe_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

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

// Steel line, 0.2 mm roughness, 100 mm of insulation at 0.05 W/(m K) on a
// 273 mm pipe, still air at 20 degC.
LineInput steam_main() {
    LineInput in;
    in.p_in = 1.3983;
    in.h_in = 3041.044782;  // 300 degC
    in.flow = 30.0 / 3.6;
    in.d_inner = 0.25;
    in.length = 800.0;
    in.roughness = 0.2e-3;
    in.zeta = 5.0;
    in.d_outer = 0.273;
    in.insulation = 0.1;
    in.lambda_ins = 0.05;
    return in;
}

struct Marched {
    const char* name;
    LineInput in;
    double w_in, reynolds, friction, p_out, t_out, x_out, w_out, q_total;
};

LineResult run(const LineInput& in) {
    const auto water = props::make_water_steam(props::Formulation::IF97);
    return march_line(in, *water);
}

TEST(PipeLine, MarchMatchesAnIndependentFineMarch) {
    LineInput hot_water;  // district-heating main, 1.0 MPa gauge, 130 degC, 500 t/h, DN500
    hot_water.p_in = 1.0983;
    hot_water.h_in = 546.948077;
    hot_water.flow = 500.0 / 3.6;
    hot_water.d_inner = 0.5;
    hot_water.length = 2000.0;
    hot_water.roughness = 0.2e-3;
    hot_water.d_outer = 0.53;
    hot_water.insulation = 0.08;
    hot_water.lambda_ins = 0.05;
    LineInput bare = steam_main();
    bare.insulation = 0.0;
    LineInput saturated;  // 0.6 MPa gauge dry saturated, 3 t/h in DN100, 10 m uphill, frosty air
    saturated.p_in = 0.6983;
    saturated.h_in = 2762.646355;
    saturated.flow = 3.0 / 3.6;
    saturated.d_inner = 0.1;
    saturated.length = 500.0;
    saturated.roughness = 0.2e-3;
    saturated.rise = 10.0;
    saturated.d_outer = 0.108;
    saturated.insulation = 0.05;
    saturated.lambda_ins = 0.05;
    saturated.t_ambient = 0.0;
    LineInput small_bare;  // 2 t/h of 130 degC water through 2000 m of bare DN50: cools towards the air
    small_bare.p_in = 1.0983;
    small_bare.h_in = 546.948077;
    small_bare.flow = 2.0 / 3.6;
    small_bare.d_inner = 0.05;
    small_bare.length = 2000.0;
    small_bare.roughness = 0.2e-3;
    small_bare.d_outer = 0.057;
    const Marched cases[] = {
        {"cools to the air", small_bare, 0.302527, 66369.7, 0.0300102, 1.04673803, 38.496959, 0.0, 0.284878, 213757.3},
        {"hot water", hot_water, 0.756318, 1659242.6, 0.0162616, 1.08090335, 129.581021, 0.0, 0.756037, 249660.7},
        {"superheated", steam_main(), 30.990179, 2105276.4, 0.0187860, 1.21553521, 290.966763, 1.0, 35.187106,
         121938.5},
        {"bare", bare, 30.990179, 2105276.4, 0.0187860, 1.23632945, 203.834261, 1.0, 28.138837, 1812062.7},
        {"turns wet", saturated, 29.007874, 733296.3, 0.0236737, 0.485279536, 150.713749, 0.986977, 40.372355, 35730.9},
    };
    for (const Marched& c : cases) {
        const LineResult r = run(c.in);
        ASSERT_EQ(r.error, "") << c.name;
        EXPECT_NEAR(r.w_in, c.w_in, 1e-4 * c.w_in) << c.name;
        EXPECT_NEAR(r.reynolds, c.reynolds, 1e-3 * c.reynolds) << c.name;
        EXPECT_NEAR(r.friction, c.friction, 1e-3 * c.friction) << c.name;
        // The drop to 0.3 %, the far end to a few hundredths of a kelvin.
        EXPECT_NEAR(r.p_out, c.p_out, 3e-3 * (c.in.p_in - c.p_out)) << c.name;
        EXPECT_NEAR(r.t_out, c.t_out, 0.03) << c.name;
        EXPECT_NEAR(r.x_out, c.x_out, 2e-4) << c.name;
        EXPECT_NEAR(r.w_out, c.w_out, 2e-3 * c.w_out) << c.name;
        EXPECT_NEAR(r.q_total, c.q_total, 2e-3 * c.q_total) << c.name;
        // Energy: what enters leaves as the outlet stream, its lift and the heat lost.
        const double in_kw = c.in.flow * (c.in.h_in + r.w_in * r.w_in / 2000.0);
        const double out_kw = c.in.flow * (r.h_out + r.w_out * r.w_out / 2000.0 + 9.80665e-3 * c.in.rise);
        EXPECT_NEAR(in_kw, out_kw + r.q_total / 1000.0, 1e-6 * in_kw) << c.name;
        // Every segment drops at most 1 % of its inlet pressure.
        EXPECT_GE(r.segments, std::log(c.p_out / c.in.p_in) / std::log(0.99)) << c.name;
    }
}

TEST(PipeLine, SlowStreamLeavesAtTheAirTemperature) {
    // 0.1 t/h of 130 degC water in 2000 m of bare DN50 gives up its heat in
    // the first hundred metres: it leaves at the air's 20 degC, having lost
    // G (h(130 degC) - h(20 degC)) = 0.1/3.6 * (546.95 - 84.95) kW.
    LineInput slow;
    slow.p_in = 1.0983;
    slow.h_in = 546.948077;
    slow.flow = 0.1 / 3.6;
    slow.d_inner = 0.05;
    slow.length = 2000.0;
    slow.roughness = 0.2e-3;
    slow.d_outer = 0.057;
    const LineResult r = run(slow);
    ASSERT_EQ(r.error, "");
    EXPECT_NEAR(r.t_out, 20.0, 0.01);
    EXPECT_NEAR(r.q_total / 1000.0, 0.1 / 3.6 * (546.948 - 84.951), 0.01);
}

TEST(PipeLine, RefusesALineThatChokesWithTheLengthWhereItDoes) {
    // 30 t/h of steam through DN100: the stream reaches the speed of sound
    // 17.9 m from the inlet (marched in pressure with python3-iapws until
    // the acceleration takes the whole drop, at 0.44 MPa and 544 m/s).
    LineInput narrow = steam_main();
    narrow.d_inner = 0.1;
    narrow.d_outer = 0.108;
    narrow.length = 5000.0;
    const LineResult r = run(narrow);
    EXPECT_NE(r.error.find("阻塞"), std::string::npos) << r.error;
    const std::size_t at = r.error.find("约 ") + 4;
    EXPECT_NEAR(std::stod(r.error.substr(at)), 17.9, 1.0) << r.error;
    EXPECT_EQ(r.p_out, 0.0);
    // A cold water line that would need more than its whole pressure: at
    // 13.58 kPa/m (Colebrook at Re = 1.05e6) it is spent after 103.0 m, where
    // the water flashes and chokes.
    LineInput water = steam_main();
    water.h_in = 84.01;  // 20 degC
    water.flow = 300.0 / 3.6;
    water.d_inner = 0.1;
    water.length = 1000.0;
    const LineResult cold = run(water);
    EXPECT_NEAR(std::stod(cold.error.substr(cold.error.find("约 ") + 4)), 103.0, 1.0) << cold.error;
}

TEST(PipeLine, RefusesWhenTheSegmentBoundIsReached) {
    LineInput in = steam_main();
    in.max_segments = 3;
    const LineResult r = run(in);
    EXPECT_NE(r.error.find("分段数超过"), std::string::npos) << r.error;
    EXPECT_EQ(r.p_out, 0.0);
}

TEST(PipeLine, RefusesFiguresThatAreNotALine) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (auto spoil : {+[](LineInput& in) { in.flow = 0.0; }, +[](LineInput& in) { in.d_inner = -1.0; },
                       +[](LineInput& in) { in.length = inf; }, +[](LineInput& in) { in.alpha = inf; },
                       +[](LineInput& in) { in.roughness = nan; }, +[](LineInput& in) { in.zeta = inf; },
                       +[](LineInput& in) { in.lambda_ins = 0.0; }}) {
        LineInput in = steam_main();
        spoil(in);
        EXPECT_NE(run(in).error, "");
    }
}

}  // namespace
}  // namespace entalix::equipment
