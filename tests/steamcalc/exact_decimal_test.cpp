// Exact decimal arithmetic of typed pressures.
#include "steamcalc/exact_decimal.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "shell/numbers.h"

namespace entalix::steamcalc {
namespace {

ExactDecimal exact(const char* text) {
    const auto value = ExactDecimal::parse(text);
    if (!value) throw std::invalid_argument(text);
    return *value;
}

struct SumCase {
    const char* a;
    const char* b;
    const char* sum_fixed6;
    const char* difference_general;  // (a + b) rounded to six decimals, less b
};

// The typed digits, not their nearest doubles: 1 + 0.0983 is 1.0983 exactly,
// and rounding the exact sum decides at the seventh decimal of the digits.
const SumCase kSums[] = {
    {"1", "0.0983", "1.098300", "1"},
    {"0.0030250", "0.0983", "0.101325", "0.003025"},
    {"1.23456749", "0.0983", "1.332867", "1.234567"},
    {"1.23456750", "0.0983", "1.332868", "1.234568"},
    {"-0.0983", "0.0983", "0.000000", "-0.0983"},
    {"-0.09830049", "0.0983", "0.000000", "-0.0983"},
    {"-0.0983005", "0.0983", "-0.000001", "-0.098301"},
    {"1e-3", "9.83D-2", "0.099300", "0.001"},
    {"  2.5  ", "0", "2.500000", "2.5"},
    {"123456789012345678", "0.0983", "123456789012345678.098300", "1.23456789012346E+17"},
    {"0.1000000000000000000000000005", "0.0983", "0.198300", "0.1"},
    {"1e-300", "0.0983", "0.098300", "0"},
    {"-1e-300", "0", "0.000000", "0"},
};

TEST(ExactDecimal, SumsAndRoundsTheTypedDigits) {
    for (const SumCase& c : kSums) {
        SCOPED_TRACE(std::string(c.a) + " + " + c.b);
        const ExactDecimal sum = exact(c.a) + exact(c.b);
        const std::string fixed = sum.fixed(6);
        EXPECT_EQ(fixed, c.sum_fixed6);
        EXPECT_EQ((exact(fixed.c_str()) - exact(c.b)).general(), c.difference_general);
    }
}

TEST(ExactDecimal, GeneralWritingMatchesTheSharedWriterForDoubles) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> exponent(-8, 17);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int i = 0; i < 2000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        // Fifteen significant digits read back exactly, so both writers see the same number.
        char text[64];
        std::snprintf(text, sizeof text, "%.14e", value);
        const double typed = std::strtod(text, nullptr);
        SCOPED_TRACE(text);
        EXPECT_EQ(exact(text).general(), shell::FormatGeneralNumber(typed));
        EXPECT_EQ(exact(text).to_double(), typed);
    }
}

TEST(ExactDecimal, ConvertsToTheNearestDouble) {
    EXPECT_EQ(exact("1.0983").to_double(), 1.0983);
    EXPECT_EQ((exact("1") + exact("0.0983")).to_double(), 1.0983);
    EXPECT_EQ(exact("0").to_double(), 0.0);
    EXPECT_EQ(exact("-0.0000").general(), "0");
}

TEST(ExactDecimal, RefusesTextsThatAreNotNumbers) {
    for (const char* text : {"", " ", "abc", "1,5", "1 000", "1e", ".", "-", "0x10", "1e5e5", "12abc"})
        EXPECT_FALSE(ExactDecimal::parse(text).has_value()) << text;
}

TEST(ExactDecimal, AbsurdExponentsNeitherFailWronglyNorAllocateHugely) {
    EXPECT_THROW(ExactDecimal::parse("1e999999999"), shell::NumberTooLarge);
    EXPECT_THROW(ExactDecimal::parse("1e99999999999999999999999999"), shell::NumberTooLarge);
    EXPECT_TRUE(ExactDecimal::parse("0e999999999").value().is_zero());
    EXPECT_TRUE(ExactDecimal::parse("0e-999999999").value().is_zero());
    // A tiny typed term is kept: it still decides the side of a half.
    EXPECT_EQ((exact("0.0983") + exact("1e-401")).fixed(6), "0.098300");
    EXPECT_EQ((exact("0.0000005") - exact("1e-999999999")).fixed(6), "0.000000");
    EXPECT_EQ((exact("0.0000005") + exact("1e-999999999")).fixed(6), "0.000001");
    EXPECT_EQ((exact("-0.0000005") + exact("1e-99999999999999")).fixed(6), "0.000000");
    EXPECT_EQ((exact("1e-999999999") - exact("1e-999999999")).general(), "0");
    EXPECT_EQ((exact("1e-999999999") + exact("1e-1000000000")).general(), "1.1E-999999999");
    EXPECT_EQ(exact("1e-999999999").general(), "1E-999999999");
    EXPECT_EQ((exact("1") - exact("1e-5000")).general(), "1");
    EXPECT_EQ((exact("1e-1090") - exact("1e-5000")).general(), "1E-1090");
    EXPECT_EQ((exact("0.1") + exact("1e-5000")).to_double(), 0.1);
    // 9999999999999999 lies halfway between two doubles: a tiny term decides.
    EXPECT_EQ((exact("9999999999999999") + exact("1e-5000")).to_double(), 1e16);
    EXPECT_EQ((exact("9999999999999999") - exact("1e-5000")).to_double(), 9999999999999998.0);
    // The widest sums stay a little over a thousand digits long.
    const ExactDecimal wide = exact("1e308") + exact("1e-400");
    EXPECT_EQ(wide.general(), "1E+308");
    EXPECT_EQ(wide.fixed(6).size(), 309u + 7u);
    EXPECT_EQ((exact("1e308") - exact("1e-999999999")).fixed(6).size(), 309u + 7u);
    EXPECT_THROW((exact("1.7e308") + exact("1.7e308")).to_double(), shell::NumberTooLarge);
}

TEST(ExactDecimal, LongTypedDigitsAreKept) {
    // Digits far past the sixth decimal still decide a half.
    const std::string just_below = "1.0000004" + std::string(5000, '9');
    const std::string just_above = "1.0000005" + std::string(5000, '0') + "1";
    EXPECT_EQ(exact(just_below.c_str()).fixed(6), "1.000000");
    EXPECT_EQ(exact(just_above.c_str()).fixed(6), "1.000001");
    EXPECT_EQ((exact(just_below.c_str()) + exact("0.0983")).fixed(6), "1.098300");
    EXPECT_EQ((exact(just_above.c_str()) - exact("0.0000000000001")).fixed(6), "1.000000");
    EXPECT_EQ(exact(just_above.c_str()).to_double(), 1.0000005);
}

}  // namespace
}  // namespace entalix::steamcalc
