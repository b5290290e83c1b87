// The public functions in MPa, degC and kJ: figures, selectors by name, efficiencies,
// and failures that never come back as numbers.
#include "props/public.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "props/property_error.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

using testing::matches_printed;
using testing::Printed;
using testing::within_one_unit;

double number(const Selected& selected) { return selected_number(selected); }

TEST(PublicFunctions, SinglePropertiesMatchPublishedFigures) {
    SteamProperties props;
    EXPECT_TRUE(matches_printed(props.pswv_ptwtr(1, 100), {0.00104324, 8}));
    // 419.738645 from the standard's constants: one unit off the printed 419.7387.
    EXPECT_TRUE(within_one_unit(props.pswh_ptwtr(1, 100), {419.7387, 4}));
    EXPECT_TRUE(matches_printed(number(props.pswA_ptwtr("s", 1, 100)), {1.306164, 6}));
    EXPECT_TRUE(matches_printed(props.pswv_ptstm(1, 300), {0.25797447, 8}));
    EXPECT_TRUE(matches_printed(props.pswh_ptstm(1, 300), {3052.1431, 4}));
    EXPECT_TRUE(matches_printed(props.pswt_ph(1, 3051), {299.4664, 4}));
    EXPECT_TRUE(matches_printed(props.psws_ph(1, 3051), {7.123142, 6}));
    EXPECT_TRUE(matches_printed(number(props.pswA_ps("t", 1, 7.5)), {410.6983, 4}));
    EXPECT_TRUE(matches_printed(number(props.pswA_ps("h", 1, 7.5)), {3287.1003, 4}));
}

struct SelectorCase {
    const char* name;
    std::function<Selected(SteamProperties&, std::string_view)> call;
    const char* property;
    double expected;
    double tolerance;
};
void PrintTo(const SelectorCase& c, std::ostream* os) { *os << c.name; }

class Selectors : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(Selectors, NamePicksTheMember) {
    const SelectorCase& c = GetParam();
    SteamProperties props;
    EXPECT_NEAR(number(c.call(props, c.property)), c.expected, c.tolerance);
}

const auto ptwtr = [](SteamProperties& sp, std::string_view n) { return sp.pswA_ptwtr(n, 1, 100); };
const auto ptstm = [](SteamProperties& sp, std::string_view n) { return sp.pswA_ptstm(n, 1, 300); };
const auto ph_wet = [](SteamProperties& sp, std::string_view n) { return sp.pswA_ph(n, 1, 1500); };
const auto ps_steam = [](SteamProperties& sp, std::string_view n) { return sp.pswA_ps(n, 1, 7.5); };

