// The steam calculators show only states that are true, or say why not: one
// table per promise, with the examples found by trying the screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "catalog/catalog.h"
#include "ifc67/saturation.h"
#include "props/validity.h"
#include "props/water_steam.h"
#include "shell/controller.h"
#include "shell/numbers.h"
#include "tests/support/invariants.h"

namespace entalix {
namespace {

using shell::ScreenId;
using Typed = std::map<std::string, std::string>;

shell::Fields fields_of(ScreenId id, const Typed& typed) {
    shell::Fields fields = catalog::screen_desc(id).default_fields();
    for (const auto& [name, text] : typed) fields.set(name, text);
    return fields;
}

shell::Outcome press(ScreenId id, const Typed& typed) {
    return shell::run_event(catalog::screen_desc(id), "Command1_Click", fields_of(id, typed)).value();
}

// Line i of a shown state, as a number.
double line(const shell::Outcome& outcome, int i) {
    const std::string& caption = outcome.texts.at(0).second;
    std::size_t start = 0;
    for (int k = 0; k < i; ++k) start = caption.find("\r\n", start) + 2;
    const std::size_t end = std::min(caption.find("\r\n", start), caption.find('%', start));
    return shell::ParseStrictNumber(caption.substr(start + 2, end - start - 2)).value();
}

constexpr ScreenId F11 = ScreenId::Form11;
constexpr ScreenId F12 = ScreenId::Form12;
const std::string kTemperatureRange = "“温度”须在0–800 ℃之间（IFC-67适用范围）";
const std::string kPressureRange = "“压力”须大于0且不超过100 MPa（IFC-67适用范围）";
const std::string kGaugeRange = "“压力”加大气压所得的绝对压力须大于0且不超过100 MPa（IFC-67适用范围）";

struct Refused {
    ScreenId screen;
    Typed typed;
    std::string message;
};

// Inputs outside their domain, results that cannot exist, states outside the
// formulation, no wet steam above the critical point: a failure that says why.
TEST(TruthfulStates, ImpossibleAndOutOfRangePressesAreRefused) {
    const Refused cases[] = {
        {F11, {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "1"}, {"Text6", "150"}}, "“干度”须在0–100 %之间"},
        {F11, {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "1"}, {"Text6", "-50"}}, "“干度”须在0–100 %之间"},
        {F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "1"}, {"Text2", "4000"}}, kTemperatureRange},
        {F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "1"}, {"Text2", "3000"}}, kTemperatureRange},
        {F11, {{"Check2", "1"}, {"Check6", "1"}, {"Text2", "-1"}, {"Text6", "50"}}, kTemperatureRange},
        {F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "120"}, {"Text2", "500"}}, kPressureRange},
        {F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "0"}, {"Text2", "100"}}, kPressureRange},
        {F12, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "-0.0983"}, {"Text2", "100"}}, kGaugeRange},
        {F12, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "-1"}, {"Text2", "100"}}, kGaugeRange},
        {F11, {{"Check1", "1"}, {"Check5", "1"}, {"Text1", "1"}, {"Text5", "0"}}, "“比容”须大于0"},
        // Once shown with v = -0.002179 at 97.959 MPa: the steam equations far
        // beyond their boundary line.
        {F11, {{"Check2", "1"}, {"Check3", "1"}, {"Text2", "500"}, {"Text3", "100"}}, props::kMsgNearCritical},
        {F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "20"}, {"Text2", "360"}}, props::kMsgNearCritical},
        {F11, {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "20"}, {"Text6", "50"}}, props::kMsgNearCritical},
        {F11, {{"Check1", "1"}, {"Check3", "1"}, {"Text1", "25"}, {"Text3", "2000"}}, props::kMsgNearCritical},
        // Once shown as x=49.99% at 408 degC.
        {F11, {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "33.2"}, {"Text6", "50"}}, props::kMsgNoWetAbovePressure},
        {F12, {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "33.2"}, {"Text6", "50"}}, props::kMsgNoWetAbovePressure},
        {F11, {{"Check2", "1"}, {"Check6", "1"}, {"Text2", "400"}, {"Text6", "50"}}, props::kMsgNoWetAboveTemperature},
        // Once shown as the state at 0.001 MPa: no pressure gives 4000 kJ/kg at 500 degC.
        {F11,
         {{"Check2", "1"}, {"Check3", "1"}, {"Text2", "500"}, {"Text3", "4000"}},
         "所得状态不能重现所给的“比焓”（相差超过0.1 %），不予显示"},
    };
    for (const Refused& c : cases) {
        const shell::Outcome outcome = press(c.screen, c.typed);
        EXPECT_TRUE(outcome.failed) << c.message;
        EXPECT_TRUE(outcome.texts.empty()) << c.message;
        // Typed fields are refused by the shared reader or by the range of the
        // formulation, whichever looks first; both name the field.
        const std::size_t quote = c.message.find("”");
        if (c.message.rfind("“", 0) == 0 && quote != std::string::npos)
            EXPECT_EQ(outcome.message.substr(0, quote), c.message.substr(0, quote)) << outcome.message;
        else
            EXPECT_EQ(outcome.message, c.message);
    }
}

