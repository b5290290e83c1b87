// The six lines of a found state, checked against what is known without the
// step lists: the printed figures of IFC-67 and of the calculators'
// examples, the saturation line and the lever rule, the grids the scans
// walk, and for IAPWS-IF97 the states of python3-iapws to every shown digit.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "catalog/catalog.h"
#include "props/validity.h"
#include "shell/controller.h"
#include "shell/errors.h"
#include "shell/memory_app.h"
#include "steamcalc/state_solver.h"
#include "tests/support/presses.h"

namespace entalix::steamcalc {
namespace {

PairInput pair(Row a, std::string a_text, Row b, std::string b_text) {
    PairInput input;
    input.ticks[a] = input.ticks[b] = true;
    input.texts[a] = std::move(a_text);
    input.texts[b] = std::move(b_text);
    return input;
}

std::string solved(const PairInput& input) { return test::absolute_press(input).caption().value_or("<none>"); }

// The state an IFC-67 press shows; a press that shows none fails the test.
shell::StateValues state(const PairInput& input) {
    const StateAnswer answer = test::absolute_press(input);
    if (!answer.state) throw std::runtime_error("no state: " + answer.caption().value_or(answer.note));
    return *answer.state;
}

// How far a scanned value lies off the 0.001 grid counted from its start, in steps.
double off_grid(double value, double start) {
    const double steps = (value - start) / 0.001;
    return std::fabs(steps - std::round(steps));
}

TEST(StateCaption, SixLinesInOrderWithoutUnits) {
    // Compressed water at 1 MPa, 100 degC: v 0.00104324 m3/kg as printed, h
    // 419.738645 kJ/kg with the standard's coefficients, s 1.30616 kJ/(kg K).
    const shell::StateValues water = state(pair(kRowP, "1", kRowT, "100"));
    EXPECT_NEAR(water.s.value, 1.30616, 5.5e-6);
    EXPECT_EQ(solved(pair(kRowP, "1", kRowT, "100")),
              "p=1.000000\r\nt=100.000000\r\nv=0.001043\r\nh=419.738645\r\ns=" + water.s.text + "\r\nx=0%");
    // Steam at 1 MPa, 300 degC: v 0.25797447, h 3052.1431, s 7.125141 as printed.
    const shell::StateValues steam = state(pair(kRowP, "1", kRowT, "300"));
    EXPECT_EQ(steam.v.text, "0.257974");
    EXPECT_NEAR(steam.h.value, 3052.1431, 5.5e-5);
    EXPECT_NEAR(steam.s.value, 7.125141, 1e-5);
    EXPECT_EQ(steam.x.text, "100");
}

TEST(StateCaption, WetSteamLiesOnTheSaturationLine) {
    // At 100 degC water boils under one standard atmosphere, 0.101325 MPa;
    // half of it steam holds half the latent heat: h about 1547.3 kJ/kg.
    const shell::StateValues half = state(pair(kRowT, "100", kRowX, "50"));
    EXPECT_EQ(half.p.text, "0.101325");
    EXPECT_EQ(half.t.text, "100.000000");
    EXPECT_NEAR(half.h.value, 1547.34, 0.5);
    EXPECT_NEAR(half.v.value, 0.83645, 0.002);
    EXPECT_EQ(half.x.text, "50");
    // The same state from its pressure has the same saturation temperature.
    const shell::StateValues boiling = state(pair(kRowP, "1", kRowX, "0"));
    EXPECT_NEAR(boiling.t.value, 179.88, 0.01);
    EXPECT_EQ(state(pair(kRowP, "1", kRowH, "1500")).t.text, boiling.t.text);
}

TEST(StateCaption, TypedEnthalpyAndEntropyShowFourDecimals) {
    // 1 MPa with 1500 kJ/kg is wet: x = (h - h') / (h'' - h') = 36.60 %.
    const shell::StateValues wet = state(pair(kRowP, "1", kRowH, "1500"));
    EXPECT_EQ(wet.h.text, "1500.0000");
    EXPECT_NEAR(wet.x.value, 36.60, 0.05);
    EXPECT_EQ(wet.x.text.size() - wet.x.text.find('.'), 3u);  // two decimals
    const shell::StateValues superheated = state(pair(kRowP, "1", kRowS, "7.5"));
    EXPECT_EQ(superheated.s.text, "7.5000");
    EXPECT_NEAR(superheated.t.value, 410.58, 0.2);
    EXPECT_EQ(superheated.x.text, "100");
}

// IFC-67's own (h, s): the printed steam of 1 MPa and 300 degC comes back from
// its h and s to the digits they were typed with.
TEST(StateCaption, EnthalpyAndEntropyReadOffTheChart) {
    const shell::StateValues steam = state(pair(kRowH, "3052.1431", kRowS, "7.125141"));
    EXPECT_NEAR(steam.p.value, 1.0, 2e-5);
    EXPECT_NEAR(steam.t.value, 300.0, 2e-3);
    EXPECT_EQ(steam.h.text, "3052.1431");
    EXPECT_EQ(steam.x.text, "100");
    // Below the saturated-liquid line at 0 degC no state has them.
    EXPECT_THROW(test::absolute_press(pair(kRowH, "-100", kRowS, "0")), props::PropertyRefusal);
}

TEST(StateCaption, PressureAndVolumeScanTheTemperatureFromSaturation) {
    const double ts = state(pair(kRowP, "1", kRowX, "0")).t.value;
    // The printed volumes of 100 and 300 degC at 1 MPa are found again, to
    // the stop margin of 1e-7 m3/kg (0.13 K in water) on the grid from ts.
    const shell::StateValues water = state(pair(kRowP, "1", kRowV, "0.00104324"));
    EXPECT_NEAR(water.t.value, 100.0, 0.15);
    EXPECT_LT(off_grid(water.t.value, ts), 2e-3);
    EXPECT_EQ(water.x.text, "0");
    const shell::StateValues steam = state(pair(kRowP, "1", kRowV, "0.25797447"));
    EXPECT_NEAR(steam.t.value, 300.0, 0.002);
    EXPECT_LT(off_grid(steam.t.value, ts), 2e-3);
    EXPECT_EQ(steam.x.text, "100");
    // Between v' 0.001127 and v'' 0.194349: wet steam by the lever rule, 51.17 %.
    const shell::StateValues wet = state(pair(kRowP, "1", kRowV, "0.1"));
    EXPECT_EQ(wet.v.text, "0.100000");
    EXPECT_EQ(wet.t.value, ts);
    EXPECT_NEAR(wet.x.value, 51.17, 0.1);
}

TEST(StateCaption, TemperatureAndEnthalpyInEveryBranch) {
    // A, two-phase at 150 degC (p 0.47610 MPa, h' 632.25, h'' 2745.92): the
    // dryness from the lever rule, shown with up to six decimals.
    const shell::StateValues wet = state(pair(kRowT, "150", kRowH, "1500"));
    EXPECT_NEAR(wet.p.value, 0.4761, 5e-4);
    EXPECT_EQ(wet.h.text, "1500.000000");
    EXPECT_NEAR(wet.x.value, 41.054, 0.05);
    EXPECT_GT(wet.x.text.size() - wet.x.text.find('.'), 3u);
    // B, compressed water at 300 degC: up from the saturation pressure, the
    // enthalpy given back to within a step of the scan.
    const double ps300 = state(pair(kRowT, "300", kRowX, "0")).p.value;
    const shell::StateValues water = state(pair(kRowT, "300", kRowH, "1340"));
    EXPECT_GT(water.p.value, ps300);
    EXPECT_LT(off_grid(water.p.value, ps300), 2e-3);
    EXPECT_NEAR(water.h.value, 1340.0, 0.01);
    EXPECT_EQ(water.x.text, "0");
    // C, supercritical at 500 degC: up from 0.001 MPa (15.8017 MPa in IAPWS-IF97).
    const shell::StateValues hot = state(pair(kRowT, "500", kRowH, "3300"));
    EXPECT_NEAR(hot.p.value, 15.80, 0.05);
    EXPECT_EQ(hot.p.text.substr(hot.p.text.size() - 3), "000");
    EXPECT_NEAR(hot.h.value, 3300.0, 0.01);
    // D, superheated below the critical temperature: down from the saturation pressure.
    const double ps200 = state(pair(kRowT, "200", kRowX, "0")).p.value;
    const shell::StateValues steam = state(pair(kRowT, "200", kRowH, "2850"));
    EXPECT_LT(steam.p.value, ps200);
    EXPECT_LT(off_grid(steam.p.value, ps200), 2e-3);
    EXPECT_NEAR(steam.h.value, 2850.0, 0.05);
    EXPECT_EQ(steam.x.text, "100");
}

TEST(StateCaption, TemperatureAndEntropyOrVolumeOfSuperheatedSteam) {
    // At 200 degC: s 7 kJ/(kg K) at 0.56403 MPa, v 0.5 m3/kg at 0.42683 MPa
    // (IAPWS-IF97). A step of the scan changes v by 0.2 % there, more than a
    // shown state may miss the typed volume by: that state is found directly.
    const double ps200 = state(pair(kRowT, "200", kRowX, "0")).p.value;
    const shell::StateValues by_s = state(pair(kRowT, "200", kRowS, "7"));
    EXPECT_NEAR(by_s.p.value, 0.56403, 0.01 * 0.56403);
    EXPECT_NEAR(by_s.s.value, 7.0, 2e-3);
    EXPECT_LT(off_grid(by_s.p.value, ps200), 2e-3);
    const shell::StateValues by_v = state(pair(kRowT, "200", kRowV, "0.5"));
    EXPECT_NEAR(by_v.p.value, 0.42683, 0.001 * 0.42683);
    EXPECT_EQ(by_v.v.text, "0.500000");
}

// With IAPWS-IF97 every line is the state python3-iapws gives, rounded as shown.
TEST(StateCaption, If97StatesAreThoseOfAnIndependentImplementation) {
    const struct {
        shell::ScreenId screen;
        std::map<std::string, std::string> typed;
        const char* caption;
    } cases[] = {
        {shell::ScreenId::Form11,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "1"}, {"Text2", "300"}},
         "p=1.000000\r\nt=300.000000\r\nv=0.257979\r\nh=3051.703186\r\ns=7.124712\r\nx=100%"},
        {shell::ScreenId::Form11,
         {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "1"}, {"Text6", "50"}},
         "p=1.000000\r\nt=179.885632\r\nv=0.097738\r\nh=1769.901191\r\ns=4.361705\r\nx=50%"},
        {shell::ScreenId::Form11,
         {{"Check1", "1"}, {"Check3", "1"}, {"Text1", "1"}, {"Text3", "1500"}},
         "p=1.000000\r\nt=179.885632\r\nv=0.071850\r\nh=1500.0000\r\ns=3.765941\r\nx=36.6%"},
        {shell::ScreenId::Form11,
         {{"Check1", "1"}, {"Check4", "1"}, {"Text1", "1"}, {"Text4", "7.5"}},
         "p=1.000000\r\nt=410.584481\r\nv=0.311661\r\nh=3286.928010\r\ns=7.5000\r\nx=100%"},
        // h and s: superheated steam, and wet steam of a condenser.
        {shell::ScreenId::Form11,
         {{"Check3", "1"}, {"Check4", "1"}, {"Text3", "2800"}, {"Text4", "6.5"}},
         "p=1.371012\r\nt=198.214328\r\nv=0.145547\r\nh=2800.0000\r\ns=6.5000\r\nx=100%"},
        {shell::ScreenId::Form11,
         {{"Check3", "1"}, {"Check4", "1"}, {"Text3", "2300"}, {"Text4", "7"}},
         "p=0.019025\r\nt=58.982141\r\nv=6.972842\r\nh=2300.0000\r\ns=7.0000\r\nx=86.99%"},
        // 3.447807 MPa absolute, 3.349507 gauge.
        {shell::ScreenId::Form12,
         {{"Check3", "1"}, {"Check4", "1"}, {"Text3", "1500"}, {"Text4", "3.6"}},
         "p=3.349507\r\nt=241.699657\r\nv=0.015894\r\nh=1500.0000\r\ns=3.6000\r\nx=25.86%"},
        // The saturation pressure at 100 degC, 0.101418 MPa, less 0.0983 of atmosphere.
        {shell::ScreenId::Form12,
         {{"Check2", "1"}, {"Check6", "1"}, {"Text2", "100"}, {"Text6", "50"}},
         "p=0.003118\r\nt=100.000000\r\nv=0.836452\r\nh=1547.335592\r\ns=4.330546\r\nx=50%"},
    };
    for (const auto& c : cases) {
        const shell::ScreenDesc& desc = catalog::screen_desc(c.screen);
        shell::Fields fields = desc.default_fields();
        for (const auto& [name, text] : c.typed) fields.set(name, text);
        fields.set_formulation(props::Formulation::IF97);
        const shell::Outcome outcome = *shell::run_event(desc, "Command1_Click", fields);
        ASSERT_EQ(outcome.texts.size(), 1u) << c.caption << outcome.message;
        EXPECT_EQ(outcome.texts[0].second, c.caption);
        // The numbers the press carries are those of the shown lines, the
        // gauge pressure exactly as shown (0.101418 - 0.0983).
        ASSERT_TRUE(outcome.state) << c.caption;
        EXPECT_EQ(outcome.state->p.value, std::stod(outcome.state->p.text));
        EXPECT_EQ(outcome.state->x.value, std::stod(outcome.state->x.text));
    }
}

