// Every calculation screen with IAPWS-IF97 through a few states of a plant,
// supercritical units included. The expected numbers come from python3-iapws
// (an independent IAPWS-IF97 implementation), computed once at (p, t) and
// pasted: an inverse pair must find the state they describe.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "catalog/catalog.h"
#include "cli/screens_cli.h"
#include "props/validity.h"
#include "shell/controller.h"
#include "shell/memory_app.h"

namespace entalix {
namespace {

using props::Formulation;
using shell::ScreenId;

shell::Outcome press(ScreenId id, const std::string& event, const std::map<std::string, std::string>& given,
                     Formulation formulation = Formulation::IF97) {
    const shell::ScreenDesc& desc = catalog::screen_desc(id);
    shell::Fields fields = desc.default_fields();
    for (const auto& [name, text] : given) fields.set(name, text);
    fields.set_formulation(formulation);
    return *shell::run_event(desc, event, fields);
}

std::string written(const shell::Outcome& outcome, const std::string& control) {
    for (const auto& [name, text] : outcome.texts)
        if (name == control) return text;
    return "<not written: " + outcome.message + ">";
}

// Plant states from python3-iapws at (p, t): v, h, s.
struct PlantState {
    double p, t, v, h, s, x;  // x in percent as shown
};
constexpr PlantState kMainSteam{24.2, 566, 0.013716618326, 3398.77617479, 6.26596024965, 100};    // region 2
constexpr PlantState kSupercritical{25, 380, 0.00221834736585, 1935.66545441, 4.16698498903, 0};  // region 3
constexpr PlantState kHotMain{31, 600, 0.0110099022268, 3437.37513875, 6.21369425181, 100};
constexpr PlantState kFeedwater{30, 280, 0.00127700337081, 1229.56219306, 2.99967291213, 0};  // region 1
constexpr PlantState kReheat{4, 540, 0.0914563852427, 3537.33977931, 7.20728703038, 100};
constexpr PlantState kExhaust{0.005, 32.8754895238, 25.3677750378, 2318.4651057, 7.60214849101, 90};  // wet
constexpr PlantState kEvaporator{8.58770832956, 300, 0.00646893340848, 1695.9719399, 3.86749631708, 25};
constexpr PlantState kCritical{22.064, 373.946, 0.003105590062111801, 2087.5468451171537, 4.412021482236347, 50};
constexpr PlantState kRegion5{40, 1500, 0.0207093747244, 5914.86668085, 8.05367885569, 100};

std::string text(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

TEST(If97Screens, SteamCalculatorsSolveEveryPairOverTheWholeRange) {
    // Rows: 1 p, 2 t, 3 h, 4 s, 5 v, 6 x.
    const struct {
        const char* name;
        PlantState state;
        int first, second;
    } cases[] = {
        {"(p,t) main steam 24.2 MPa 566 degC", kMainSteam, 1, 2},
        {"(p,t) supercritical 25 MPa 380 degC", kSupercritical, 1, 2},
        {"(p,t) region 5", kRegion5, 1, 2},
        {"(p,h) supercritical", kSupercritical, 1, 3},
        {"(p,h) reheat", kReheat, 1, 3},
        {"(p,s) main steam", kMainSteam, 1, 4},
        {"(p,v) 31 MPa 600 degC", kHotMain, 1, 5},
        {"(p,x) exhaust", kExhaust, 1, 6},
        {"(p,x) critical point", kCritical, 1, 6},
        {"(t,h) feedwater", kFeedwater, 2, 3},
        {"(t,s) supercritical", kSupercritical, 2, 4},
        {"(t,v) reheat", kReheat, 2, 5},
        {"(t,x) evaporator", kEvaporator, 2, 6},
        {"(t,x) critical point", kCritical, 2, 6},
    };
    for (const auto& c : cases) {
        const PlantState& s = c.state;
        const std::string values[] = {text(s.p, 6), text(s.t, 6), text(s.h, 6),
                                      text(s.s, 9), text(s.v, 9), text(s.x, 2)};
        std::map<std::string, std::string> fields{
            {"Check" + std::to_string(c.first), "1"},
            {"Check" + std::to_string(c.second), "1"},
            {"Text" + std::to_string(c.first), values[c.first - 1]},
            {"Text" + std::to_string(c.second), values[c.second - 1]},
        };
        const shell::Outcome outcome = press(ScreenId::Form11, "Command1_Click", fields);
        ASSERT_TRUE(outcome.state) << c.name << ": " << written(outcome, "Label3");
        const shell::StateValues& shown = *outcome.state;
        // Six decimals shown; the typed h of (p,h) and s of (p,s) with four.
        const bool s_typed = c.first == 1 && c.second == 4;
        EXPECT_NEAR(shown.p.value, s.p, 1e-6 + 1e-5 * s.p) << c.name;
        EXPECT_NEAR(shown.t.value, s.t, 2e-4) << c.name;
        EXPECT_NEAR(shown.v.value, s.v, 6e-7 + 1e-6 * s.v) << c.name;
        EXPECT_NEAR(shown.h.value, s.h, 2e-4) << c.name;
        EXPECT_NEAR(shown.s.value, s.s, s_typed ? 6e-5 : 2e-6) << c.name;
        EXPECT_EQ(shown.x.value, s.x) << c.name;
        EXPECT_EQ(outcome.formulation, "IAPWS-IF97") << c.name;
        EXPECT_TRUE(outcome.warning.empty()) << c.name;
    }
}

TEST(If97Screens, GaugeCalculatorShowsTheGaugePressureAndRefusesWetSteamBeyondCritical) {
    // 24.1017 MPa gauge with 0.0983 MPa of atmosphere: the main steam above.
    const shell::Outcome outcome = press(ScreenId::Form12, "Command1_Click",
                                         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "24.1017"}, {"Text2", "566"}});
    EXPECT_EQ(written(outcome, "Label3"),
              "p=24.1017\r\nt=566.000000\r\nv=0.013717\r\nh=3398.776175\r\ns=6.265960\r\nx=100%");

