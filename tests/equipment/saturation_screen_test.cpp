// The saturation screen: the figures a plant engineer reads off it.
#include "equipment/saturation_screen.h"

#include <gtest/gtest.h>

#include "catalog/catalog.h"
#include "shell/memory_app.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;

struct UpCase {
    const char* temperature;
    const char* atmospheric;
    const char* pressure;
};

class SaturationUp : public ::testing::TestWithParam<UpCase> {};

TEST_P(SaturationUp, GivesGaugePressure) {
    const UpCase& c = GetParam();
    const auto ifc67 = props::make_water_steam(props::Formulation::IFC67);
    EXPECT_EQ(SatGaugePressureFromTemperature(c.temperature, c.atmospheric, *ifc67), c.pressure);
}

INSTANTIATE_TEST_SUITE_P(Figures, SaturationUp,
                         ::testing::Values(UpCase{"100", "0.0983", "0.0030"}, UpCase{"374.14", "0.0983", "22.0189"},
                                           UpCase{"374.15", "0.0983", "错误"}, UpCase{"0", "0.0983", "-0.0977"},
                                           UpCase{"100", "0", "0.1013"}, UpCase{"400", "abc", "错误"},
                                           UpCase{"１００℃", "０．０９８３", "0.0030"}));

struct DownCase {
    const char* pressure;
    const char* atmospheric;
    const char* temperature;
};

class SaturationDown : public ::testing::TestWithParam<DownCase> {};

TEST_P(SaturationDown, GivesTemperature) {
    const DownCase& c = GetParam();
    const auto ifc67 = props::make_water_steam(props::Formulation::IFC67);
    EXPECT_EQ(SatTemperatureFromGaugePressure(c.pressure, c.atmospheric, *ifc67), c.temperature);
}

INSTANTIATE_TEST_SUITE_P(Figures, SaturationDown,
                         ::testing::Values(DownCase{"0", "0.0983", "99.1534"}, DownCase{"1", "0.0983", "183.9991"},
                                           DownCase{"0.5", "0.0983", "158.7267"},
                                           DownCase{"22.03", "0.0983", "374.1817"}, DownCase{"22.1", "0.0983", "错误"},
                                           DownCase{"22.031", "0.0983", "错误"}, DownCase{"-0.09", "0.0983", "42.2345"},
                                           DownCase{"0", "0.1013", "99.9933"},
                                           DownCase{"1 MPa", "0.0983", "183.9991"}));

class SaturationScreen : public ::testing::Test {
protected:
    SaturationScreen() : app(catalog::screen_desc) {
        app.start();
        app.click(ScreenId::Form1, "Command4");
    }
    const std::string& text(const char* control) { return app.text(ScreenId::Form8, control); }
    shell::MemoryApp app;
};

TEST_F(SaturationScreen, EachButtonWritesOnlyItsOutputField) {
    app.type(ScreenId::Form8, "Text1", "100");
    app.click(ScreenId::Form8, "Command1");
    EXPECT_EQ(text("Text2"), "0.0030");
    EXPECT_EQ(text("Text1"), "100");
    EXPECT_EQ(text("Text7"), "0.0983");
    app.type(ScreenId::Form8, "Text2", "1");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(text("Text1"), "183.9991");
    EXPECT_EQ(text("Text2"), "1");
}

TEST_F(SaturationScreen, ImpossibleInputsWriteNothingAndSayWhy) {
    for (const char* below_freezing : {"-0.01", "-273.15", "-1e6"}) {
        app.type(ScreenId::Form8, "Text1", below_freezing);
        app.click(ScreenId::Form8, "Command1");
        EXPECT_EQ(text("Text2"), "0") << below_freezing;
        EXPECT_EQ(text("Message"), std::string("“饱和温度”须不低于0 ℃（水和水蒸汽）（现为“") + below_freezing + "”）");
    }
    app.type(ScreenId::Form8, "Text1", "100");
    for (const char* no_absolute_pressure : {"-0.0983", "-0.5"}) {
        app.type(ScreenId::Form8, "Text2", no_absolute_pressure);
        app.click(ScreenId::Form8, "Command2");
        EXPECT_EQ(text("Text1"), "100");
        EXPECT_EQ(text("Message").rfind("“饱和压力”加上大气压须大于0 MPa", 0), 0u) << text("Message");
    }
    // A negative atmosphere is no atmosphere, and "错误" is no pressure.
    app.type(ScreenId::Form8, "Text2", "1");
    app.type(ScreenId::Form8, "Text7", "-0.5");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(text("Text1"), "100");
    EXPECT_EQ(text("Message"), "“大气压值”须不小于0 MPa（现为“-0.5”）");
    app.type(ScreenId::Form8, "Text7", "0.0983");
    app.type(ScreenId::Form8, "Text2", "错误");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(text("Text1"), "100");
    EXPECT_EQ(text("Message"), "“饱和压力”无法识别：“错误”");
}

TEST_F(SaturationScreen, PropertyFailuresShowErrorAndSayWhy) {
    app.type(ScreenId::Form8, "Text2", "-0.0982999999999");  // too small for the iteration
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(text("Text1"), "错误");
    app.type(ScreenId::Form8, "Text2", "1");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(text("Text1"), "183.9991");
    EXPECT_EQ(text("Message"), "");  // a successful press clears the message
}

TEST_F(SaturationScreen, NumberTooLargeForADoubleWritesNothing) {
    app.type(ScreenId::Form8, "Text1", "1e999");
    app.click(ScreenId::Form8, "Command1");
    EXPECT_EQ(text("Text2"), "0");
    EXPECT_EQ(text("Message"), "“饱和温度”的数值太大：“1e999”");
    app.type(ScreenId::Form8, "Text7", "-1e400");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(text("Text1"), "1e999");  // the output field keeps its text
}

TEST_F(SaturationScreen, LimitsSayWhyBesideTheErrorText) {
    app.type(ScreenId::Form8, "Text1", "374.15");
    app.click(ScreenId::Form8, "Command1");
    EXPECT_EQ(text("Text2"), "错误");
    EXPECT_NE(text("Message"), "");
}

}  // namespace
}  // namespace entalix::equipment