struct Found {
    const char* name;
    ScreenId screen;
    Typed typed;
    double p_lo, p_hi;  // where the state lies, MPa absolute
    double x;           // its dryness, %
};

// States that once ended in "超出公式适用范围", "参数超限" or another state:
// found, inside the validity of their equations, giving back what was typed.
TEST(TruthfulStates, StatesThatExistAreFoundAndGiveBackTheTypedPair) {
    const Found cases[] = {
        {"water at 20 MPa", F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "20"}, {"Text2", "20"}}, 20, 20, 0},
        {"supercritical main steam",
         F11,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "24.2"}, {"Text2", "566"}},
         24.2,
         24.2,
         100},
        {"t, h at 14.2 MPa",
         F11,
         {{"Check2", "1"}, {"Check3", "1"}, {"Text2", "400"}, {"Text3", "3000"}},
         14.1,
         14.3,
         100},
        {"t, h at 5.4 MPa",
         F11,
         {{"Check2", "1"}, {"Check3", "1"}, {"Text2", "592.5632"}, {"Text3", "3643.6689"}},
         5.3,
         5.5,
         100},
        {"t, v at 9.7 MPa",
         F11,
         {{"Check2", "1"}, {"Check5", "1"}, {"Text2", "800"}, {"Text5", "0.05"}},
         9.6,
         9.8,
         100},
        {"steam below 0.001 MPa by s",
         F11,
         {{"Check2", "1"}, {"Check4", "1"}, {"Text2", "200"}, {"Text4", "10"}},
         0.0009,
         0.001,
         100},
        {"steam below 0.001 MPa by v",
         F11,
         {{"Check2", "1"}, {"Check5", "1"}, {"Text2", "200"}, {"Text5", "300"}},
         0.0007,
         0.00075,
         100},
        {"water above 22.129 MPa",
         F11,
         {{"Check2", "1"}, {"Check5", "1"}, {"Text2", "200"}, {"Text5", "0.0011"}},
         60,
         80,
         0},
        {"steam near the boundary line",
         F11,
         {{"Check2", "1"}, {"Check3", "1"}, {"Text2", "370"}, {"Text3", "2700"}},
         17,
         18.5,
         100},
        // The fixed-step grid point was 12 % off in v at this low pressure.
        {"t, v refined in the last step",
         F11,
         {{"Check2", "1"}, {"Check5", "1"}, {"Text2", "50"}, {"Text5", "40"}},
         0.0037,
         0.0038,
         100},
        // Once shown as saturated steam with twenty times the volume typed.
        {"p, v wet",
         F11,
         {{"Check1", "1"}, {"Check5", "1"}, {"Text1", "0.46"}, {"Text5", "0.020437"}},
         0.46,
         0.46,
         4.79},
        {"p, v wet at 0.01 MPa",
         F11,
         {{"Check1", "1"}, {"Check5", "1"}, {"Text1", "0.01"}, {"Text5", "10.543148"}},
         0.01,
         0.01,
         71.84},
        {"p, v wet, gauge",
         F12,
         {{"Check1", "1"}, {"Check5", "1"}, {"Text1", "14.479"}, {"Text5", "0.007993"}},
         14.5773,
         14.5773,
         69.27},
        // Six decimals would hold one digit of 0.000063 MPa; the pressure is
        // shown with four (ideal gas: p = R T / v = 0.461526 x 274.15 / 2000 kPa).
        {"steam at 63 Pa by v",
         F11,
         {{"Check2", "1"}, {"Check5", "1"}, {"Text2", "1"}, {"Text5", "2000"}},
         0.00006326,
         0.00006326,
         100},
        // The ends of the two-phase band belong to it.
        {"saturated water by h",
         F11,
         {{"Check2", "1"}, {"Check3", "1"}, {"Text2", "100"}, {"Text3", "419.064684080207"}},
         0.101,
         0.102,
         0},
    };
    for (const Found& c : cases) {
        const shell::Fields fields = fields_of(c.screen, c.typed);
        const shell::Outcome outcome = press(c.screen, c.typed);
        ASSERT_FALSE(outcome.failed) << c.name << ": " << outcome.message;
        ASSERT_EQ(outcome.texts.size(), 1u) << c.name;
        const double pa = c.screen == F12 ? 0.0983 : 0.0;
        EXPECT_GE(line(outcome, 0) + pa, c.p_lo - 1e-9) << c.name;
        EXPECT_LE(line(outcome, 0) + pa, c.p_hi + 1e-9) << c.name;
        EXPECT_EQ(line(outcome, 5), c.x) << c.name;
        EXPECT_EQ(outcome.warning, "") << c.name;
        EXPECT_EQ(testing::broken_state(c.screen, fields, outcome.texts[0].second, outcome.warning), "") << c.name;
    }
}