    const struct {
        ScreenId screen;
        std::map<std::string, std::string> fields;
        const char* message;
    } refused[] = {
        {ScreenId::Form11,
         {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "25"}, {"Text6", "50"}},
         props::kMsgIf97NoWetAbovePressure},
        {ScreenId::Form12,
         {{"Check2", "1"}, {"Check6", "1"}, {"Text2", "374"}, {"Text6", "50"}},
         props::kMsgIf97NoWetAboveTemperature},
        {ScreenId::Form11,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "60"}, {"Text2", "900"}},
         props::kMsgOutsideIf97},
        {ScreenId::Form11,
         {{"Check2", "1"}, {"Check3", "1"}, {"Text2", "300"}, {"Text3", "1000"}},
         "在IAPWS-IF97适用范围内没有由这两个参数确定的状态"},
    };
    for (const auto& r : refused) {
        const shell::Outcome o = press(r.screen, "Command1_Click", r.fields);
        EXPECT_TRUE(o.failed) << r.message;
        EXPECT_EQ(o.message, r.message);
        EXPECT_TRUE(o.texts.empty());
        EXPECT_TRUE(o.formulation.empty());
    }
}

TEST(If97Screens, EquipmentScreensUseIf97) {
    const struct {
        const char* name;
        ScreenId screen;
        std::map<std::string, std::string> fields;
        const char* output;
        const char* expected;
    } cases[] = {
        // The saturation line to its critical point, and not beyond.
        {"saturation pressure at 100 degC", ScreenId::Form8, {{"Text1", "100"}}, "Text2", "0.0031"},
        {"saturation at the critical point", ScreenId::Form8, {{"Text1", "373.946"}}, "Text2", "21.9657"},
        {"above the critical temperature", ScreenId::Form8, {{"Text1", "374"}}, "Text2", "错误"},
        {"saturation temperature", ScreenId::Form8, {{"Text2", "1"}}, "Text1", "184.0011"},
        // Main steam of a supercritical unit, 300 mm at 50 m/s; then 900 t/h.
        {"pipe flow",
         ScreenId::Form2,
         {{"jzyl", "24.1017"}, {"jzwd", "566"}, {"gdzj", "300"}, {"jzls", "50"}},
         "jzll",
         "927.5938"},
        {"pipe diameter",
         ScreenId::Form2,
         {{"jzyl1", "24.1017"}, {"jzwd1", "566"}, {"jzll1", "900"}, {"jzls1", "50"}},
         "gdzj1",
         "295.5791"},
        // A high-pressure heater: extraction steam at 6 MPa, feedwater at 30 MPa.
        {"surface heater",
         ScreenId::Form6,
         {{"Text1", "380"},
          {"Text2", "5.9017"},
          {"Text3", "29.9017"},
          {"Text4", "250"},
          {"Text5", "29.9017"},
          {"Text6", "280"},
          {"Text8", "255"},
          {"Text7", "1500"}},
         "jqll",
         "105.1323"},
        // Spray water at 28 MPa into main steam at 25 MPa.
        {"desuperheater",
         ScreenId::Form7,
         {{"Text1", "600"},
          {"Text2", "24.9017"},
          {"Text3", "280"},
          {"Text4", "27.9017"},
          {"Text5", "566"},
          {"Text6", "24.9017"},
          {"Text7", "1000"}},
         "jwsll",
         "45.7181"},
        {"deaerator",
         ScreenId::Form5,
         {{"Text1", "300"},
          {"Text2", "0.9017"},
          {"Text3", "150"},
          {"Text4", "1.1017"},
          {"Text5", "500"},
          {"Text6", "0.6"}},
         "csll",
         "513.5824"},
    };
    for (const auto& c : cases) {
        const shell::ScreenDesc& desc = catalog::screen_desc(c.screen);
        const shell::EventBinding* event = nullptr;
        for (const shell::EventBinding& e : desc.events)
            if (e.kind == shell::EventKind::Compute &&
                std::find(e.writes.begin(), e.writes.end(), c.output) != e.writes.end())
                event = &e;
        ASSERT_NE(event, nullptr) << c.name;
        const shell::Outcome outcome = press(c.screen, event->event, c.fields);
        EXPECT_EQ(written(outcome, c.output), c.expected) << c.name << ": " << outcome.message;
        EXPECT_EQ(outcome.formulation, "IAPWS-IF97") << c.name;
    }
    // A mixing heater has no saturated water above the critical pressure.
    const shell::Outcome mixing = press(ScreenId::Form5, "Command2_Click", {{"Text6", "25"}});
    EXPECT_TRUE(mixing.failed);
    EXPECT_EQ(mixing.message, props::kMsgIf97SaturationRange);
}

