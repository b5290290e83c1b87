// The pipe screen: both sizing blocks and the velocity hint that follows the typing.
#include "equipment/pipe_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "catalog/catalog.h"
#include "ifc67/saturation.h"
#include "shell/errors.h"
#include "shell/memory_app.h"
#include "shell/numbers.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;

constexpr double kP = 1 + 0.0983;  // gauge 1 MPa with the default atmosphere

std::string exact(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

TEST(PipeBlocks, Arithmetic) {
    EXPECT_EQ(pipe_flow(0, 2, 0.001), 0.0);
    EXPECT_EQ(pipe_flow(100, 0, 0.001), 0.0);
    EXPECT_NEAR(pipe_flow(100, 2, 0.001), 56.5486677, 1e-6);  // 0.05^2 pi m2, 2 m/s, 1000 kg/m3
    EXPECT_EQ(pipe_diameter(0, 2, 0.001), 0.0);
    // The diameter block's pi of 3.14 enlarges the diameter by about 1.000254.
    for (double v : {0.00104, 0.258})
        EXPECT_NEAR(pipe_diameter(pipe_flow(200, 2.5, v), 2.5, v) / 200, std::sqrt(3.141592654 / 3.14), 1e-12);
    EXPECT_THROW(pipe_diameter(50, 0, 0.001), shell::ArithmeticFault);  // still medium
    EXPECT_THROW(pipe_diameter(0, 0, 0.001), shell::ArithmeticFault);
    EXPECT_THROW(pipe_diameter(-50, 2, 0.001), shell::ArithmeticFault);  // negative radicand
}

class PipeScreen : public ::testing::Test {
protected:
    PipeScreen() : app(catalog::screen_desc) {
        app.start();
        app.click(ScreenId::Form1, "Command1");
    }
    void type(const char* field, std::string text) { app.type(ScreenId::Form2, field, std::move(text)); }
    const std::string& text(const char* control) { return app.text(ScreenId::Form2, control); }
    void left(std::string d, std::string t, std::string w) {
        type("gdzj", std::move(d));
        type("jzwd", std::move(t));
        type("jzyl", "1");
        type("jzls", std::move(w));
        app.click(ScreenId::Form2, "Command2");
    }
    void right(std::string t, std::string w, std::string G) {
        type("jzwd1", std::move(t));
        type("jzyl1", "1");
        type("jzls1", std::move(w));
        type("jzll1", std::move(G));
        app.click(ScreenId::Form2, "Command3");
    }
    shell::MemoryApp app;
};

// Just beyond half a kelvin from saturation the medium is steam above the line
// and water below it.
TEST_F(PipeScreen, BothBlocksTakeTheSideOfTheLineAndGiveEachOtherBack) {
    const double ts = props::ifc_pswsat_t(kP);
    const auto sp_owned = props::make_water_steam(props::Formulation::IFC67);
    props::WaterSteam& sp = *sp_owned;
    for (const auto& [t, v] :
         {std::pair{ts + 0.501, sp.pswv_ptstm(kP, ts + 0.501)}, std::pair{ts - 0.501, sp.pswv_ptwtr(kP, ts - 0.501)}}) {
        left("200", exact(t), "30");
        EXPECT_EQ(text("jzll"), shell::FormatWithPattern(pipe_flow(200, 30, v), "0.0000"));
        right(exact(t), "30", text("jzll"));
        // The left diameter comes back enlarged, but for the four decimals of the flow.
        const double flow = std::stod(text("jzll"));
        EXPECT_NEAR(std::stod(text("gdzj1")) / 200, 1.000254, 0.00005 / flow / 2 + 1e-6);
    }
}

TEST_F(PipeScreen, EveryFieldIsReadWholeAndFailuresKeepTheResult) {
    left("100", "150℃", "2m/s");
    EXPECT_EQ(text("jzll"), "51.8629");
    left("100mm", "150", "2");  // the field's own unit
    EXPECT_EQ(text("jzll"), "51.8629");
    for (const auto& [bad, message] : {std::pair{"", "“管道直径”为空"},
                                       {"abc", "“管道直径”无法识别：“abc”"},
                                       {"10cm", "“管道直径”无法识别：“10cm”"},
                                       {"0", "“管道直径”须大于0 mm（现为“0”）"}}) {
        left(bad, "150", "2");
        EXPECT_EQ(text("jzll"), "51.8629");
        EXPECT_EQ(text("Message"), message);
    }
    right("150", "2", "50");
    const std::string good = text("gdzj1");
    for (const auto& [w, G] : {std::pair{"0", "50"}, {"2", "-50"}, {"2", "1e999"}}) {
        right("150", w, G);
        EXPECT_EQ(text("gdzj1"), good) << w << ' ' << G;
        EXPECT_NE(text("Message"), "");
    }
    type("jzll1", "50");
    type("jzyl1", "-1");  // below vacuum
    app.click(ScreenId::Form2, "Command3");
    EXPECT_EQ(text("gdzj1"), good);
    EXPECT_EQ(text("Message"), "“介质压力”加上大气压须大于0 MPa（绝对压力现为-0.9017 MPa）");
}

TEST_F(PipeScreen, HintPromptsListsAndTheAtmosphere) {
    type("jzwd", "150");
    EXPECT_EQ(text("Label3"), kAskPressure);
    type("jzyl1", "1");
    EXPECT_EQ(text("Label3"), kAskTemperature);
    type("jzyl", "1");  // saturation at 1.0983 MPa is about 184 degC
    EXPECT_EQ(text("Label3"), kWaterVelocities);
    type("jzwd", "250");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    type("dqyz", "5");  // 250 degC would now be water, but the atmosphere alone changes nothing
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    app.click(ScreenId::Form2, "Command2");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    type("jzyl", "1");
    EXPECT_EQ(text("Label3"), kWaterVelocities);
    type("jzyl", "-6");  // no absolute pressure: the hint stays and the line says why
    EXPECT_EQ(text("Label3"), kWaterVelocities);
    EXPECT_EQ(text("Message"), shell::kMsgOutOfFormulation);
    type("dqyz", "0.0983");
    // A temperature change compares with the line at p + 0.0000001 for water.
    const double ts = props::ifc_pswsat_t(kP + 0.0000001);
    type("jzyl", "1");
    type("jzwd", exact(ts));
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    type("jzwd", exact(std::nextafter(ts, 0.0)));
    EXPECT_EQ(text("Label3"), kWaterVelocities);
}

TEST_F(PipeScreen, HintKeepsItsTextWhileAFieldIsNoNumber) {
    type("jzyl", "1");
    type("jzwd", "100");
    ASSERT_EQ(text("Label3"), kWaterVelocities);
    for (const char* other : {"", "-", "1MPa", "abc"}) {
        type("jzwd", other);  // being retyped: the hint stays
        ASSERT_EQ(text("Label3"), kWaterVelocities);
        type("jzyl", "5");  // taken as 0 the temperature would be asked for
        EXPECT_EQ(text("Label3"), kWaterVelocities) << '"' << other << '"';
        EXPECT_EQ(text("Message"), "");
    }
}

// A change of jzyl1 compares with the line at p + 0.00000001 for water and at
// p + 0.000001 for steam; in between, ends included, the hint keeps its text.
TEST_F(PipeScreen, RightPressureHasABandWhereTheHintStays) {
    const double low = props::ifc_pswsat_t(kP + 0.00000001);
    const double high = props::ifc_pswsat_t(kP + 0.000001);
    ASSERT_LT(low, high);
    type("jzyl", "1");
    const struct {
        double t;
        const char* left;
        const std::string& hint;
    } cases[] = {
        {low, "100", kWaterVelocities},
        {low, "500", kSteamVelocities},
        {high, "100", kWaterVelocities},
        {high, "500", kSteamVelocities},
        {std::nextafter(low, 0.0), "500", kWaterVelocities},
        {std::nextafter(high, 1e3), "100", kSteamVelocities},
    };
    for (const auto& c : cases) {
        type("jzwd1", exact(c.t));
        type("jzwd", c.left);  // the left block sets the hint, then the right pressure changes
        type("jzyl1", "1");
        EXPECT_EQ(text("Label3"), c.hint) << exact(c.t) << ' ' << c.left;
    }
}

TEST(VelocityLists, LinesAsPrinted) {
    const auto count = [](const std::string& s) {
        std::size_t n = 1;
        for (std::size_t at = 0; (at = s.find("\r\n", at)) != std::string::npos; at += 2) ++n;
        return n;
    };
    EXPECT_EQ(count(kWaterVelocities), 8u);
    EXPECT_EQ(count(kSteamVelocities), 7u);
    EXPECT_EQ(kWaterVelocities.rfind("1、给水再循环管道流速<4m/s\r\n 2、", 0), 0u);
    EXPECT_NE(kSteamVelocities.find("\r\n6、抽汽管道流速=30-50m/s\r\n 7、"), std::string::npos);
    EXPECT_EQ(kSteamVelocities.back(), 's');
}

}  // namespace
}  // namespace entalix::equipment
