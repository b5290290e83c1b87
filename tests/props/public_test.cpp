// The public functions in MPa, degC and kJ: figures, selectors by name, efficiencies,
// and failures that never come back as numbers.
#include "props/water_steam.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "base/property_error.h"
#include "props/validity.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

// Every call on a fresh owner, as a screen's press would make it.
std::unique_ptr<WaterSteam> sp() { return make_water_steam(Formulation::IFC67); }
double num(const Selected& selected) { return selected_number(selected); }

TEST(PublicFunctions, PublishedFigures) {
    testing::expect_figures({
        {"pswv_ptwtr", [] { return sp()->pswv_ptwtr(1, 100); }, 0.00104324, 8},
        // 419.738645 from the standard's constants: one unit off the printed 419.7387.
        {"pswh_ptwtr", [] { return sp()->pswh_ptwtr(1, 100); }, 419.7387, 4, true},
        {"pswA_ptwtr s", [] { return num(sp()->pswA_ptwtr("s", 1, 100)); }, 1.306164, 6},
        {"pswv_ptstm", [] { return sp()->pswv_ptstm(1, 300); }, 0.25797447, 8},
        {"pswh_ptstm", [] { return sp()->pswh_ptstm(1, 300); }, 3052.1431, 4},
        {"pswt_ph", [] { return sp()->pswt_ph(1, 3051); }, 299.4664, 4},
        {"psws_ph", [] { return sp()->psws_ph(1, 3051); }, 7.123142, 6},
        {"pswA_ps t", [] { return num(sp()->pswA_ps("t", 1, 7.5)); }, 410.6983, 4},
        {"pswA_ps h", [] { return num(sp()->pswA_ps("h", 1, 7.5)); }, 3287.1003, 4},
        {"pswA_ptstm p", [] { return num(sp()->pswA_ptstm("p", 1, 300)); }, 1.0, 12},
        {"pswA_ptwtr t", [] { return num(sp()->pswA_ptwtr("t", 1, 100)); }, 100.0, 12},
        {"pswA_ptwtr x", [] { return num(sp()->pswA_ptwtr("x", 1, 100)); }, 0.0, 12},
        {"pswA_ptstm x", [] { return num(sp()->pswA_ptstm("x", 1, 300)); }, 1.0, 12},
        {"pswA_ph x", [] { return num(sp()->pswA_ph("x", 1, 1500)); }, 0.366214, 6},
        {"pswA_ph v", [] { return num(sp()->pswA_ph("v", 1, 1500)); }, 0.0718669, 7},
        {"pswA_ps s", [] { return num(sp()->pswA_ps("s", 1, 7.5)); }, 7.5, 12},
        {"psw_effi_pt", [] { return sp()->psw_effi_pt(1, 300, 0.1, 150); }, 59.4202, 4},
        {"psw_effi_ph", [] { return sp()->psw_effi_ph(1, 3052.1431, 0.1, 2776.3207); }, 59.4200, 4},
        {"pswt2_ptpeffi 80 %", [] { return sp()->pswt2_ptpeffi(1, 300, 0.1, 80); }, 102.2760, 4},
        // Isentropic: wet at the outlet, so the saturation temperature of 0.1 MPa.
        {"pswt2_ptpeffi 100 %", [] { return sp()->pswt2_ptpeffi(1, 300, 0.1, 100); }, 99.6319, 4},
    });
}

TEST(PublicFunctions, UnknownNameGivesTheTextButOnlyAfterTheStateEvaluates) {
    const auto props_owned = make_water_steam(Formulation::IFC67);
    WaterSteam& props = *props_owned;
    for (const char* name : {"P", "", " p", "h ", "T", "pressure"}) {
        const Selected got = props.pswA_ph(name, 1, 3051);
        ASSERT_TRUE(std::holds_alternative<std::string>(got)) << '"' << name << '"';
        EXPECT_EQ(std::get<std::string>(got), "No such Para.");
        EXPECT_THROW(selected_number(got), PropertyError);
    }
    EXPECT_THROW(props.pswA_ph("P", 20, 1000), PropertyError);
    EXPECT_THROW(props.pswA_ps("?", 20, 5), PropertyError);
    EXPECT_THROW(props.pswA_ptwtr("?", 0.1, 330), PropertyError);
    EXPECT_THROW(props.pswA_ptstm("?", 0, 300), PropertyError);
}