INSTANTIATE_TEST_SUITE_P(
    Table, Selectors,
    ::testing::Values(
        // The pressure comes back through the two conversions, not bit for bit.
        SelectorCase{"stm_p", ptstm, "p", 1.0, 1e-15}, SelectorCase{"wtr_t", ptwtr, "t", 100.0, 0.0},
        SelectorCase{"wtr_x", ptwtr, "x", 0.0, 0.0}, SelectorCase{"stm_x", ptstm, "x", 1.0, 0.0},
        SelectorCase{"wtr_v", ptwtr, "v", 0.00104324, 5e-9},
        SelectorCase{"stm_h", ptstm, "h", 3052.1431, 5e-5},
        SelectorCase{"stm_s", ptstm, "s", 7.125141, 5e-7},
        SelectorCase{"ph_x", ph_wet, "x", 0.366214, 5e-7},
        SelectorCase{"ph_h", ph_wet, "h", 1500.0, 1e-12},
        SelectorCase{"ph_v", ph_wet, "v", 0.0718669, 5e-8},
        SelectorCase{"ps_s", ps_steam, "s", 7.5, 1e-12},
        SelectorCase{"ps_x", ps_steam, "x", 1.0, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PublicFunctions, UnknownNameGivesTheTextAfterEvaluating) {
    SteamProperties props;
    for (std::string_view name : {"P", "", " p", "h ", "T", "pressure"}) {
        const Selected got = props.pswA_ph(name, 1, 3051);
        ASSERT_TRUE(std::holds_alternative<std::string>(got)) << '"' << name << '"';
        EXPECT_EQ(std::get<std::string>(got), "No such Para.");
        EXPECT_THROW(selected_number(got), PropertyError);
    }
    // The state comes first: a failing state fails whatever the name.
    EXPECT_THROW(props.pswA_ph("P", 20, 1000), PropertyError);
    EXPECT_THROW(props.pswA_ptwtr("?", 0.1, 330), PropertyError);
    EXPECT_THROW(props.pswA_ptstm("?", 0, 300), PropertyError);
    EXPECT_THROW(props.pswA_ps("?", 20, 5), PropertyError);
}

TEST(PublicFunctions, EfficienciesMatchPublishedFigures) {
    SteamProperties props;
    EXPECT_TRUE(matches_printed(props.psw_effi_pt(1, 300, 0.1, 150), {59.4202, 4}));
    EXPECT_TRUE(matches_printed(props.psw_effi_ph(1, 3052.1431, 0.1, 2776.3207), {59.4200, 4}));
    EXPECT_TRUE(matches_printed(props.pswt2_ptpeffi(1, 300, 0.1, 80), {102.2760, 4}));
    // Isentropic: the end state is wet, at the saturation temperature of 0.1 MPa.
    EXPECT_TRUE(matches_printed(props.pswt2_ptpeffi(1, 300, 0.1, 100), {99.6319, 4}));
    // Throttling keeps the enthalpy.
    EXPECT_TRUE(matches_printed(props.pswt2_ptpeffi(1, 300, 0.1, 0), {288.8737, 4}));
}

TEST(PublicFunctions, EfficiencyWithoutIsentropicDropFails) {
    SteamProperties props;
    // No expansion through a wet state: the lever rules of (p,h) and (p,s) give the
    // inlet enthalpy back exactly, and the efficiency has a zero denominator.
    const double h1 = number(props.pswA_ps("h", 1, 5.0));
    try {
        props.psw_effi_ph(1, h1, 1, h1);
        FAIL() << "no failure without an enthalpy drop";
    } catch (const PropertyError& e) {
        EXPECT_NE(std::string(e.what()).find("drop"), std::string::npos) << e.what();
    }
}

// A call depends on its own arguments only: no state is carried from one to the next.
TEST(PublicFunctions, EveryCallEvaluatesAfresh) {
    SteamProperties fresh;
    const double alone = fresh.pswt_ph(1, 3051);
    SteamProperties used;
    used.pswA_ps("h", 10, 6.0);
    used.pswv_ptwtr(5, 50);
    EXPECT_EQ(used.pswt_ph(1, 3051), alone);
    EXPECT_THROW(used.pswt_ph(20, 3051), PropertyError);
    EXPECT_EQ(used.pswt_ph(1, 3051), alone);
}

TEST(PublicFunctions, NonFiniteArgumentsNeverComeBackAsNumbers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    using Call = std::function<double(SteamProperties&, double)>;
    // Each call with one argument replaced by the bad value.
    const std::vector<Call> calls{
        [](SteamProperties& sp, double b) { return sp.pswv_ptwtr(b, 100); },
        [](SteamProperties& sp, double b) { return sp.pswv_ptwtr(1, b); },
        [](SteamProperties& sp, double b) { return sp.pswv_ptstm(b, 300); },
        [](SteamProperties& sp, double b) { return sp.pswv_ptstm(1, b); },
        [](SteamProperties& sp, double b) { return sp.pswh_ptwtr(b, 100); },
        [](SteamProperties& sp, double b) { return sp.pswh_ptwtr(1, b); },
        [](SteamProperties& sp, double b) { return sp.pswh_ptstm(b, 300); },
        [](SteamProperties& sp, double b) { return sp.pswh_ptstm(1, b); },
        [](SteamProperties& sp, double b) { return sp.pswt_ph(b, 3051); },
        [](SteamProperties& sp, double b) { return sp.pswt_ph(1, b); },
        [](SteamProperties& sp, double b) { return sp.psws_ph(b, 3051); },
        [](SteamProperties& sp, double b) { return sp.psws_ph(1, b); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ph("t", b, 3051)); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ph("t", 1, b)); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ps("t", b, 7.5)); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ps("t", 1, b)); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ptwtr("v", b, 100)); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ptwtr("v", 1, b)); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ptstm("v", b, 300)); },
        [](SteamProperties& sp, double b) { return number(sp.pswA_ptstm("v", 1, b)); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_pt(b, 300, 0.1, 150); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_pt(1, b, 0.1, 150); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_pt(1, 300, b, 150); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_pt(1, 300, 0.1, b); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_ph(b, 3052, 0.1, 2776); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_ph(1, b, 0.1, 2776); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_ph(1, 3052, b, 2776); },
        [](SteamProperties& sp, double b) { return sp.psw_effi_ph(1, 3052, 0.1, b); },
        [](SteamProperties& sp, double b) { return sp.pswt2_ptpeffi(b, 300, 0.1, 80); },
        [](SteamProperties& sp, double b) { return sp.pswt2_ptpeffi(1, b, 0.1, 80); },
        [](SteamProperties& sp, double b) { return sp.pswt2_ptpeffi(1, 300, b, 80); },
        [](SteamProperties& sp, double b) { return sp.pswt2_ptpeffi(1, 300, 0.1, b); },
    };
    for (std::size_t i = 0; i < calls.size(); ++i) {
        for (double bad : {nan, inf, -inf}) {
            SteamProperties props;
            EXPECT_THROW(calls[i](props, bad), PropertyError) << "call " << i << " with " << bad;
        }
    }
}

}  // namespace
}  // namespace entalix::props
