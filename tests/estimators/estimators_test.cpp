// The motor, pump and heating-area estimators: their figures, and the presses
// whose formula has no value.
#include <gtest/gtest.h>

#include <ostream>

#include "catalog/catalog.h"
#include "estimators/heating_area_screen.h"
#include "estimators/motor_screen.h"
#include "estimators/pump_screen.h"
#include "shell/controller.h"
#include "shell/errors.h"
#include "shell/memory_app.h"

namespace entalix::estimators {
namespace {

using shell::ScreenId;

struct MotorCase {
    const char *U, *I, *In, *cn, *P;
    friend std::ostream& operator<<(std::ostream& os, const MotorCase& c) {
        return os << "U=" << c.U << " I=" << c.I << " In=" << c.In << " cn=" << c.cn;
    }
};

class Motor : public ::testing::TestWithParam<MotorCase> {};

TEST_P(Motor, RunningPower) {
    const MotorCase& c = GetParam();
    EXPECT_EQ(MotorRunningPower(c.U, c.I, c.In, c.cn), c.P);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Motor,
    ::testing::Values(MotorCase{"10", "100", "100", "0.85", "1472.24"},
                      MotorCase{"10", "50", "100", "0.85", "625.70"},  // half load: cn squared
                      MotorCase{"10kV", "100A", "100 A", "0.85", "1472.24"},
                      MotorCase{"6", "200", "100", "0.8", "1859.03"},  // overload: cn^(1/2)
                      MotorCase{"10", "100", "100", "-0.85", "-1472.24"},  // whole exponent
                      MotorCase{"10", "50", "100", "-0.85", "625.70"},   // exponent 2
                      MotorCase{"10", "-100", "100", "0.85", "-2037.71"},  // k = -1
                      MotorCase{"0", "100", "100", "0.85", "0.00"}));

struct PumpCase {
    const char *rho, *H, *Q, *eta, *N;
    friend std::ostream& operator<<(std::ostream& os, const PumpCase& c) {
        return os << "rho=" << c.rho << " H=" << c.H << " Q=" << c.Q << " eta=" << c.eta;
    }
};

class Pump : public ::testing::TestWithParam<PumpCase> {};

TEST_P(Pump, ShaftPower) {
    const PumpCase& c = GetParam();
    EXPECT_EQ(PumpShaftPower(c.rho, c.H, c.Q, c.eta), c.N);
}

INSTANTIATE_TEST_SUITE_P(Figures, Pump,
                         ::testing::Values(PumpCase{"1000", "50", "100", "80", "17.02"},
                                           PumpCase{"1000", "50", "100", "80%", "17.02"},
                                           PumpCase{"1000", "50", "-100", "80", "-17.02"},
                                           PumpCase{"abc", "50", "100", "80", "0.00"},
                                           PumpCase{"1000", "102", "3600", "100", "1000.00"}));

struct AreaCase {
    const char *Qh, *q, *A;
    friend std::ostream& operator<<(std::ostream& os, const AreaCase& c) {
        return os << "Qh=" << c.Qh << " q=" << c.q;
    }
};

class Area : public ::testing::TestWithParam<AreaCase> {};

TEST_P(Area, HeatedArea) {
    const AreaCase& c = GetParam();
    EXPECT_EQ(HeatingArea(c.Qh, c.q), c.A);
}

INSTANTIATE_TEST_SUITE_P(Figures, Area,
                         ::testing::Values(AreaCase{"100", "50", "55.56"}, AreaCase{"36", "1000", "1.00"},
                                           AreaCase{"36Gj", "1000w", "1.00"}, AreaCase{"0", "50", "0.00"}));

// Each formula with no value: the press fails with the reason, never a number.
TEST(Estimators, UndefinedFormulasFailWithTheirReason) {
    const auto message = [](auto&& press) -> std::string {
        try {
            press();
        } catch (const shell::CalculationError& e) {
            return e.what();
        }
        return "no failure";
    };
    EXPECT_EQ(message([] { MotorRunningPower("10", "100", "0", "0.85"); }), "“额定电流”为零，无法计算");
    EXPECT_EQ(message([] { MotorRunningPower("10", "0", "100", "0.85"); }), "“运行电流”为零，无法计算");
    EXPECT_EQ(message([] { MotorRunningPower("10", "30", "100", "-0.85"); }), shell::kMsgNegativePower);
    EXPECT_EQ(message([] { MotorRunningPower("10", "-50", "100", "0"); }), shell::kMsgNotFinite);  // 0^-2
    EXPECT_EQ(message([] { MotorRunningPower("1e300", "1e300", "1e300", "0.85"); }), shell::kMsgNotFinite);
    EXPECT_EQ(message([] { MotorRunningPower("0", "0", "0", "0"); }), "“额定电流”为零，无法计算");
    EXPECT_EQ(message([] { PumpShaftPower("1000", "50", "100", "0"); }), "“水泵效率”为零，无法计算");
    EXPECT_EQ(message([] { PumpShaftPower("1e300", "1e300", "100", "80"); }), shell::kMsgNotFinite);
    EXPECT_EQ(message([] { HeatingArea("100", "0"); }), "“单位面积功率”为零，无法计算");
    EXPECT_EQ(message([] { HeatingArea("1e308", "1e-300"); }), shell::kMsgNotFinite);
    EXPECT_EQ(message([] { HeatingArea("1e999", "1"); }), "输入的数值太大");
}

struct ScreenCase {
    ScreenId id;
    const char* menu_button;  // on Form13 or Form3
    ScreenId menu;
    std::vector<std::pair<const char*, const char*>> inputs;
    const char* result;
    friend std::ostream& operator<<(std::ostream& os, const ScreenCase& c) {
        return os << shell::screen_name(c.id);
    }
};

class EstimatorScreen : public ::testing::TestWithParam<ScreenCase> {};

// The fresh screen has no result; its defaults are undefined, so the first press
// leaves the result empty and says why; a good press writes and clears the message;
// a later failing press keeps the last result.
TEST_P(EstimatorScreen, PressWritesTheResultOrKeepsItAndSaysWhy) {
    const ScreenCase& c = GetParam();
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    app.click(ScreenId::Form1, c.menu == ScreenId::Form3 ? "Command2" : "Command5");
    app.click(c.menu, c.menu_button);
    ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{c.id});
    EXPECT_EQ(app.text(c.id, "yxgl"), "");
    app.click(c.id, "Command2");
    EXPECT_EQ(app.text(c.id, "yxgl"), "");
    EXPECT_NE(app.text(c.id, "Message"), "");
    for (const auto& [field, text] : c.inputs) app.type(c.id, field, text);
    app.click(c.id, "Command2");
    EXPECT_EQ(app.text(c.id, "yxgl"), c.result);
    EXPECT_EQ(app.text(c.id, "Message"), "");
    app.type(c.id, c.inputs.back().first, "0");
    app.click(c.id, "Command2");
    EXPECT_EQ(app.text(c.id, "yxgl"), c.result);
    EXPECT_NE(app.text(c.id, "Message"), "");
    app.click(c.id, "Command3");
    EXPECT_EQ(app.visible_screens(), std::vector<ScreenId>{c.menu});
}

INSTANTIATE_TEST_SUITE_P(
    Screens, EstimatorScreen,
    ::testing::Values(
        ScreenCase{ScreenId::Form9, "Command1", ScreenId::Form13,
                   {{"Text1", "10"}, {"Text5", "50"}, {"Text7", "0.85"}, {"Text6", "100"}}, "625.70"},
        ScreenCase{ScreenId::Form14, "Command2", ScreenId::Form13,
                   {{"Text1", "1000"}, {"Text5", "50"}, {"Text6", "100"}, {"Text7", "80"}}, "17.02"},
        ScreenCase{ScreenId::Form15, "Command5", ScreenId::Form3, {{"Text1", "100"}, {"Text5", "50"}}, "55.56"}));

TEST(EstimatorScreens, RowsAsTheScreensShowThem) {
    const auto& form15 = catalog::screen_desc(ScreenId::Form15);
    EXPECT_EQ(form15.caption, "Form15");
    EXPECT_EQ(form15.find("Label1(1)")->text, "供热面积折算");
    for (ScreenId id : {ScreenId::Form9, ScreenId::Form14, ScreenId::Form15}) {
        const auto& desc = catalog::screen_desc(id);
        const shell::ControlDesc* result = desc.find("yxgl");
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->kind, shell::ControlKind::Label);
        EXPECT_TRUE(result->style & shell::kBorder);
        EXPECT_EQ(result->align, shell::Align::Center);
        for (const char* field : {"Text1", "Text5"}) {
            const shell::ControlDesc* box = desc.find(field);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text, "0");
            EXPECT_EQ(box->align, shell::Align::Center);
            EXPECT_EQ(box->rect.width, 975);
            EXPECT_EQ(box->rect.height, 315);
        }
        EXPECT_EQ(desc.find("Command2")->text, "计算");
    }
    EXPECT_EQ(form15.find("Label_Text5")->rect.left, 0);
    EXPECT_EQ(catalog::screen_desc(ScreenId::Form9).find("Label_Text7")->text, "额定功率因数：");
}

