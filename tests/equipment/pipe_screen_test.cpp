// The pipe screen: both sizing blocks and the velocity hint that follows the typing.
#include "equipment/pipe_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>

#include "catalog/catalog.h"
#include "props/saturation.h"
#include "shell/errors.h"
#include "shell/memory_app.h"
#include "shell/numbers.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;

constexpr double kPa = 0.0983;  // the screen's default atmosphere

// A number written so that reading it back gives the same double.
std::string exact(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

TEST(PipeBlocks, FlowIsZeroForAZeroDiameterOrVelocity) {
    EXPECT_EQ(PipeFlow(0, 2, 0.001), 0.0);
    EXPECT_EQ(PipeFlow(100, 0, 0.001), 0.0);
    EXPECT_EQ(PipeDiameter(0, 2, 0.001), 0.0);
}

TEST(PipeBlocks, FlowThroughAHundredMillimetrePipe) {
    // 0.05^2 pi m2 at 2 m/s of water at 0.001 m3/kg: 15.708 kg/s = 56.549 t/h.
    EXPECT_NEAR(PipeFlow(100, 2, 0.001), 56.5486677, 1e-6);
}

// The diameter block takes pi as 3.14: it gives back the other block's
// diameter enlarged by the root of 3.141592654 / 3.14.
TEST(PipeBlocks, RightBlockGivesBackTheLeftDiameterTimesTheRootOfThePiRatio) {
    const double ratio = std::sqrt(3.141592654 / 3.14);
    for (double v : {0.00104, 0.258, 2.0})
        for (double d : {25.0, 100.0, 600.0})
            EXPECT_NEAR(PipeDiameter(PipeFlow(d, 2.5, v), 2.5, v) / d, ratio, 1e-12) << d << ' ' << v;
    EXPECT_NEAR(ratio, 1.000254, 5e-7);
}

TEST(PipeBlocks, DiameterUndefinedForAStillMediumOrANegativeRadicand) {
    EXPECT_THROW(PipeDiameter(50, 0, 0.001), shell::ArithmeticFault);
    EXPECT_THROW(PipeDiameter(0, 0, 0.001), shell::ArithmeticFault);
    EXPECT_THROW(PipeDiameter(-50, 2, 0.001), shell::ArithmeticFault);
    EXPECT_THROW(PipeDiameter(50, -2, 0.001), shell::ArithmeticFault);
    EXPECT_EQ(PipeDiameter(-50, -2, 0.001), PipeDiameter(50, 2, 0.001));
}

class PipeScreen : public ::testing::Test {
protected:
    PipeScreen() : app(catalog::screen_desc) {
        app.start();
        app.click(ScreenId::Form1, "Command1");
    }
    void type(const char* field, std::string text) { app.type(ScreenId::Form2, field, std::move(text)); }
    void click(const char* button) { app.click(ScreenId::Form2, button); }
    const std::string& text(const char* control) { return app.text(ScreenId::Form2, control); }
    shell::MemoryApp app;
};

TEST_F(PipeScreen, LeftBlockFlowFromTheVolumeOfWaterOrSteam) {
    type("gdzj", "100");
    type("jzwd", "150");
    type("jzyl", "1");
    type("jzls", "2");
    click("Command2");
    props::SteamProperties properties;
    const double p = 1 + kPa;
    EXPECT_EQ(text("jzll"), shell::FormatWithPattern(PipeFlow(100, 2, properties.pswv_ptwtr(p, 150)), "0.0000"));
    EXPECT_EQ(text("jzll"), "51.8629");
    type("jzwd", "250");
    click("Command2");
    EXPECT_EQ(text("jzll"), shell::FormatWithPattern(PipeFlow(100, 2, properties.pswv_ptstm(p, 250)), "0.0000"));
    EXPECT_EQ(text("gdzj1"), "");  // the other block is untouched
}

TEST_F(PipeScreen, ATemperatureAtSaturationIsSteamForBothBlocks) {
    const double p = 1 + kPa;
    const double ts = props::pswsat_t(p);
    props::SteamProperties properties;
    for (const auto& [t, v] : {std::pair{ts, properties.pswv_ptstm(p, ts)},
                               std::pair{ts - 0.001, properties.pswv_ptwtr(p, ts - 0.001)}}) {
        type("gdzj", "100");
        type("jzwd", exact(t));
        type("jzyl", "1");
        type("jzls", "30");
        click("Command2");
        EXPECT_EQ(text("jzll"), shell::FormatWithPattern(PipeFlow(100, 30, v), "0.0000"));
        type("jzwd1", exact(t));
        type("jzyl1", "1");
        type("jzls1", "30");
        type("jzll1", "20");
        click("Command3");
        EXPECT_EQ(text("gdzj1"), shell::FormatWithPattern(PipeDiameter(20, 30, v), "0.0000"));
    }
}

TEST_F(PipeScreen, RightBlockOnTheLeftBlocksFlowGivesItsDiameterEnlarged) {
    for (const char* t : {"150", "250"}) {
        type("gdzj", "200");
        type("jzwd", t);
        type("jzyl", "1");
        type("jzls", "3");
        click("Command2");
        type("jzwd1", t);
        type("jzyl1", "1");
        type("jzls1", "3");
        type("jzll1", text("jzll"));
        click("Command3");
        // Apart from the four decimals of the displayed flow.
        const double flow = std::stod(text("jzll"));
        EXPECT_NEAR(std::stod(text("gdzj1")) / 200, std::sqrt(3.141592654 / 3.14), 0.00005 / flow / 2 + 1e-6) << t;
    }
}

TEST_F(PipeScreen, OnlyTheDiameterIsReadStrictly) {
    type("jzwd", "150℃");
    type("jzyl", "1MPa");
    type("jzls", "2m/s");
    type("gdzj", "100");
    click("Command2");
    EXPECT_EQ(text("jzll"), "51.8629");
    type("gdzj", "100mm");
    click("Command2");
    EXPECT_EQ(text("jzll"), "51.8629");
    EXPECT_EQ(text("Message"), "“管道直径”不是数字");
    type("gdzj", "");
    click("Command2");
    EXPECT_EQ(text("Message"), "“管道直径”不是数字");
    type("gdzj", " 0 ");
    click("Command2");
    EXPECT_EQ(text("jzll"), "0.0000");
    EXPECT_EQ(text("Message"), "");
}

TEST_F(PipeScreen, UndefinedPressesKeepTheResultAndSayWhy) {
    type("jzwd1", "150");
    type("jzyl1", "1");
    type("jzls1", "2");
    type("jzll1", "50");
    click("Command3");
    const std::string good = text("gdzj1");
    ASSERT_NE(good, "");
    const std::pair<const char*, const char*> faults[] = {
        {"jzls1", "0"},         // a still medium
        {"jzll1", "-50"},       // negative under the root
        {"jzyl1", "-0.0983"},   // no absolute pressure
        {"jzyl1", "-5"},        // below vacuum
        {"jzll1", "1e999"},     // beyond a double
    };
    for (const auto& [field, bad] : faults) {
        const std::string before = text(field);
        type(field, bad);
        click("Command3");
        EXPECT_EQ(text("gdzj1"), good) << field << '=' << bad;
        EXPECT_NE(text("Message"), "") << field << '=' << bad;
        type(field, before);
    }
    type("jzll1", "0");
    click("Command3");
    EXPECT_EQ(text("gdzj1"), "0.0000");  // no flow needs no pipe
}

// ---- the velocity hint ----

TEST_F(PipeScreen, HintAsksForTheOtherFieldOfItsBlockWhileThatIsZero) {
    EXPECT_EQ(text("Label3"), "");
    type("jzwd", "150");
    EXPECT_EQ(text("Label3"), kAskPressure);
    type("jzyl1", "1");
    EXPECT_EQ(text("Label3"), kAskTemperature);
    type("jzwd1", "1");
    EXPECT_EQ(text("Label3"), kWaterVelocities);
    type("jzyl", "0.0");  // the left block changed last: 150 degC at atmospheric pressure
    EXPECT_EQ(text("Label3"), kSteamVelocities);
}

TEST_F(PipeScreen, HintShowsWaterBelowAndSteamAboveTheSaturationTemperature) {
    type("jzyl", "1");  // saturation at 1.0983 MPa is about 184 degC
    type("jzwd", "150");
    EXPECT_EQ(text("Label3"), kWaterVelocities);
    type("jzwd", "250");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    type("jzyl", "5");  // now the same 250 degC is water
    EXPECT_EQ(text("Label3"), kWaterVelocities);
    // A change of temperature compares with the line at p + 0.0000001 for
    // water and at p itself for steam.
    const double ts = props::pswsat_t(5 + kPa + 0.0000001);
    type("jzwd", exact(ts));
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    type("jzwd", exact(std::nextafter(ts, 0.0)));
    EXPECT_EQ(text("Label3"), kWaterVelocities);
}

TEST_F(PipeScreen, ChangingTheAtmosphereAloneLeavesTheHint) {
    type("jzyl", "1");
    type("jzwd", "250");
    ASSERT_EQ(text("Label3"), kSteamVelocities);
    type("dqyz", "5");  // 250 degC would now be water
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    type("jzwd", "250");
    EXPECT_EQ(text("Label3"), kWaterVelocities);
}

TEST_F(PipeScreen, HintKeepsItsTextWhileTheOtherFieldIsNoNumber) {
    type("jzyl", "1");
    for (const char* other : {"", "-", "1MPa", "abc"}) {
        type("jzwd", other);  // read leniently here: 0 or 1 degC, water
        ASSERT_EQ(text("Label3"), kWaterVelocities) << '"' << other << '"';
        type("jzyl", "5");  // taken as 0 the temperature would be asked for
        EXPECT_EQ(text("Label3"), kWaterVelocities) << '"' << other << '"';
        EXPECT_EQ(text("Message"), "");
        type("jzyl", "1");
    }
    type("jzwd", "250");
    type("jzwd1", "250");
    ASSERT_EQ(text("Label3"), kAskPressure);
    type("jzyl1", "1");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    type("jzyl1", "");
    type("jzwd1", "20");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
}

TEST_F(PipeScreen, HintWithoutAnAbsolutePressureKeepsItsTextAndSaysWhy) {
    type("jzyl", "1");
    type("jzwd", "250");
    type("jzyl", "-1");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    EXPECT_EQ(text("Message"), shell::kMsgOutOfFormulation);
    type("jzyl", "1");
    EXPECT_EQ(text("Message"), "");
}

TEST_F(PipeScreen, PressingTheButtonsLeavesTheHint) {
    type("jzwd", "150");
    click("Command2");
    click("Command3");
    EXPECT_EQ(text("Label3"), kAskPressure);
}

// In the right block a change of pressure compares the temperature with the
// saturation line at p + 0.00000001 for water and at p + 0.000001 for steam:
// between the two the hint keeps its text.
TEST_F(PipeScreen, RightPressureHasABandWhereTheHintStays) {
    const double p = 1 + kPa;
    const double low = props::pswsat_t(p + 0.00000001);
    const double high = props::pswsat_t(p + 0.000001);
    ASSERT_LT(low, props::pswsat_t(p + 0.0000001));
    ASSERT_LT(props::pswsat_t(p + 0.0000001), high);
    const double inside = low + (high - low) / 2;
    type("jzwd1", exact(inside));
    ASSERT_EQ(text("Label3"), kAskPressure);
    type("jzyl1", "1");
    EXPECT_EQ(text("Label3"), kAskPressure);
    type("jzyl", "1");
    type("jzwd", "100");
    ASSERT_EQ(text("Label3"), kWaterVelocities);
    type("jzyl1", "1");
    EXPECT_EQ(text("Label3"), kWaterVelocities);
    type("jzwd", "500");
    ASSERT_EQ(text("Label3"), kSteamVelocities);
    type("jzyl1", "1");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
    // Both ends belong to the band; outside it the pressure change decides.
    // The left block sets the hint after each temperature of the right block.
    const struct {
        double t;
        const char* left_temperature;
        const std::string& expected;
    } cases[] = {
        {low, "100", kWaterVelocities},
        {low, "500", kSteamVelocities},
        {high, "100", kWaterVelocities},
        {high, "500", kSteamVelocities},
        {std::nextafter(low, 0.0), "500", kWaterVelocities},
        {std::nextafter(high, 1000.0), "100", kSteamVelocities},
    };
    for (const auto& c : cases) {
        type("jzwd1", exact(c.t));
        type("jzwd", c.left_temperature);
        type("jzyl1", "1");
        EXPECT_EQ(text("Label3"), c.expected) << exact(c.t) << ' ' << c.left_temperature;
    }
    // The left block's pressure compares both ways at p + 0.0000001.
    type("jzwd", exact(inside));
    type("jzyl", "1");
    EXPECT_EQ(text("Label3"), kSteamVelocities);
}

TEST(VelocityLists, LinesAsPrinted) {
    const auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        std::size_t start = 0;
        for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
            out.push_back(text.substr(start, at - start));
        out.push_back(text.substr(start));
        return out;
    };
    const auto water = lines(kWaterVelocities);
    ASSERT_EQ(water.size(), 8u);
    EXPECT_EQ(water[0], "1、给水再循环管道流速<4m/s");
    EXPECT_EQ(water[4], " 4、凝结水泵出口管道流速=1-3m/s");
    EXPECT_EQ(water[7], " 6、工业水管道流速=2-3m/s");
    const auto steam = lines(kSteamVelocities);
    ASSERT_EQ(steam.size(), 7u);
    EXPECT_EQ(steam[1], " 2、主蒸汽 （超临界、高压）管道流速=40-60m/s");
    EXPECT_EQ(steam[5], "6、抽汽管道流速=30-50m/s");
    EXPECT_EQ(steam[6], " 7、至减温器管道流速=30-50m/s");
    for (const auto& line : water) EXPECT_EQ(line.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace entalix::equipment