struct OutOfRangeCase {
    const char* name;
    Row row;
    const char* t;
    const char* value;
};

// Past the value at 22.129 MPa (water) or at 0.001 MPa (steam), and the scans
// that reach their bound.
const OutOfRangeCase kOutOfRangeCases[] = {
    {"EnthalpyBelowWaterAtCeiling", kRowH, "300", "1000"},
    {"EnthalpyAboveSteamAtFloor", kRowH, "200", "3000"},
    {"EntropyBelowWaterAtCeiling", kRowS, "200", "2.2"},
};

class OutOfRange : public ::testing::TestWithParam<OutOfRangeCase> {};

TEST_P(OutOfRange, ShowsParameterOutOfRange) {
    const OutOfRangeCase& c = GetParam();
    EXPECT_EQ(solved(pair(kRowT, c.t, c.row, c.value)), kOutOfRange);
}

INSTANTIATE_TEST_SUITE_P(Guards, OutOfRange, ::testing::ValuesIn(kOutOfRangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScanBoundsOnScreen, ShowParameterOutOfRange) {
    // Smaller than any water volume at 1 MPa: the cooling scan reaches 0 degC.
    EXPECT_EQ(test::absolute_press(pair(kRowP, "1", kRowV, "0.0009")).caption(), std::string(kOutOfRange));
    // Larger than the steam volume at 800 degC.
    EXPECT_EQ(test::absolute_press(pair(kRowP, "1", kRowV, "100")).caption(), std::string(kOutOfRange));
    // Below the triple-point pressure the water scan would start below 0 degC.
    EXPECT_EQ(test::absolute_press(pair(kRowP, "0.0005", kRowV, "0.0009")).caption(), std::string(kOutOfRange));
}

struct UnchangedCase {
    const char* name;
    PairInput input;
    std::string_view note;
};

class Unchanged : public ::testing::TestWithParam<UnchangedCase> {};

TEST_P(Unchanged, LeavesTheCaptionAndSaysWhy) {
    const StateAnswer answer = test::absolute_press(GetParam().input);
    EXPECT_FALSE(answer.caption().has_value());
    EXPECT_EQ(answer.note, GetParam().note);
}

PairInput ticked(std::initializer_list<Row> rows) {
    PairInput input;
    for (Row r : rows) input.ticks[r] = true;
    input.texts = {"1", "100", "2000", "5", "0.1", "50"};
    return input;
}

INSTANTIATE_TEST_SUITE_P(Cases, Unchanged,
                         ::testing::Values(UnchangedCase{"NoRowTicked", ticked({}), kNoPairNote},
                                           UnchangedCase{"OneRowTicked", ticked({kRowH}), kNoPairNote}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AbsoluteScreen, NonNumericTextStopsThePressAndKeepsTheLabel) {
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    app.click(shell::ScreenId::Form1, "Command6");
    app.click(shell::ScreenId::Form10, "Command1");
    const auto form = shell::ScreenId::Form11;
    app.click(form, "Command1");
    EXPECT_EQ(app.text(form, "Label3"), "");
    EXPECT_EQ(app.text(form, "Message"), kNoPairNote);
    app.click(form, "Check1");
    app.click(form, "Check2");
    app.type(form, "Text1", "1");
    app.type(form, "Text2", "100");
    app.click(form, "Command1");
    const std::string caption = app.text(form, "Label3");
    EXPECT_EQ(caption.substr(0, 12), "p=1.000000\r\n");
    EXPECT_EQ(app.text(form, "Message"), "");
    for (const auto& [bad, message] : {std::pair{"abc", "“温度”无法识别：“abc”"},
                                       {"", "“温度”为空"},
                                       {"1,5", "“温度”无法识别：“1,5”（小数点请用“.”）"},
                                       {"12abc", "“温度”无法识别：“12abc”"}}) {
        app.type(form, "Text2", bad);
        app.click(form, "Command1");
        EXPECT_EQ(app.text(form, "Label3"), caption);
        EXPECT_EQ(app.text(form, "Message"), message);
    }
    // A pressure that cannot exist stops the press the same way.
    app.type(form, "Text2", "100");
    app.type(form, "Text1", "-1");
    app.click(form, "Command1");
    EXPECT_EQ(app.text(form, "Label3"), caption);
    EXPECT_EQ(app.text(form, "Message"), "“压力”须大于0 MPa（现为“-1”）");
}

}  // namespace
}  // namespace entalix::steamcalc
