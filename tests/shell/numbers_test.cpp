// The shared reading and writing of numbers.
#include "shell/numbers.h"

#include <gtest/gtest.h>

#include <limits>

#include "shell/errors.h"

namespace entalix::shell {
namespace {

struct ReadCase {
    const char* text;
    double lenient;
    bool strict_ok;
};

class Reading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Reading, LenientAndStrictAgreeWithTheRules) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ParseLeadingNumber(c.text), c.lenient) << '"' << c.text << '"';
    const auto strict = ParseStrictNumber(c.text);
    EXPECT_EQ(strict.has_value(), c.strict_ok) << '"' << c.text << '"';
    if (strict) {
        EXPECT_EQ(*strict, c.lenient) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reading,
    ::testing::Values(ReadCase{"12", 12, true}, ReadCase{"12abc", 12, false}, ReadCase{"1 000", 1000, false},
                      ReadCase{"1,5", 1, false}, ReadCase{"", 0, false}, ReadCase{".", 0, false},
                      ReadCase{"-", 0, false}, ReadCase{"+", 0, false}, ReadCase{"abc", 0, false},
                      ReadCase{"  3.5  ", 3.5, true}, ReadCase{"\t-2\t", -2, false}, ReadCase{" -2 ", -2, true},
                      ReadCase{"+7", 7, true}, ReadCase{"-0.09", -0.09, true}, ReadCase{".5", 0.5, true},
                      ReadCase{"5.", 5, true}, ReadCase{"1.2.3", 1.2, false}, ReadCase{"1e3", 1000, true},
                      ReadCase{"1E-2", 0.01, true}, ReadCase{"2d2", 200, true}, ReadCase{"2D+1", 20, true},
                      ReadCase{"1e", 1, false}, ReadCase{"1e+", 1, false}, ReadCase{"1ex", 1, false},
                      ReadCase{"- 5", -5, false}, ReadCase{"1\n2", 12, false}, ReadCase{"80%", 80, false},
                      ReadCase{"１２", 0, false}, ReadCase{"1e-999", 0, true}, ReadCase{"0e999999", 0, true},
                      ReadCase{"0.1", 0.1, true}, ReadCase{"-.5", -0.5, true}, ReadCase{"007", 7, true},
                      ReadCase{"-inf", 0, false}, ReadCase{"nan", 0, false}, ReadCase{"-nan", 0, false},
                      ReadCase{"1e+2", 100, true}, ReadCase{"1e-400", 0, true}));

TEST(Reading, NumbersBeyondADoubleAreAFailureNotAnInfinity) {
    EXPECT_THROW(ParseLeadingNumber("1e999"), NumberTooLarge);
    EXPECT_THROW(ParseLeadingNumber("-1e309abc"), NumberTooLarge);
    EXPECT_THROW(ParseStrictNumber("1e99999999999999999999"), NumberTooLarge);
    EXPECT_THROW(ParseStrictNumber("-1e400"), NumberTooLarge);
    EXPECT_THROW(ParseLeadingNumber(std::string(400, '9')), NumberTooLarge);
    EXPECT_EQ(ParseLeadingNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(Reading, LongDigitStringsRoundToTheNearestDouble) {
    EXPECT_EQ(ParseLeadingNumber("0.1000000000000000000000000000001"), 0.1);
    EXPECT_EQ(ParseLeadingNumber("0." + std::string(500, '0') + "1"), 0.0);
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

class Writing : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Writing, RoundsTheExactBinaryValueHalfAwayFromZero) {
    EXPECT_EQ(FormatWithPattern(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, Writing,
                         ::testing::Values(FormatCase{3.14159, "0.00", "3.14"}, FormatCase{0.5, "0.00", "0.50"},
                                           FormatCase{0.125, "0.00", "0.13"}, FormatCase{-0.125, "0.00", "-0.13"},
                                           FormatCase{2.675, "0.00", "2.67"},  // 2.67499999... in binary
                                           FormatCase{1.005, "0.00", "1.00"},  // 1.00499999...
                                           FormatCase{0.0, "0.0000", "0.0000"}, FormatCase{-0.0, "0.0000", "0.0000"},
                                           FormatCase{-0.00004, "0.0000", "0.0000"},
                                           FormatCase{-0.00005, "0.0000", "-0.0001"},
                                           FormatCase{9.99995, "0.0000", "10.0000"},  // 9.9999500000000001... in binary
                                           FormatCase{99.99999999, "0.0000", "100.0000"},
                                           FormatCase{1234567.5, "0.000000", "1234567.500000"},
                                           FormatCase{1e20, "0.00", "100000000000000000000.00"},
                                           FormatCase{0.5, "0", "1"}, FormatCase{-2.5, "0", "-3"}));

TEST(Writing, NonFiniteValuesAreNeverWritten) {
    EXPECT_THROW(FormatWithPattern(std::numeric_limits<double>::infinity(), "0.00"), ArithmeticFault);
    EXPECT_THROW(FormatWithPattern(std::numeric_limits<double>::quiet_NaN(), "0.00"), ArithmeticFault);
    EXPECT_THROW(FormatGeneralNumber(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault);
}

TEST(Writing, LargestAndSmallestDoublesFormat) {
    EXPECT_EQ(FormatWithPattern(std::numeric_limits<double>::max(), "0.00").size(), 309u + 3u);
    EXPECT_EQ(FormatWithPattern(std::numeric_limits<double>::denorm_min(), "0.000000"), "0.000000");
}

TEST(GeneralNumber, PlainDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(FormatGeneralNumber(0.5), "0.5");
    EXPECT_EQ(FormatGeneralNumber(100), "100");
    EXPECT_EQ(FormatGeneralNumber(0), "0");
    EXPECT_EQ(FormatGeneralNumber(-0.0), "0");
    EXPECT_EQ(FormatGeneralNumber(-12.25), "-12.25");
    EXPECT_EQ(FormatGeneralNumber(36.62), "36.62");
    EXPECT_EQ(FormatGeneralNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneralNumber(0.0001), "0.0001");
    EXPECT_EQ(FormatGeneralNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatGeneralNumber(0.00001), "1E-05");
    EXPECT_EQ(FormatGeneralNumber(-1.5e20), "-1.5E+20");
    EXPECT_EQ(FormatGeneralNumber(1e15), "1E+15");
    EXPECT_EQ(FormatGeneralNumber(std::numeric_limits<double>::max()), "1.79769313486232E+308");
}

// What a double-click selects: the whole number, not the digits before its point.
TEST(DoubleClick, SelectsTheWholeNumberAroundTheClick) {
    const auto selected = [](std::u16string_view text, std::size_t at) {
        const auto [first, last] = double_click_span(text, at);
        return std::u16string(text.substr(first, last - first));
    };
    EXPECT_EQ(selected(u"1130.90", 1), u"1130.90");
    EXPECT_EQ(selected(u"1130.90", 6), u"1130.90");
    EXPECT_EQ(selected(u"p=25.000000", 3), u"25.000000");
    EXPECT_EQ(selected(u"x=90%", 2), u"90");
    EXPECT_EQ(selected(u"-1.5e-3 MPa", 0), u"-1.5e-3");
    EXPECT_EQ(selected(u"-1.5e-3 MPa", 9), u"MPa");
    EXPECT_EQ(selected(u"错误", 5), u"错误");  // a click past the end takes the last word
    EXPECT_EQ(selected(u"", 0), u"");
}

}  // namespace
}  // namespace entalix::shell
