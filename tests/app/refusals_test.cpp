// What no screen answers: a typed number its quantity cannot physically be, and
// a result that cannot exist. Each press writes nothing and says why.
#include <gtest/gtest.h>

#include <map>

#include "catalog/catalog.h"
#include "shell/controller.h"

namespace entalix {
namespace {

using shell::ScreenId;

struct Press {
    ScreenId screen;
    const char* event;
    std::map<std::string, std::string> fields;  // over the screen's defaults
};

shell::Outcome run(const Press& p) {
    const shell::ScreenDesc& desc = catalog::screen_desc(p.screen);
    shell::Fields fields = desc.default_fields();
    for (const auto& [name, text] : p.fields) fields.set(name, text);
    return shell::run_event(desc, p.event, fields).value();
}

// Ordinary figures of each screen, to which a case changes one field.
std::map<std::string, std::string> with(std::map<std::string, std::string> fields, const std::string& name,
                                        const std::string& text) {
    fields[name] = text;
    return fields;
}
const std::map<std::string, std::string> kPipe{{"gdzj", "100"},  {"jzwd", "150"}, {"jzyl", "1"},  {"jzls", "2"},
                                               {"jzwd1", "150"}, {"jzyl1", "1"},  {"jzls1", "2"}, {"jzll1", "50"}};
const std::map<std::string, std::string> kMixing{{"Text1", "300"}, {"Text2", "1"},   {"Text3", "100"},
                                                 {"Text4", "1"},   {"Text5", "100"}, {"Text6", "0.5"}};
const std::map<std::string, std::string> kSurface{{"Text1", "300"}, {"Text2", "1"},  {"Text3", "1"},
                                                  {"Text4", "100"}, {"Text5", "1"},  {"Text6", "150"},
                                                  {"Text7", "200"}, {"Text8", "160"}};
const std::map<std::string, std::string> kDesuperheater{{"Text1", "400"}, {"Text2", "3"},   {"Text3", "100"},
                                                        {"Text4", "4"},   {"Text5", "250"}, {"Text6", "1"},
                                                        {"Text7", "50"}};
const std::map<std::string, std::string> kMotor{{"Text1", "10"}, {"Text5", "100"}, {"Text6", "100"}, {"Text7", "0.85"}};
const std::map<std::string, std::string> kPump{{"Text1", "1000"}, {"Text5", "50"}, {"Text6", "100"}, {"Text7", "80"}};

struct Refusal {
    Press press;
    const char* message;
};

class ImpossibleInput : public ::testing::TestWithParam<Refusal> {};

TEST_P(ImpossibleInput, NamesTheFieldAndTheAllowedRange) {
    const shell::Outcome outcome = run(GetParam().press);
    EXPECT_TRUE(outcome.failed);
    EXPECT_TRUE(outcome.texts.empty());
    EXPECT_EQ(outcome.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ImpossibleInput,
    ::testing::Values(
        Refusal{{ScreenId::Form2, "Command2_Click", with(kPipe, "gdzj", "-100")}, "“管道直径”须大于0 mm（现为“-100”）"},
        Refusal{{ScreenId::Form2, "Command2_Click", with(kPipe, "jzls", "0")}, "“介质流速”须大于0 m/s（现为“0”）"},
        Refusal{{ScreenId::Form2, "Command2_Click", with(kPipe, "jzwd", "-5")},
                "“介质温度”须不低于0 ℃（水和水蒸汽）（现为“-5”）"},
        Refusal{{ScreenId::Form2, "Command2_Click", with(kPipe, "jzyl", "-0.1")},
                "“介质压力”加上大气压须大于0 MPa（绝对压力现为-0.0017 MPa）"},
        Refusal{{ScreenId::Form2, "Command3_Click", with(kPipe, "jzll1", "0")}, "“介质流量”须大于0 t/h（现为“0”）"},
        Refusal{{ScreenId::Form5, "Command2_Click", with(kMixing, "Text5", "-100")},
                "“进水流量”须大于0 t/h（现为“-100”）"},
        Refusal{{ScreenId::Form5, "Command2_Click", with(kMixing, "Text7", "-0.1")},
                "“大气压值”须不小于0 MPa（现为“-0.1”）"},
        Refusal{{ScreenId::Form6, "Command2_Click", with(kSurface, "Text8", "-1")},
                "“疏水温度”须不低于0 ℃（水和水蒸汽）（现为“-1”）"},
        Refusal{{ScreenId::Form7, "Command2_Click", with(kDesuperheater, "Text7", "0")},
                "“供汽流量”须大于0 t/h（现为“0”）"},
        Refusal{{ScreenId::Form8, "Command2_Click", {{"Text2", "1"}, {"Text7", "-0.5"}}},
                "“大气压值”须不小于0 MPa（现为“-0.5”）"},
        Refusal{{ScreenId::Form8, "Command1_Click", {{"Text1", "-10"}}},
                "“饱和温度”须不低于0 ℃（水和水蒸汽）（现为“-10”）"},
        Refusal{{ScreenId::Form9, "Command2_Click", with(kMotor, "Text7", "1.2")},
                "“额定功率因数”须大于0且不大于1（现为“1.2”）"},
        Refusal{{ScreenId::Form9, "Command2_Click", with(kMotor, "Text7", "-0.85")},
                "“额定功率因数”须大于0且不大于1（现为“-0.85”）"},
        Refusal{{ScreenId::Form9, "Command2_Click", with(kMotor, "Text1", "0")},
                "“运行电压”须大于0且不大于50 kV（现为“0”）"},
        Refusal{{ScreenId::Form14, "Command2_Click", with(kPump, "Text7", "120%")},
                "“水泵效率”须不小于5且不大于100 %（现为“120%”）"},
        Refusal{{ScreenId::Form14, "Command2_Click", with(kPump, "Text5", "-50")},
                "“扬程(水柱)”须大于0且不大于5000 m（现为“-50”）"},
        Refusal{{ScreenId::Form14, "Command2_Click", with(kPump, "Text1", "0")},
                "“工质密度”须大于0且不大于3000 kg/m3（现为“0”）"},
        Refusal{{ScreenId::Form15, "Command2_Click", {{"Text1", "-100"}, {"Text5", "50"}}},
                "“小时供热量”须大于0且不大于100000 Gj（现为“-100”）"},
        Refusal{{ScreenId::Form12,
                 "Command1_Click",
                 {{"Check2", "1"}, {"Check6", "1"}, {"Text2", "100"}, {"Text6", "50"}, {"Text7", "-0.5"}}},
                "“大气压”须不小于0 MPa（现为“-0.5”）"},
        Refusal{{ScreenId::Form12,
                 "Command1_Click",
                 {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "-0.1"}, {"Text2", "100"}, {"Text7", "0.0983"}}},
                "“压力”加上大气压须大于0 MPa（绝对压力现为-0.0017 MPa）"},
        Refusal{
            {ScreenId::Form11, "Command1_Click", {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "1"}, {"Text2", "-5"}}},
            "“温度”须不低于0 ℃（水和水蒸汽）（现为“-5”）"},
        Refusal{
            {ScreenId::Form11, "Command1_Click", {{"Check1", "1"}, {"Check5", "1"}, {"Text1", "1"}, {"Text5", "0"}}},
            "“比容”须大于0 m³/kg（现为“0”）"}));

// The edges of each domain are allowed: an atmosphere of zero makes the
// pressures absolute, a power factor of one and an efficiency of 100 % are ideal.
TEST(ImpossibleInput, TheEdgesOfEachDomainAreAnswered) {
    const Press presses[] = {
        {ScreenId::Form8, "Command2_Click", {{"Text2", "0.1013"}, {"Text7", "0"}}},
        {ScreenId::Form8, "Command1_Click", {{"Text1", "0"}}},
        {ScreenId::Form9, "Command2_Click", with(kMotor, "Text7", "1")},
        {ScreenId::Form14, "Command2_Click", with(kPump, "Text7", "100")},
        {ScreenId::Form2, "Command2_Click", with(kPipe, "jzwd", "0")},
    };
    for (const Press& p : presses) {
        const shell::Outcome outcome = run(p);
        EXPECT_FALSE(outcome.failed) << shell::screen_name(p.screen) << ' ' << outcome.message;
    }
    EXPECT_EQ(run(presses[0]).texts.at(0).second, "99.9933");  // as with the atmosphere typed beside it
}

// A result that cannot exist is refused, not written.
TEST(ImpossibleResult, NoNegativeVolumeFlowOrDiameterIsWritten) {
    // 100 MPa gauge and 500 degC: the steam equation gives a negative volume there.
    const shell::Outcome pipe =
        run({ScreenId::Form2, "Command2_Click", {{"gdzj", "100"}, {"jzwd", "500"}, {"jzyl", "100"}, {"jzls", "1"}}});
    EXPECT_TRUE(pipe.failed);
    EXPECT_TRUE(pipe.texts.empty());
    EXPECT_FALSE(pipe.message.empty());
}

}  // namespace
}  // namespace entalix
