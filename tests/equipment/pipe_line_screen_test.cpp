// The screen "管道压降与散热": a press writes every result from the typed
// line, against the independent IAPWS-IF97 marches of pipe_line_test.cpp,
// or nothing and says why.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "equipment/screens.h"
#include "shell/controller.h"

namespace entalix::equipment {
namespace {

using Typed = std::map<std::string, std::string>;

shell::Outcome press(const char* event, const Typed& typed, props::Formulation formulation = props::Formulation::IF97) {
    shell::Fields fields = form18().default_fields();
    fields.set_formulation(formulation);
    for (const auto& [name, text] : typed) fields.set(name, text);
    return shell::run_event(form18(), event, fields).value();
}

std::map<std::string, std::string> written(const shell::Outcome& outcome) {
    return {outcome.texts.begin(), outcome.texts.end()};
}

// 1.3 MPa gauge, 300 degC, 30 t/h through 800 m of DN250 with fittings of
// zeta 5, under 100 mm of insulation on the 273 mm pipe.
const Typed kSteamMain{{"Text1", "1.3"}, {"Text2", "300"},  {"Text4", "30"},    {"Text5", "250"}, {"Text6", "800"},
                       {"Text9", "5"},   {"Text11", "100"}, {"Text12", "0.05"}, {"Text13", "273"}};

TEST(PipeLineScreen, SteamMainKeepsItsSuperheat) {
    const shell::Outcome outcome = press("Command1_Click", kSteamMain);
    ASSERT_FALSE(outcome.failed) << outcome.message;
    auto r = written(outcome);
    EXPECT_EQ(r.size(), 11u);
    EXPECT_EQ(r["w_in"], "30.99");
    EXPECT_NEAR(std::stod(r["p_out"]), 1.21553521 - 0.0983, 5e-4);
    EXPECT_NEAR(std::stod(r["dp"]), 1.3983 - 1.21553521, 5e-4);
    EXPECT_NEAR(std::stod(r["t_out"]), 290.97, 0.03);
    EXPECT_NEAR(std::stod(r["q"]), 121.94, 0.3);
    EXPECT_NEAR(std::stod(r["q_m"]), 121938.5 / 800.0, 0.3);
    EXPECT_EQ(r["state"].rfind("过热蒸汽，过热度", 0), 0u) << r["state"];
    EXPECT_EQ(outcome.formulation, "IAPWS-IF97");
    // IFC-67 gives the same line within what the two formulations differ by.
    const shell::Outcome ifc67 = press("Command1_Click", kSteamMain, props::Formulation::IFC67);
    ASSERT_FALSE(ifc67.failed) << ifc67.message;
    auto old = written(ifc67);
    EXPECT_NEAR(std::stod(old["dp"]), std::stod(r["dp"]), 2e-3);
    EXPECT_NEAR(std::stod(old["t_out"]), std::stod(r["t_out"]), 0.5);
}

TEST(PipeLineScreen, DrynessRowMakesTheInletWetSteamAndTheBarePipeNeedsNoConductivity) {
    // Dry saturated steam at 0.6 MPa gauge, 3 t/h through 500 m of DN100 rising
    // 10 m, 50 mm of insulation, frosty air: wet at the far end, x = 98.70 %.
    Typed line{{"Text1", "0.6"},   {"Text2", "not read"}, {"Text3", "100"}, {"Text4", "3"},
               {"Text5", "100"},   {"Text6", "500"},      {"Text10", "10"}, {"Text11", "50"},
               {"Text12", "0.05"}, {"Text13", "108"},     {"Text14", "0"}};
    auto r = written(press("Command2_Click", line));
    EXPECT_EQ(r["state"], "湿蒸汽，干度98.70 %");
    EXPECT_EQ(r["w_in"], "29.01");
    EXPECT_NEAR(std::stod(r["t_out"]), 150.71, 0.03);
    line["Text11"] = "0";
    line["Text12"] = "";
    const shell::Outcome bare = press("Command2_Click", line);
    ASSERT_FALSE(bare.failed) << bare.message;
    EXPECT_GT(std::stod(written(bare)["q"]), std::stod(r["q"]) * 3.0);
}

TEST(PipeLineScreen, FailureWritesNothingAndSaysWhy) {
    struct Spoiled {
        const char* field;
        const char* text;
        const char* says;
    } const cases[] = {
        {"Text13", "200", "管道外径"},       // thinner outside than inside
        {"Text12", "", "保温材料导热系数"},  // insulated, conductivity missing
        {"Text5", "80", "阻塞"},             // 30 t/h cannot pass DN80 for 800 m
        {"Text6", "1e9", "管道长度"},        // beyond any plant line
    };
    for (const Spoiled& c : cases) {
        Typed typed = kSteamMain;
        typed[c.field] = c.text;
        const shell::Outcome outcome = press("Command1_Click", typed);
        EXPECT_TRUE(outcome.failed) << c.field;
        EXPECT_TRUE(outcome.texts.empty()) << c.field;
        EXPECT_NE(outcome.message.find(c.says), std::string::npos) << outcome.message;
    }
}

}  // namespace
}  // namespace entalix::equipment
