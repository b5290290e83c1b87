// The motor, pump and heating-area estimators: their figures and the presses
// whose formula has no value.
#include <gtest/gtest.h>

#include "catalog/catalog.h"
#include "estimators/heating_area_screen.h"
#include "estimators/motor_screen.h"
#include "estimators/pump_screen.h"
#include "shell/controller.h"
#include "shell/errors.h"
#include "shell/memory_app.h"

namespace entalix::estimators {
namespace {

using shell::ScreenId;

std::string failure(auto&& press) {
    try {
        press();
    } catch (const shell::CalculationError& e) {
        return e.what();
    }
    return "no failure";
}

TEST(Estimators, MotorRunningPower) {
    const struct {
        const char *U, *I, *In, *cn, *P;
    } cases[] = {
        {"10", "100", "100", "0.85", "1472.24"},      {"10", "50", "100", "0.85", "625.70"},  // cn squared at half load
        {"10kV", "100A", "100 A", "0.85", "1472.24"}, {"6", "200", "100", "0.8", "1859.03"},
        {"10", "100", "100", "1", "1732.05"},  // a power factor of one stays one
    };
    for (const auto& c : cases) EXPECT_EQ(MotorRunningPower(c.U, c.I, c.In, c.cn), c.P) << c.I << ' ' << c.cn;
    EXPECT_EQ(failure([] { MotorRunningPower("10", "100", "0", "0.85"); }),
              "“额定电流”须大于0且不大于50000 A（现为“0”）");
    EXPECT_EQ(failure([] { MotorRunningPower("10", "0", "100", "0.85"); }),
              "“运行电流”须大于0且不大于50000 A（现为“0”）");
    EXPECT_EQ(failure([] { MotorRunningPower("10", "-50", "100", "0"); }),
              "“运行电流”须大于0且不大于50000 A（现为“-50”）");
    // A motor of 10^6 kV is a slip of the keyboard: refused by its field, never
    // a power too wide for its box (1396173043699930747633664.00 kW).
    EXPECT_EQ(failure([] { MotorRunningPower("1000000", "806111", "100", "0.85"); }),
              "“运行电流”须大于0且不大于50000 A（现为“806111”）");
    EXPECT_EQ(failure([] { MotorRunningPower("1e6", "100", "100", "0.85"); }),
              "“运行电压”须大于0且不大于50 kV（现为“1e6”）");
    EXPECT_EQ(MotorRunningPower("50", "50000", "50000", "1"), "4330127.02");  // the widest a plant's motor gives
}

TEST(Estimators, PumpShaftPowerAndHeatingArea) {
    EXPECT_EQ(PumpShaftPower("1000", "50", "100", "80"), "17.02");
    EXPECT_EQ(PumpShaftPower("1000", "50", "100", "80%"), "17.02");
    EXPECT_EQ(PumpShaftPower("1000", "50", "100", "100"), "13.62");
    EXPECT_EQ(failure([] { PumpShaftPower("abc", "50", "100", "80"); }), "“工质密度”无法识别：“abc”");
    EXPECT_EQ(failure([] { PumpShaftPower("1000", "50", "100", "0"); }), "“水泵效率”须不小于5且不大于100 %（现为“0”）");
    EXPECT_EQ(failure([] { PumpShaftPower("1e300", "1e300", "100", "80"); }),
              "“工质密度”须大于0且不大于3000 kg/m3（现为“1e300”）");
    EXPECT_EQ(PumpShaftPower("3000", "5000", "100000", "5"), "81699346.41");  // every limit at once
    EXPECT_EQ(HeatingArea("100", "50"), "55.56");
    EXPECT_EQ(HeatingArea("36Gj", "1000w"), "1.00");
    EXPECT_EQ(failure([] { HeatingArea("100", "0"); }), "“单位面积功率”须不小于10且不大于1000 w（现为“0”）");
    EXPECT_EQ(failure([] { HeatingArea("1e308", "1e-300"); }), "“小时供热量”须大于0且不大于100000 Gj（现为“1e308”）");
    EXPECT_EQ(HeatingArea("100000", "10"), "277777.78");
    EXPECT_EQ(failure([] { HeatingArea("1e999", "1"); }), "“小时供热量”的数值太大：“1e999”");
}

// An efficiency typed as a fraction is computed as the percentage typed, and
// the press asks whether the fraction was meant; a percentage is not asked about.
TEST(Estimators, AFractionInAPercentageFieldIsQuestioned) {
    const shell::ScreenDesc& pump = catalog::screen_desc(ScreenId::Form14);
    const struct {
        const char* efficiency;
        const char* power;
        const char* warning;
    } cases[] = {
        {"0.8", "1702.07", "水泵效率为0.8 %，是否应为80 %？"},
        {"1 %", "1361.66", "水泵效率为1 %，是否应为100 %？"},
        {"80", "17.02", ""},
        {"5", "272.33", ""},
    };
    for (const auto& c : cases) {
        shell::Fields fields = pump.default_fields();
        for (const auto& [field, text] : {std::pair{"Text1", "1000"}, {"Text5", "50"}, {"Text6", "100"}})
            fields.set(field, text);
        fields.set("Text7", c.efficiency);
        const std::optional<shell::Outcome> outcome = shell::run_event(pump, "Command2_Click", fields);
        ASSERT_TRUE(outcome && !outcome->failed) << c.efficiency;
        EXPECT_EQ(outcome->texts, (std::vector<std::pair<std::string, std::string>>{{"yxgl", c.power}}));
        EXPECT_EQ(outcome->warning, c.warning);
    }
    // Between the fraction and the plausible floor the press is still refused.
    EXPECT_EQ(failure([] { PumpShaftPower("1000", "50", "100", "3"); }), "“水泵效率”须不小于5且不大于100 %（现为“3”）");
}

// The defaults have no value: the first press says why and writes nothing; a
// good press writes and clears the line; a failing one keeps the last result.
TEST(Estimators, ScreensWriteTheResultOrKeepItAndSayWhy) {
    const struct {
        ScreenId id, menu;
        const char* menu_button;
        std::vector<std::pair<const char*, const char*>> inputs;
        const char* result;
    } screens[] = {
        {ScreenId::Form9,
         ScreenId::Form13,
         "Command1",
         {{"Text1", "10"}, {"Text5", "50"}, {"Text7", "0.85"}, {"Text6", "100"}},
         "625.70"},
        {ScreenId::Form14,
         ScreenId::Form13,
         "Command2",
         {{"Text1", "1000"}, {"Text5", "50"}, {"Text6", "100"}, {"Text7", "80"}},
         "17.02"},
        {ScreenId::Form15, ScreenId::Form3, "Command5", {{"Text1", "100"}, {"Text5", "50"}}, "55.56"},
    };
    for (const auto& s : screens) {
        shell::MemoryApp app(catalog::screen_desc);
        app.start();
        app.click(ScreenId::Form1, s.menu == ScreenId::Form3 ? "Command2" : "Command5");
        app.click(s.menu, s.menu_button);
        app.click(s.id, "Command2");
        EXPECT_EQ(app.text(s.id, "yxgl"), "");
        EXPECT_NE(app.text(s.id, "Message"), "");
        for (const auto& [field, text] : s.inputs) app.type(s.id, field, text);
        app.click(s.id, "Command2");
        EXPECT_EQ(app.text(s.id, "yxgl"), s.result);
        EXPECT_EQ(app.text(s.id, "Message"), "");
        app.type(s.id, s.inputs.back().first, "0");
        app.click(s.id, "Command2");
        EXPECT_EQ(app.text(s.id, "yxgl"), s.result);
        EXPECT_NE(app.text(s.id, "Message"), "");
        app.click(s.id, "Command3");
        EXPECT_EQ(app.visible_screens(), std::vector<ScreenId>{s.menu});
    }
}

}  // namespace
}  // namespace entalix::estimators
