// "全部物性" on the steam calculators: the shown state opens on Form16 with
// every property, by the IAPWS-IF97 figures of python3-iapws.
#include <gtest/gtest.h>

#include <string>

#include "catalog/catalog.h"
#include "cli/screens_cli.h"
#include "shell/memory_app.h"
#include "shell/numbers.h"
#include "shell/property_table.h"

namespace entalix {
namespace {

using shell::ScreenId;

class AllPropertiesButton : public ::testing::Test {
protected:
    AllPropertiesButton() : app(catalog::screen_desc) {
        app.start();
        app.set_formulation(props::Formulation::IF97);
        app.click(ScreenId::Form1, "Command6");
    }

    // Ticks two rows of a steam calculator, types their values and computes.
    void compute(ScreenId id, const char* first, const char* a, const char* second, const char* b) {
        app.click(ScreenId::Form10, id == ScreenId::Form11 ? "Command1" : "Command2");
        app.click(id, std::string("Check") + first);
        app.click(id, std::string("Check") + second);
        app.type(id, std::string("Text") + first, a);
        app.type(id, std::string("Text") + second, b);
        app.click(id, "Command1");
        ASSERT_EQ(app.text(id, "Message"), "");
    }

    double number(const char* field) const { return *shell::ParseStrictNumber(app.text(ScreenId::Form16, field)); }
    const std::string& text(const char* field) const { return app.text(ScreenId::Form16, field); }

    shell::MemoryApp app;
};

TEST_F(AllPropertiesButton, SuperheatedSteamFromTheAbsoluteScreen) {
    compute(ScreenId::Form11, "1", "1", "2", "300");
    app.click(ScreenId::Form11, "Command2");
    ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form16});
    // 1 MPa absolute less the atmospheric 0.0983 MPa, digit for digit.
    EXPECT_EQ(text("Text1"), "0.9017");
    EXPECT_EQ(text("Text7"), "0.0983");
    EXPECT_EQ(text("p"), "1.000000");
    EXPECT_EQ(text("t"), "300.0000");
    EXPECT_EQ(text("x"), "100.00");
    EXPECT_NEAR(number("h"), 3051.703186, 1e-4);
    EXPECT_NEAR(number("cp"), 2.140834, 2e-6);
    EXPECT_NEAR(number("w"), 578.514, 0.01);
    EXPECT_NEAR(number("rho"), 3.876282, 1e-4);
    // The same texts as Form16's own press of its (p, t) row.
    const std::string cp = text("cp"), mu = text("mu");
    app.click(ScreenId::Form16, "Command1");
    EXPECT_EQ(text("cp"), cp);
    EXPECT_EQ(text("mu"), mu);
}

TEST_F(AllPropertiesButton, CompressedWaterGoesByPressureAndTemperature) {
    compute(ScreenId::Form11, "1", "10", "2", "100");
    app.click(ScreenId::Form11, "Command2");
    EXPECT_EQ(text("Text1"), "9.9017");
    EXPECT_EQ(text("t"), "100.0000");
    EXPECT_EQ(text("x"), "0.00");
    EXPECT_NEAR(number("h"), 426.548024, 1e-4);
    EXPECT_NEAR(number("cp"), 4.194477, 2e-6);
    EXPECT_NEAR(number("w"), 1565.145, 0.01);
    EXPECT_NEAR(number("rho"), 962.931610, 1e-4);
}

TEST_F(AllPropertiesButton, WetSteamFromTheGaugeScreenGoesByEnthalpy) {
    compute(ScreenId::Form12, "2", "150", "6", "90");
    app.click(ScreenId::Form12, "Command2");
    ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form16});
    // The gauge pressure and the atmospheric pressure as the screen shows them.
    EXPECT_EQ(text("Text1"), "0.377801");
    EXPECT_EQ(text("Text7"), "0.0983");
    EXPECT_EQ(text("p"), "0.476101");
    EXPECT_EQ(text("t"), "150.0000");
    EXPECT_EQ(text("x"), "90.00");
    EXPECT_NEAR(number("h"), 2534.552384, 1e-4);
    EXPECT_NEAR(number("rho"), 2.829965, 1e-4);
    // A wet state has no heat capacity: said, never a number.
    EXPECT_EQ(text("cp"), shell::kNoValue);
}

TEST_F(AllPropertiesButton, TheGaugePressureIsTakenWithFormSixteensAtmosphere) {
    app.click(ScreenId::Form10, "Command4");
    app.type(ScreenId::Form16, "Text7", "0.1013");
    app.click(ScreenId::Form16, "Command3");
    compute(ScreenId::Form11, "1", "1", "2", "300");
    app.click(ScreenId::Form11, "Command2");
    EXPECT_EQ(text("Text1"), "0.8987");
    EXPECT_EQ(text("p"), "1.000000");
}

TEST_F(AllPropertiesButton, WithoutAStateItSaysSoAndStays) {
    app.click(ScreenId::Form10, "Command1");
    app.click(ScreenId::Form11, "Command2");
    EXPECT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form11});
    EXPECT_EQ(app.text(ScreenId::Form11, "Message"), "请先计算出一个状态，再查看它的全部物性");
    EXPECT_FALSE(app.host().created(ScreenId::Form16));
    // "参数超限" is no state either.
    const shell::Outcome outcome =
        cli::run_screen_event("Form12", "Command2_Click", {{"Label3", "参数超限"}}, props::Formulation::IFC67);
    EXPECT_FALSE(outcome.navigate.has_value());
    EXPECT_FALSE(outcome.message.empty());
}

TEST_F(AllPropertiesButton, AFailureOnFormSixteenStaysOnTheCalculator) {
    app.click(ScreenId::Form10, "Command4");
    app.type(ScreenId::Form16, "Text7", "abc");
    const std::string before = app.text(ScreenId::Form16, "p");
    app.click(ScreenId::Form16, "Command3");
    compute(ScreenId::Form11, "1", "1", "2", "300");
    app.click(ScreenId::Form11, "Command2");
    EXPECT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form11});
    EXPECT_NE(app.text(ScreenId::Form11, "Message"), "");
    EXPECT_EQ(app.text(ScreenId::Form16, "p"), before);
}

}  // namespace
}  // namespace entalix
