// The turbine and throttling screen: stages against an independent IAPWS-IF97
// implementation (python3-iapws), the efficiency functions of the library for
// the same stage, a valve, and the inputs that no expansion can have.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "equipment/screens.h"
#include "props/water_steam.h"
#include "shell/controller.h"
#include "shell/numbers.h"

namespace entalix::equipment {
namespace {

constexpr auto kIf97 = props::Formulation::IF97;
constexpr auto kIfc67 = props::Formulation::IFC67;

using Typed = std::vector<std::pair<const char*, const char*>>;

// The atmosphere is typed as 0.1 MPa, so that a gauge pressure reads as the
// absolute one less 0.1.
shell::Outcome press(props::Formulation formulation, const char* event, const Typed& typed) {
    shell::Fields fields = form20().default_fields();
    fields.set_formulation(formulation);
    fields.set("Text7", "0.1");
    for (const auto& [field, text] : typed) fields.set(field, text);
    return shell::run_event(form20(), event, fields).value();
}

std::map<std::string, std::string> texts(const shell::Outcome& outcome) {
    return {outcome.texts.begin(), outcome.texts.end()};
}

double number(const std::map<std::string, std::string>& t, const char* field) {
    return shell::ParseStrictNumber(t.at(field)).value_or(-1e300);
}

struct Expected {
    const char* field;
    double value;
    double tolerance;
};

struct Stage {
    const char* name;
    const char* event;
    Typed typed;
    std::vector<Expected> expected;  // python3-iapws 1.5 (IAPWS97)
};

const Stage kStages[] = {
    // 1 MPa, 300 degC to 0.1 MPa at 59.2895 %: the exhaust lands at 150 degC.
    {"SuperheatedToNearlyDry",
     "Command1_Click",
     {{"Text1", "0.9"}, {"Text2", "300"}, {"Text4", "0"}, {"Text5", "59.2895"}, {"Text8", "10"}},
     {{"h1", 3051.7032, 0.002},
      {"s1", 7.124712, 2e-6},
      {"h2s", 2587.6892, 0.005},
      {"t2s", 99.6059, 0.002},
      {"x2s", 96.13, 0.006},
      {"h2", 2776.5916, 0.005},
      {"t2", 149.9999, 0.002},
      {"s2", 7.614673, 5e-6},
      {"x2", 100.00, 0.0},
      {"power", 764.20, 0.02}}},
    // An HP stage: 10 MPa, 540 degC to 0.5 MPa at 86 %, 300 t/h, 98 % at the terminals.
    {"HighPressureStage",
     "Command1_Click",
     {{"Text1", "9.9"}, {"Text2", "540"}, {"Text4", "0.4"}, {"Text5", "86"}, {"Text8", "300"}, {"Text9", "98"}},
     {{"h1", 3476.8686, 0.002},
      {"h2s", 2708.6457, 0.005},
      {"x2s", 98.13, 0.006},
      {"h2", 2816.1969, 0.005},
      {"t2", 181.7019, 0.002},
      {"s2", 6.975495, 5e-6},
      {"dh", 660.6716, 0.005},
      {"power", 53954.85, 0.5}}},
    // Wet steam of 95 % at 0.5 MPa to 0.01 MPa at 80 %.
    {"WetInletToCondenser",
     "Command5_Click",
     {{"Text1", "0.4"}, {"Text3", "95"}, {"Text4", "-0.09"}, {"Text5", "80"}, {"Text8", "1"}},
     {{"h1", 2642.7115, 0.002},
      {"s1", 6.572582, 2e-6},
      {"h2s", 2081.1112, 0.01},
      {"x2s", 78.98, 0.006},
      {"h2", 2193.4312, 0.01},
      {"x2", 83.68, 0.006},
      {"t2", 45.8075, 0.002},
      {"dt2", 0.0, 0.0}}},
    // A throttling calorimeter: 98 % steam at 1 MPa through a valve to 0.1 MPa
    // comes out superheated by 30.45 K.
    {"ThrottlingCalorimeter",
     "Command7_Click",
     {{"Text1", "0.9"}, {"Text3", "98"}, {"Text4", "0"}},
     {{"h1", 2736.8308, 0.002},
      {"h2", 2736.8308, 0.002},
      {"t2", 130.0570, 0.002},
      {"s2", 7.518419, 5e-6},
      {"x2", 100.00, 0.0},
      {"dt2", 30.4511, 0.002}}},
};

class TurbineStage : public ::testing::TestWithParam<Stage> {};

TEST_P(TurbineStage, AgreesWithAnIndependentIf97) {
    const Stage& stage = GetParam();
    const shell::Outcome outcome = press(kIf97, stage.event, stage.typed);
    ASSERT_FALSE(outcome.failed) << outcome.message;
    const auto t = texts(outcome);
    EXPECT_EQ(t.size(), 14u);
    for (const Expected& e : stage.expected) EXPECT_NEAR(number(t, e.field), e.value, e.tolerance) << e.field;
}

INSTANTIATE_TEST_SUITE_P(Stages, TurbineStage, ::testing::ValuesIn(kStages),
                         [](const auto& info) { return std::string(info.param.name); });

// The same stage read by its measured exhaust: the efficiency the command
// line's psw_effi_pt gives, in each formulation.
TEST(TurbineScreen, MeasuredExhaustGivesTheFormulationsEfficiency) {
    const Typed typed{{"Text1", "0.9"}, {"Text2", "300"}, {"Text4", "0"}, {"Text6", "150"}, {"Text8", "10"}};
    EXPECT_EQ(texts(press(kIfc67, "Command2_Click", typed)).at("eta"), "59.4202");
    EXPECT_EQ(texts(press(kIf97, "Command2_Click", typed)).at("eta"), "59.2895");
}

// Over a few stages the screen shows what psw_effi_pt and pswt2_ptpeffi give.
TEST(TurbineScreen, ShowsWhatTheEfficiencyFunctionsGive) {
    struct Case {
        double p1, t1, p2, t2, eta;
    };
    const Case cases[] = {
        {1, 300, 0.1, 150, 80}, {10, 540, 0.5, 200, 86}, {3.5, 435, 0.12, 110, 75}, {16.7, 537, 3.6, 330, 90}};
    for (const props::Formulation formulation : {kIfc67, kIf97}) {
        const auto water = props::make_water_steam(formulation);
        for (const Case& c : cases) {
            const std::string p1 = shell::FormatGeneralNumber(c.p1 - 0.1);
            const std::string p2 = shell::FormatGeneralNumber(c.p2 - 0.1);
            const auto measured = texts(press(formulation, "Command2_Click",
                                              {{"Text1", p1.c_str()},
                                               {"Text2", shell::FormatGeneralNumber(c.t1).c_str()},
                                               {"Text4", p2.c_str()},
                                               {"Text6", shell::FormatGeneralNumber(c.t2).c_str()},
                                               {"Text8", "1"}}));
            EXPECT_NEAR(number(measured, "eta"), water->psw_effi_pt(c.p1, c.t1, c.p2, c.t2), 1.5e-4) << c.p1;
            const auto typed = texts(press(formulation, "Command1_Click",
                                           {{"Text1", p1.c_str()},
                                            {"Text2", shell::FormatGeneralNumber(c.t1).c_str()},
                                            {"Text4", p2.c_str()},
                                            {"Text5", shell::FormatGeneralNumber(c.eta).c_str()},
                                            {"Text8", "1"}}));
            EXPECT_NEAR(number(typed, "t2"), water->pswt2_ptpeffi(c.p1, c.t1, c.p2, c.eta), 1.5e-4) << c.p1;
        }
    }
}

// A valve takes no work: the stage-only results show "—", nothing else is left out.
TEST(TurbineScreen, ThrottlingLeavesTheStageResultsEmpty) {
    const auto t = texts(press(kIfc67, "Command4_Click", {{"Text1", "9.9"}, {"Text2", "540"}, {"Text4", "0.4"}}));
    for (const char* field : {"h2s", "t2s", "x2s", "dhs", "eta", "power"}) EXPECT_EQ(t.at(field), "—") << field;
    EXPECT_EQ(t.at("h2"), t.at("h1"));
    EXPECT_EQ(t.at("dh"), "0.0000");
}

TEST(TurbineScreen, RefusesWhatNoExpansionCanDoAndWritesNothing) {
    struct Case {
        const char* event;
        Typed typed;
        const char* cause;
    };
    const Typed stage{{"Text1", "2.9"}, {"Text2", "450"}, {"Text4", "0.9"}, {"Text8", "10"}};
    const auto with = [&stage](std::initializer_list<std::pair<const char*, const char*>> more) {
        Typed typed = stage;
        typed.insert(typed.end(), more);
        return typed;
    };
    const Case cases[] = {
        {"Command1_Click", with({{"Text4", "2.9"}, {"Text5", "80"}}), "出口压力须低于进口压力"},
        {"Command4_Click", with({{"Text4", "3"}}), "节流后压力须低于节流前压力"},
        {"Command1_Click", with({{"Text5", "0"}}), "内效率"},
        {"Command1_Click", with({{"Text5", "100.5"}}), "内效率"},
        // 1 MPa, 260 degC lies below the isentropic exhaust (about 300 degC).
        {"Command2_Click", with({{"Text6", "260"}}), "超过100 %"},
        {"Command2_Click", with({{"Text6", "460"}}), "没有做功"},
        {"Command2_Click", with({{"Text6", "150"}}), "湿蒸汽出口"},
        {"Command1_Click", with({{"Text2", "200"}, {"Text5", "80"}}), "进口是水"},
        {"Command1_Click", with({{"Text2", "900"}, {"Text5", "80"}}), "IFC-67"},
    };
    for (const Case& c : cases) {
        const shell::Outcome outcome = press(kIfc67, c.event, c.typed);
        EXPECT_TRUE(outcome.failed) << c.cause;
        EXPECT_TRUE(outcome.texts.empty()) << c.cause;
        EXPECT_NE(outcome.message.find(c.cause), std::string::npos) << outcome.message;
    }
}

}  // namespace
}  // namespace entalix::equipment
