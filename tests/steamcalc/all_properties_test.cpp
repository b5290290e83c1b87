// The screen of every property of a state: the lines it writes for typed
// states, in IAPWS-IF97 against the figures of an independent implementation
// (python iapws), and the lines a wet state has no value for.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "shell/controller.h"
#include "steamcalc/screens.h"

namespace entalix::steamcalc {
namespace {

struct Case {
    const char* name;
    props::Formulation formulation;
    const char* event;
    const char* second;  // Text2 (t), Text3 (h) or Text4 (s)
    const char* gauge;
    const char* value;
    const char* lines;  // every written line, "name=text" joined by blanks
    const char* warning_part;
};

constexpr auto kIf97 = props::Formulation::IF97;
constexpr auto kIfc67 = props::Formulation::IFC67;

const Case kCases[] = {
    {"SteamFromPT", kIf97, "Command1_Click", "Text2", "1", "300",
     "p=1.098300 t=300.0000 v=0.234284 h=3049.1054 s=7.078030 x=100.00 rho=4.2683 u=2791.7918 cp=2.156696 "
     "cv=1.615974 w=577.70 kappa=1.297007 mu=20.1940 lambda=0.045304 nu=4.731129 Pr=0.9613",
     ""},
    {"WaterFromPT", kIf97, "Command1_Click", "Text2", "5", "150",
     "p=5.098300 t=150.0000 v=0.001087 h=635.1166 s=1.836828 x=0.00 rho=919.6103 u=629.5726 cp=4.295546 "
     "cv=3.522205 w=1478.39 kappa=394.235627 mu=183.7868 lambda=0.684146 nu=0.199853 Pr=1.1539",
     ""},
    {"SteamFromPS", kIf97, "Command4_Click", "Text4", "10", "6.5",
     "p=10.098300 t=472.9127 v=0.030864 h=3302.7568 s=6.500000 x=100.00 rho=32.4002 u=2991.0832 cp=2.664601 "
     "cv=1.868908 w=631.83 kappa=1.280867 mu=27.8091 lambda=0.073542 nu=0.858299 Pr=1.0076",
     ""},
    {"SteamFromPH", kIf97, "Command2_Click", "Text3", "3", "3200",
     "p=3.098300 t=386.9586 v=0.093884 h=3200.0000 s=6.861653 x=100.00 rho=10.6514 u=2909.1179 cp=2.300654 "
     "cv=1.703072 w=611.90 kappa=1.287186 mu=23.8418 lambda=0.056790 nu=2.238374 Pr=0.9659",
     ""},
    // Wet: the basic values, rho and u by the lever rule, the rest without meaning.
    {"WetFromPH", kIf97, "Command2_Click", "Text3", "1", "2000",
     "p=1.098300 t=184.0011 v=0.108774 h=2000.0000 s=4.844961 x=60.96 rho=9.1934 u=1880.5333 cp=— cv=— w=— "
     "kappa=— mu=— lambda=— nu=— Pr=—",
     "没有意义"},
    {"WetIfc67", kIfc67, "Command2_Click", "Text3", "1", "2000",
     "p=1.098300 t=183.9991 v=0.108798 h=2000.0000 s=4.844880 x=61.00 rho=9.1913 u=1880.5072 cp=— cv=— w=— "
     "kappa=— mu=— lambda=— nu=— Pr=—",
     "没有意义"},
};

class AllProperties : public ::testing::TestWithParam<Case> {};

TEST_P(AllProperties, WritesEveryLine) {
    const Case& c = GetParam();
    shell::Fields fields = form16().default_fields();
    fields.set_formulation(c.formulation);
    fields.set("Text1", c.gauge);
    fields.set(c.second, c.value);
    const std::optional<shell::Outcome> outcome = shell::run_event(form16(), c.event, fields);
    ASSERT_TRUE(outcome.has_value());
    ASSERT_FALSE(outcome->failed) << outcome->message;
    std::string lines;
    for (const auto& [field, text] : outcome->texts) lines += (lines.empty() ? "" : " ") + field + '=' + text;
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(outcome->formulation, props::formulation_name(c.formulation));
    if (*c.warning_part == '\0')
        EXPECT_EQ(outcome->warning, "");
    else
        EXPECT_NE(outcome->warning.find(c.warning_part), std::string::npos) << outcome->warning;
}

INSTANTIATE_TEST_SUITE_P(States, AllProperties, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A refused state writes nothing: the temperature row is empty, or the state
// lies beyond the formulation.
TEST(AllPropertiesRefusals, FailedPressWritesNothing) {
    for (const auto& [second, value] : {std::pair{"Text2", ""}, std::pair{"Text2", "900"}}) {
        shell::Fields fields = form16().default_fields();
        fields.set("Text1", "1");
        fields.set(second, value);
        const std::optional<shell::Outcome> outcome = shell::run_event(form16(), "Command1_Click", fields);
        ASSERT_TRUE(outcome.has_value());
        EXPECT_TRUE(outcome->failed) << value;
        EXPECT_TRUE(outcome->texts.empty()) << value;
        EXPECT_FALSE(outcome->message.empty()) << value;
    }
}

}  // namespace
}  // namespace entalix::steamcalc
