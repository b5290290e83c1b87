// Which results stand stale after a change, a failure or another formulation,
// and what "copy all results" carries, on a screen of two calculations.
#include <gtest/gtest.h>

#include "shell/menus.h"
#include "shell/shown_results.h"

namespace entalix::shell {
namespace {

const ScreenDesc& two_presses() {
    static const ScreenDesc desc{
        ScreenId::Form2,
        "test",
        3000,
        3000,
        {
            with_meaning(text_box("Text1", "1", {0, 0, 900, 375}), input("压力", "MPa")),
            with_meaning(label("Label1", "", {0, 480, 900, 375}), result("比焓", "kJ/kg", "0.00")),
            with_meaning(text_box("Text2", "10", {0, 960, 900, 375}), input("功率", "kW")),
            with_meaning(label("Label2", "", {0, 1440, 900, 375}), result("电流", "A", "0.00")),
        },
        {
            compute("Command1_Click", {"Text1"}, {"Label1"}, [](const Fields&) { return Outcome{}; }),
            compute("Command2_Click", {"Text2"}, {"Label2"}, [](const Fields&) { return Outcome{}; }),
            {"Command3_Click", navigate_to(ScreenId::Form1)},
        },
        {},
    };
    return desc;
}

Outcome wrote(std::string field, std::string text, std::string formulation) {
    Outcome o;
    o.texts = {{std::move(field), std::move(text)}};
    o.formulation = std::move(formulation);
    return o;
}

Fields shown(std::string label1, std::string label2) {
    return Fields({{"Text1", "1"}, {"Label1", std::move(label1)}, {"Text2", "10"}, {"Label2", std::move(label2)}});
}

TEST(ShownResults, GreyAfterAChangeTheyReadAFailureOrAnotherFormulation) {
    ShownResults results(two_presses());
    EXPECT_FALSE(results.any());
    results.input_changed("Text1", "2");  // nothing shown yet: nothing to grey
    EXPECT_TRUE(results.stale_results().empty());

    results.pressed("Command1_Click", wrote("Label1", "2777.12", "IFC-67"), shown("2777.12", ""));
    results.pressed("Command2_Click", wrote("Label2", "15.20", ""), shown("2777.12", "15.20"));
    results.input_changed("Text2", "1");
    EXPECT_EQ(results.stale_results(), (std::set<std::string, std::less<>>{"Label2"}));
    // Typed back to what the result stood on, it is current again.
    results.input_changed("Text2", "10");
    EXPECT_TRUE(results.stale_results().empty());
    results.input_changed("Text2", "1");
    results.pressed("Command2_Click", wrote("Label2", "15.20", ""), shown("2777.12", "15.20"));
    EXPECT_TRUE(results.stale_results().empty());

    // The same formulation again changes nothing; the other greys only what used one.
    results.formulation_chosen(props::Formulation::IFC67);
    EXPECT_TRUE(results.stale_results().empty());
    results.formulation_chosen(props::Formulation::IF97);
    EXPECT_TRUE(results.stale("Label1"));
    EXPECT_FALSE(results.stale("Label2"));

    Outcome failed;
    failed.message = "“功率”为空";
    failed.failed = true;
    results.pressed("Command2_Click", failed, shown("2777.12", "15.20"));
    EXPECT_TRUE(results.stale("Label2"));
    // Navigating is no calculation.
    results.pressed("Command3_Click", Outcome{}, shown("2777.12", "15.20"));
    EXPECT_EQ(results.stale_results().size(), 2U);
}

TEST(ShownResults, CopyCarriesEachShownCalculationWithItsInputsInTheScreensOrder) {
    ShownResults results(two_presses());
    EXPECT_EQ(results.results_text(), "");
    results.pressed("Command2_Click", wrote("Label2", "15.20", ""), shown("", "15.20"));
    results.pressed("Command1_Click", wrote("Label1", "2777.12", "IFC-67"), shown("2777.12", "15.20"));
    EXPECT_EQ(results.results_text(),
              "压力\t1\tMPa\n物性公式\tIFC-67\t\n比焓\t2777.12\tkJ/kg\n功率\t10\tkW\n电流\t15.20\tA\n");
    // A failed press keeps what its last success showed.
    Outcome failed;
    failed.failed = true;
    failed.message = "x";
    results.pressed("Command1_Click", failed, shown("2777.12", "15.20"));
    EXPECT_TRUE(results.any());
    EXPECT_NE(results.results_text().find("2777.12"), std::string::npos);
}

}  // namespace
}  // namespace entalix::shell