// The steam calculators read what is typed as every field is read, in either
// formulation: full-width digits, a unit after the number, blanks; and refuse a
// negative atmospheric pressure naming it.
TEST(If97Screens, SteamCalculatorsReadTypedTextsAsEveryScreen) {
    const std::map<std::string, std::string> typed{
        {"Check1", "1"}, {"Check2", "1"}, {"Text1", "２４．２ MPa"}, {"Text2", " 566℃ "}};
    const shell::Outcome outcome = press(ScreenId::Form11, "Command1_Click", typed);
    EXPECT_EQ(written(outcome, "Label3"), "p=24.200000\r\nt=566.000000\r\nv=" + text(kMainSteam.v, 6) + "\r\nh=" +
                                              text(kMainSteam.h, 6) + "\r\ns=" + text(kMainSteam.s, 6) + "\r\nx=100%");
    for (const Formulation f : {Formulation::IFC67, Formulation::IF97}) {
        const shell::Outcome gauge =
            press(ScreenId::Form12, "Command1_Click",
                  {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "1"}, {"Text2", "300"}, {"Text7", "-0.1"}}, f);
        EXPECT_TRUE(gauge.failed);
        EXPECT_NE(gauge.message.find("“大气压”"), std::string::npos) << gauge.message;
    }
}

// A state that IFC-67 refuses as near-critical says how to compute it with
// IAPWS-IF97, and the way it names works.
TEST(If97Screens, TheNearCriticalRefusalLeadsToIf97) {
    const std::map<std::string, std::string> fields{
        {"Check1", "1"}, {"Check2", "1"}, {"Text1", "25"}, {"Text2", "380"}};
    const shell::Outcome ifc67 = press(ScreenId::Form11, "Command1_Click", fields, Formulation::IFC67);
    ASSERT_TRUE(ifc67.failed);
    EXPECT_EQ(ifc67.message, props::kMsgNearCritical);
    // The window names the main menu's switch; the command line names its option, which works.
    EXPECT_NE(ifc67.message.find("主画面的“物性公式”框"), std::string::npos);
    EXPECT_EQ(ifc67.message.find("--"), std::string::npos);
    const std::string said = cli::run_screen_event("Form11", "Command1_Click", fields, Formulation::IFC67).message;
    const std::string option = "--formulation ";
    const std::size_t at = said.find(option);
    ASSERT_NE(at, std::string::npos) << said;
    const std::string named = said.substr(at + option.size(), said.find(' ', at + option.size()) - at - option.size());
    EXPECT_EQ(props::parse_formulation(named), Formulation::IF97) << named;
    EXPECT_EQ(written(press(ScreenId::Form11, "Command1_Click", fields), "Label3"),
              "p=25.000000\r\nt=380.000000\r\nv=" + text(kSupercritical.v, 6) + "\r\nh=" + text(kSupercritical.h, 6) +
                  "\r\ns=" + text(kSupercritical.s, 6) + "\r\nx=0%");
}

// The same fields give IFC-67's numbers unless the host chose otherwise, and a
// host sees which formulation the last result used.
TEST(If97Screens, TheHostChoosesAndEveryResultSaysWhich) {
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    const shell::ScreenDesc& form8 = catalog::screen_desc(ScreenId::Form8);
    app.controller().ShowScreen(ScreenId::Form8);
    app.type(ScreenId::Form8, "Text2", "1");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(app.text(ScreenId::Form8, "Text1"), "183.9991");
    EXPECT_EQ(app.host().model(ScreenId::Form8).formulation, "IFC-67");
    app.click(ScreenId::Form8, "Command3");
    app.choose(ScreenId::Form1, "Combo1", "IAPWS-IF97");
    app.click(ScreenId::Form1, "Command4");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(app.text(ScreenId::Form8, "Text1"), "184.0011");
    EXPECT_EQ(app.host().model(ScreenId::Form8).formulation, "IAPWS-IF97");
    // Navigation, failures and calculations without water and steam name none.
    EXPECT_TRUE(shell::run_event(form8, "Command3_Click", form8.default_fields())->formulation.empty());
    const shell::Outcome motor = press(ScreenId::Form9, "Command2_Click",
                                       {{"Text1", "10"}, {"Text5", "80"}, {"Text6", "100"}, {"Text7", "0.85"}});
    EXPECT_FALSE(motor.texts.empty());
    EXPECT_TRUE(motor.formulation.empty());
}

}  // namespace
}  // namespace entalix
