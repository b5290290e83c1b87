// The gauge-pressure screen: typed gauge pressures made absolute digit for
// digit, and the shown pressure gauge again.
#include <gtest/gtest.h>

#include <string>

#include "ifc67/saturation.h"
#include "props/water_steam.h"
#include "shell/errors.h"
#include "shell/numbers.h"
#include "steamcalc/state_solver.h"
#include "tests/support/presses.h"

namespace entalix::steamcalc {
namespace {

PairInput pair(Row a, std::string a_text, Row b, std::string b_text) {
    PairInput input;
    input.ticks[a] = input.ticks[b] = true;
    input.texts[a] = std::move(a_text);
    input.texts[b] = std::move(b_text);
    return input;
}

std::string gauge(const PairInput& input, const char* atmospheric = "0.0983") {
    return test::gauge_press(input, atmospheric).caption().value_or("<none>");
}
std::string absolute(const PairInput& input) { return test::absolute_press(input).caption().value_or("<none>"); }

// Line 1 replaced, lines 2 to 6 as the absolute screen shows them.
std::string with_first_line(const std::string& caption, const std::string& line) {
    return line + caption.substr(caption.find('\r'));
}

TEST(GaugeScreen, TypedOneIsShownAsOne) {
    // Every property at 1.0983 MPa absolute; line 1 shows 1, not 1.000000.
    EXPECT_EQ(gauge(pair(kRowP, "1", kRowT, "100")),
              with_first_line(absolute(pair(kRowP, "1.0983", kRowT, "100")), "p=1"));
    EXPECT_EQ(gauge(pair(kRowP, "1", kRowH, "3000")),
              with_first_line(absolute(pair(kRowP, "1.0983", kRowH, "3000")), "p=1"));
    EXPECT_EQ(gauge(pair(kRowP, "1", kRowX, "50")),
              with_first_line(absolute(pair(kRowP, "1.0983", kRowX, "50")), "p=1"));
}

TEST(GaugeScreen, SaturationPressureIsShownLessTheAtmosphere) {
    // 0.101325 MPa absolute at 100 degC: a gauge pressure of 0.003025.
    const std::string caption = gauge(pair(kRowT, "100", kRowX, "50"));
    EXPECT_EQ(caption.substr(0, caption.find('\r')), "p=0.003025");
    EXPECT_EQ(caption, with_first_line(absolute(pair(kRowT, "100", kRowX, "50")), "p=0.003025"));
}

TEST(GaugeScreen, VacuumIsShownNegative) {
    // At 20 degC the saturation pressure lies far below the atmosphere.
    const std::string p_abs = shell::FormatWithPattern(props::ifc_pswsat_p(20), "0.000000");
    const std::string caption = gauge(pair(kRowT, "20", kRowX, "0"));
    EXPECT_EQ(caption.substr(0, 3), "p=-");
    // 0.002337 - 0.0983 = -0.095963, worked out by hand from the rounded text.
    EXPECT_EQ(p_abs, "0.002337");
    EXPECT_EQ(caption.substr(0, caption.find('\r')), "p=-0.095963");
}

TEST(GaugeScreen, MoreThanSixDecimalsAreRoundedOnTheAbsoluteSum) {
    // 0.0000004 + 0.0983 rounds to 0.098300 (not up), 0.0000005 to 0.098301:
    // the half is decided on the typed digits.
    const auto line1 = [](const std::string& caption) { return caption.substr(0, caption.find('\r')); };
    EXPECT_EQ(line1(gauge(pair(kRowP, "1.2345674", kRowT, "100"))), "p=1.234567");
    EXPECT_EQ(line1(gauge(pair(kRowP, "1.2345675", kRowT, "100"))), "p=1.234568");
    EXPECT_EQ(line1(gauge(pair(kRowP, "0.00000049999999999999", kRowT, "100"))), "p=0");
    // The property functions see the nearest double of the exact sum.
    EXPECT_EQ(gauge(pair(kRowP, "1.2345675", kRowT, "300")),
              with_first_line(absolute(pair(kRowP, "1.3328675", kRowT, "300")), "p=1.234568"));
}

TEST(GaugeScreen, AtmosphericPressureIsUsedAsTyped) {
    const auto line1 = [](const std::string& caption) { return caption.substr(0, caption.find('\r')); };
    EXPECT_EQ(line1(gauge(pair(kRowP, "1", kRowT, "100"), "0.1013")), "p=1");
    EXPECT_EQ(gauge(pair(kRowP, "1", kRowT, "100"), "0"),
              with_first_line(absolute(pair(kRowP, "1", kRowT, "100")), "p=1"));
    // A negative atmosphere is no atmosphere: refused, naming the field.
    EXPECT_THROW(test::gauge_press(pair(kRowT, "100", kRowX, "50"), "-0.5"), shell::OutOfDomain);
}

TEST(GaugeScreen, SupercriticalEnthalpyAtOrAboveTheLowestPressureChangesNothing) {
    // The absolute screen refuses it: no pressure gives that enthalpy back.
    const PairInput input = pair(kRowT, "500", kRowH, "4000");
    EXPECT_THROW(test::absolute_press(input), shell::CalculationError);
    const StateAnswer answer = test::gauge_press(input, "0.0983");
    EXPECT_FALSE(answer.caption());
    EXPECT_EQ(answer.note, kNoStateNote);
    // Below it the scan runs, as on the absolute screen.
    EXPECT_EQ(gauge(pair(kRowT, "500", kRowH, "3300")).substr(2, 6), [] {
        const std::string a = test::absolute_press(pair(kRowT, "500", kRowH, "3300")).caption().value();
        const double p = shell::ParseStrictNumber(a.substr(2, a.find('\r') - 2)).value();
        return shell::FormatGeneralNumber(p - 0.0983).substr(0, 6);
    }());
}

// Every pair, with a bad atmospheric pressure: stopped before anything else.
class BadAtmosphere : public ::testing::TestWithParam<std::tuple<std::pair<const char*, const char*>, int>> {};

TEST_P(BadAtmosphere, StopsEveryPair) {
    const auto& [typed, index] = GetParam();
    const auto& [atmospheric, message] = typed;
    static const Row kSecond[] = {kRowT, kRowH, kRowS, kRowV, kRowX, kRowH, kRowS, kRowV, kRowX};
    const Row first = index < 5 ? kRowP : kRowT;
    PairInput input = pair(first, first == kRowP ? "1" : "150", kSecond[index], "");
    input.texts[kSecond[index]] = kSecond[index] == kRowH   ? "2000"
                                  : kSecond[index] == kRowS ? "5"
                                  : kSecond[index] == kRowV ? "0.1"
                                                            : "50";
    try {
        test::gauge_press(input, atmospheric);
        FAIL() << "the press went on";
    } catch (const shell::CalculationError& e) {
        EXPECT_STREQ(e.what(), message);
    }
    // A bad second value stops the press as well.
    input.texts[kSecond[index]] = "x";
    EXPECT_THROW(test::gauge_press(input, atmospheric), shell::NotANumber);
}

INSTANTIATE_TEST_SUITE_P(EveryPair, BadAtmosphere,
                         ::testing::Combine(::testing::Values(std::pair{"", "“大气压”为空"},
                                                              std::pair{"abc", "“大气压”无法识别：“abc”"},
                                                              std::pair{"0.0983kPa", "“大气压”无法识别：“0.0983kPa”"}),
                                            ::testing::Range(0, 9)));

TEST(GaugeScreen, AbsurdExponents) {
    EXPECT_THROW(test::gauge_press(pair(kRowP, "1e999999999", kRowT, "100"), "0.0983"), shell::NumberTooLarge);
    // A vanishing atmosphere is used as typed: the gauge pressure is then the absolute one.
    const auto vanishing = test::gauge_press(pair(kRowP, "1", kRowT, "300"), "1e-999999999");
    ASSERT_TRUE(vanishing.state.has_value());
    EXPECT_EQ(vanishing.state->p.text, "1");
    const auto tiny_gauge = test::gauge_press(pair(kRowP, "1e-401", kRowT, "300"), "0.0983");
    ASSERT_TRUE(tiny_gauge.state.has_value());
    EXPECT_EQ(tiny_gauge.state->p.text, "0");
}

}  // namespace
}  // namespace entalix::steamcalc