TEST(PublicFunctions, EfficiencyWithoutIsentropicDropIsRefused) {
    // No expansion through a wet state: the lever rules of (p, h) and (p, s) would
    // give the inlet enthalpy back exactly, and the denominator would be zero;
    // an outlet at the inlet pressure is refused before.
    const double h1 = num(sp()->pswA_ps("h", 1, 5.0));
    try {
        sp()->psw_effi_ph(1, h1, 1, h1);
        FAIL() << "no failure without an enthalpy drop";
    } catch (const PropertyRefusal& e) {
        EXPECT_STREQ(e.what(), "出口压力须低于进口压力");
    }
}

// A call depends on its own arguments only: nothing is carried to the next.
TEST(PublicFunctions, EveryCallEvaluatesAfresh) {
    const double alone = sp()->pswt_ph(1, 3051);
    const auto used_owned = make_water_steam(Formulation::IFC67);
    WaterSteam& used = *used_owned;
    used.pswA_ps("h", 10, 6.0);
    EXPECT_THROW(used.pswt_ph(20, 3051), PropertyError);
    EXPECT_EQ(used.pswt_ph(1, 3051), alone);
}

TEST(PublicFunctions, NonFiniteArgumentsNeverComeBackAsNumbers) {
    using Four = double (*)(double, double, double, double);
    // Each function with its four ordinary arguments (the last unused by the
    // two-argument ones), so that one at a time can be replaced.
    const std::pair<Four, std::array<double, 4>> calls[] = {
        {[](double a, double b, double, double) { return sp()->pswv_ptwtr(a, b); }, {1, 100, 0, 0}},
        {[](double a, double b, double, double) { return sp()->pswv_ptstm(a, b); }, {1, 300, 0, 0}},
        {[](double a, double b, double, double) { return sp()->pswh_ptwtr(a, b); }, {1, 100, 0, 0}},
        {[](double a, double b, double, double) { return sp()->pswh_ptstm(a, b); }, {1, 300, 0, 0}},
        {[](double a, double b, double, double) { return sp()->pswt_ph(a, b); }, {1, 3051, 0, 0}},
        {[](double a, double b, double, double) { return sp()->psws_ph(a, b); }, {1, 3051, 0, 0}},
        {[](double a, double b, double, double) { return num(sp()->pswA_ph("t", a, b)); }, {1, 3051, 0, 0}},
        {[](double a, double b, double, double) { return num(sp()->pswA_ps("t", a, b)); }, {1, 7.5, 0, 0}},
        {[](double a, double b, double, double) { return num(sp()->pswA_ptwtr("v", a, b)); }, {1, 100, 0, 0}},
        {[](double a, double b, double, double) { return num(sp()->pswA_ptstm("v", a, b)); }, {1, 300, 0, 0}},
        {[](double a, double b, double c, double d) { return sp()->psw_effi_pt(a, b, c, d); }, {1, 300, 0.1, 150}},
        {[](double a, double b, double c, double d) { return sp()->psw_effi_ph(a, b, c, d); }, {1, 3052, 0.1, 2776}},
        {[](double a, double b, double c, double d) { return sp()->pswt2_ptpeffi(a, b, c, d); }, {1, 300, 0.1, 80}},
    };
    for (const auto& [call, args] : calls) {
        const int used = args[2] == 0 ? 2 : 4;
        for (int i = 0; i < used; ++i) {
            for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity()}) {
                std::array<double, 4> a = args;
                a[i] = bad;
                EXPECT_THROW(call(a[0], a[1], a[2], a[3]), PropertyError) << "argument " << i << " = " << bad;
            }
        }
    }
}

}  // namespace
}  // namespace entalix::props