// The same saturated end reached by s and by v, exactly as the library gives it.
TEST(TruthfulStates, TheEndsOfTheBandGiveTheSaturatedStates) {
    const auto w_owned = props::make_water_steam(props::Formulation::IFC67);
    props::WaterSteam& w = *w_owned;
    const double ps = props::ifc_pswsat_p(150);
    const struct {
        const char* check;
        const char* text;
        double value;
        double x;
    } cases[] = {
        {"Check4", "Text4", props::selected_number(w.pswA_ptstm("s", ps, 150)), 100},
        {"Check5", "Text5", w.pswv_ptwtr(ps, 150), 0},
        {"Check5", "Text5", w.pswv_ptstm(ps, 150), 100},
        {"Check3", "Text3", w.pswh_ptstm(ps, 150), 100},
    };
    for (const auto& c : cases) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", c.value);
        const shell::Outcome outcome = press(F11, {{"Check2", "1"}, {c.check, "1"}, {"Text2", "150"}, {c.text, text}});
        ASSERT_EQ(outcome.texts.size(), 1u) << c.check << ' ' << outcome.message;
        EXPECT_EQ(line(outcome, 5), c.x) << c.check;
        EXPECT_NEAR(line(outcome, 0), ps, 5e-7) << c.check;
    }
}

struct Warned {
    const char* name;
    ScreenId screen;
    Typed typed;
    std::string caption;  // as shown before the warning existed, digit for digit
    const char* says;     // part of the warning
};

// Extrapolated results keep their digits and gain a warning, where its bound
// is at most 10 kJ/kg and 1 %; farther out the state is refused.
TEST(TruthfulStates, ExtrapolatedResultsCarryTheirWarning) {
    // 131 kJ/kg off the true enthalpy: refused, with IAPWS-IF97 named.
    const shell::Outcome far = press(F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "60"}, {"Text2", "450"}});
    EXPECT_TRUE(far.failed);
    EXPECT_TRUE(far.texts.empty());
    EXPECT_NE(far.message.find("IF97"), std::string::npos) << far.message;
    const Warned cases[] = {
        {"water at 17 MPa, 352 degC",
         F11,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "17"}, {"Text2", "352"}},
         "p=17.000000\r\nt=352.000000\r\nv=0.001765\r\nh=1687.989457\r\ns=3.804443\r\nx=0%",
         "约6 kJ/kg"},
    };
    for (const Warned& c : cases) {
        const shell::Outcome outcome = press(c.screen, c.typed);
        ASSERT_EQ(outcome.texts.size(), 1u) << c.name << ' ' << outcome.message;
        EXPECT_EQ(outcome.texts[0].second, c.caption) << c.name;
        EXPECT_NE(outcome.warning.find("外推结果：压缩水公式用于350 ℃以上"), std::string::npos) << c.name;
        EXPECT_NE(outcome.warning.find(c.says), std::string::npos) << c.name;
        EXPECT_EQ(outcome.message, "") << c.name;
    }
    // An ordinary state has no warning.
    EXPECT_EQ(press(F11, {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "1"}, {"Text2", "300"}}).warning, "");
}

// The checker sees each new broken promise.
TEST(TruthfulStates, CheckerSeesStatesThatAreNotTrue) {
    const shell::Fields pv =
        fields_of(F11, {{"Check1", "1"}, {"Check5", "1"}, {"Text1", "0.46"}, {"Text5", "0.020437"}});
    const shell::Fields none = fields_of(F11, {});
    // Three rows ticked (only the tick rule prevents it): the last pair shows its state.
    const Typed three{{"Check1", "1"},     {"Check2", "1"}, {"Check3", "1"},
                      {"Text1", "0.0983"}, {"Text2", "0"},  {"Text3", "0.2"}};
    const shell::Outcome last_pair = press(F12, three);
    ASSERT_EQ(last_pair.texts.size(), 1u);
    EXPECT_EQ(testing::broken_state(F12, fields_of(F12, three), last_pair.texts[0].second, last_pair.warning), "");
    const std::string ok = "p=1.000000\r\nt=100.000000\r\nv=0.001043\r\nh=419.738645\r\ns=1.306164\r\nx=0%";
    EXPECT_EQ(testing::broken_state(F11, none, ok, ""), "");
    EXPECT_NE(testing::broken_state(
                  F11, none, "p=97.959000\r\nt=500.000000\r\nv=-0.002179\r\nh=99.911540\r\ns=1.676974\r\nx=0%", "x"),
              "");
    EXPECT_NE(testing::broken_state(F11, none, "p=1.000000\r\nt=637.7\r\nv=0.4\r\nh=3800\r\ns=8\r\nx=150%", ""), "");
    EXPECT_NE(testing::broken_state(
                  F11, none, "p=60.000000\r\nt=450.000000\r\nv=0.002211\r\nh=2311.039435\r\ns=4.600297\r\nx=0%", ""),
              "");
    EXPECT_NE(testing::broken_state(
                  F11, pv, "p=0.460000\r\nt=148.729710\r\nv=0.405281\r\nh=2743.855519\r\ns=6.847295\r\nx=100%", ""),
              "");
}

}  // namespace
}  // namespace entalix
