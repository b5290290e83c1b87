// The saturation table: both saturated states from a temperature or a gauge
// pressure, in IAPWS-IF97 against the figures of an independent implementation
// (python iapws); in IFC-67 the line's figures of the saturation screen.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "equipment/screens.h"
#include "shell/controller.h"

namespace entalix::equipment {
namespace {

struct Case {
    const char* name;
    props::Formulation formulation;
    const char* event;
    const char* field;
    const char* value;
    const char* lines;  // the first lines written, "name=text" joined by blanks
};

constexpr auto kIf97 = props::Formulation::IF97;
constexpr auto kIfc67 = props::Formulation::IFC67;

const Case kCases[] = {
    {"If97AtTemperature", kIf97, "Command1_Click", "Text1", "100",
     "p=0.101418 t=100.0000 v1=0.001043 rho1=958.3543 h1=419.0992 s1=1.307014 cp1=4.216645 w1=1545.09 "
     "mu1=281.5850 lambda1=0.677217 v2=1.671861 rho2=0.5981 h2=2675.5720 s2=7.354077 cp2=2.077492 w2=472.26 "
     "mu2=12.2322 lambda2=0.024570 r=2256.4729 sigma=58.9119"},
    {"If97AtGaugePressure", kIf97, "Command2_Click", "Text2", "1",
     "p=1.098300 t=184.0011 v1=0.001133 rho1=882.6935 h1=780.8937 s1=2.178203 cp1=4.421384 w1=1379.98 "
     "mu1=146.9315 lambda1=0.669322 v2=0.177698 rho2=5.6275 h2=2780.6108 s2=6.552523 cp2=2.766871 w2=501.65 "
     "mu2=15.1213 lambda2=0.035509 r=1999.7171 sigma=41.2954"},
    {"Ifc67AtGaugePressure", kIfc67, "Command2_Click", "Text2", "1", "p=1.098300 t=183.9991"},
    {"Ifc67AtTemperature", kIfc67, "Command1_Click", "Text1", "100", "p=0.101325 t=100.0000"},
};

class SaturationTable : public ::testing::TestWithParam<Case> {};

TEST_P(SaturationTable, WritesBothSides) {
    const Case& c = GetParam();
    shell::Fields fields = form17().default_fields();
    fields.set_formulation(c.formulation);
    fields.set(c.field, c.value);
    const std::optional<shell::Outcome> outcome = shell::run_event(form17(), c.event, fields);
    ASSERT_TRUE(outcome.has_value());
    ASSERT_FALSE(outcome->failed) << outcome->message;
    EXPECT_EQ(outcome->texts.size(), 20u);
    const std::string expected = c.lines;
    std::string lines;
    for (const auto& [field, text] : outcome->texts) {
        if (lines.size() >= expected.size()) break;
        lines += (lines.empty() ? "" : " ") + field + '=' + text;
    }
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(outcome->warning, "");
}

INSTANTIATE_TEST_SUITE_P(Lines, SaturationTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Beyond the critical point there is no saturated state: nothing is written.
TEST(SaturationTableRefusals, BeyondTheCriticalPointWritesNothing) {
    for (const auto& [event, field, value] :
         {std::tuple{"Command1_Click", "Text1", "380"}, std::tuple{"Command2_Click", "Text2", "23"}}) {
        shell::Fields fields = form17().default_fields();
        fields.set_formulation(kIf97);
        fields.set(field, value);
        const std::optional<shell::Outcome> outcome = shell::run_event(form17(), event, fields);
        ASSERT_TRUE(outcome.has_value());
        EXPECT_TRUE(outcome->failed) << value;
        EXPECT_TRUE(outcome->texts.empty()) << value;
        EXPECT_NE(outcome->message.find("饱和"), std::string::npos) << outcome->message;
    }
}

}  // namespace
}  // namespace entalix::equipment