// "-?digits.dddd" with exactly `decimals` digits after the point.
bool plain_number(const std::string& text, std::size_t decimals) {
    std::size_t i = text.rfind('-', 0) == 0 ? 1 : 0;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point == i || text.size() - point - 1 != decimals) return false;
    for (; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9')) return false;
    return true;
}

// Whatever is typed, "计算" writes a plain number or nothing and says why.
TEST(EstimatorScreens, OddInputsWriteANumberOrNothing) {
    const char* const odd[] = {"", "-", "abc", "1e308", "-1e308", "1e309", "1e-320", "-0", "0", "0.5", "-0.5", "80%"};
    for (ScreenId id : {ScreenId::Form9, ScreenId::Form14, ScreenId::Form15}) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        const shell::Fields base = desc.default_fields();
        for (const shell::ControlDesc& c : desc.controls) {
            if (c.kind != shell::ControlKind::TextBox) continue;
            for (const char* text : odd) {
                for (const char* others : {"50", "-3", "1e200"}) {
                    shell::Fields fields = base;
                    for (const auto& [name, value] : base.all())
                        if (desc.find(name)->kind == shell::ControlKind::TextBox) fields.set(name, others);
                    fields.set(c.name, text);
                    const auto outcome = shell::run_event(desc, "Command2_Click", fields);
                    ASSERT_TRUE(outcome);
                    if (!outcome->message.empty()) {
                        EXPECT_TRUE(outcome->texts.empty());
                        continue;
                    }
                    ASSERT_EQ(outcome->texts.size(), 1u);
                    EXPECT_TRUE(plain_number(outcome->texts[0].second, 2))
                        << shell::screen_name(id) << ' ' << c.name << '=' << text << " others=" << others << " wrote "
                        << outcome->texts[0].second;
                }
            }
        }
    }
}

}  // namespace
}  // namespace entalix::estimators
