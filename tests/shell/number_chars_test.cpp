// The portable reading and writing of doubles against the C++ library's own
// <charconv> (where it has floating point) and against published digits.
#include "shell/number_chars.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace entalix::shell {
namespace {

std::string library_shortest(double value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

std::string library_scientific14(double value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    return std::string(buffer, r.ptr);
}

std::string as_scientific14(double value) {
    const DecimalDigits d = rounded_digits(value, 15);
    std::string digits = d.digits;
    digits.resize(15, '0');
    const int e = std::abs(d.exponent);
    return digits.substr(0, 1) + '.' + digits.substr(1) + (d.exponent < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") +
           std::to_string(e);
}

// Random bit patterns cover every exponent; powers of ten and thousandths the
// numbers a plant screen shows.
std::vector<double> sample() {
    std::mt19937_64 bits(20261211);
    std::vector<double> values;
    for (int i = 0; i < 40000; ++i) {
        const double v = std::bit_cast<double>(bits());
        if (std::isfinite(v)) values.push_back(v);
    }
    std::uniform_real_distribution<double> decade(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::pow(10.0, decade(bits));
        values.push_back(v);
        values.push_back(std::round(v * 1000) / 1000);
    }
    for (double v : {0.0, -0.0, 0.1, 0.3, 1e15, 1e16, 1e21, 1e22, 1e23, 5e-324, 2.2250738585072014e-308,
                     std::numeric_limits<double>::max(), 100000000000000.5, 1742267765724840960.0, 0.001, 0.0001})
        values.push_back(v);
    return values;
}

TEST(NumberChars, ShortestTextAsTheLibraryWritesIt) {
    for (double v : sample()) ASSERT_EQ(portable_shortest_text(v), library_shortest(v)) << std::hexfloat << v;
    EXPECT_EQ(portable_shortest_text(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(portable_shortest_text(-std::numeric_limits<double>::quiet_NaN()), "-nan");
}

TEST(NumberChars, FifteenDigitsRoundedAsTheLibraryRoundsThem) {
    for (double v : sample()) {
        if (v == 0) continue;
        ASSERT_EQ(as_scientific14(std::fabs(v)), library_scientific14(std::fabs(v))) << std::hexfloat << v;
    }
    // An exact half goes to the even digit: 100000000000000.5 has sixteen digits.
    EXPECT_EQ(rounded_digits(100000000000000.5, 15).digits, "1");
    EXPECT_EQ(rounded_digits(100000000000001.5, 15).digits, "100000000000002");
}

TEST(NumberChars, ExactDigitsOfABinaryFraction) {
    EXPECT_EQ(exact_digits(0.1).digits, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(exact_digits(0.1).exponent, -1);
    EXPECT_EQ(exact_digits(5e-324).exponent, -324);
    EXPECT_EQ(exact_digits(5e-324).digits.size(), 751u);
    EXPECT_EQ(exact_digits(std::ldexp(1.0, 70)).digits, "1180591620717411303424");
}

TEST(NumberChars, ReadingRoundsCorrectlyAndNamesOverflow) {
    double value = 0;
    const std::string text = "9007199254740993";  // 2^53 + 1, halfway: to even
    EXPECT_EQ(read_double(text.data(), text.data() + text.size(), value).ec, std::errc());
    EXPECT_EQ(value, 9007199254740992.0);
    const std::string big = "1e999";
    EXPECT_EQ(read_double(big.data(), big.data() + big.size(), value).ec, std::errc::result_out_of_range);
    const std::string tiny = "1e-999";
    EXPECT_EQ(read_double(tiny.data(), tiny.data() + tiny.size(), value).ec, std::errc::result_out_of_range);
    EXPECT_EQ(value, 0.0);
    const std::string zero = "0e-999";
    EXPECT_EQ(read_double(zero.data(), zero.data() + zero.size(), value).ec, std::errc());
    for (double v : sample()) {
        const std::string written = portable_shortest_text(v);
        ASSERT_EQ(read_double(written.data(), written.data() + written.size(), value).ec, std::errc());
        ASSERT_EQ(value, v) << written;
    }
}

}  // namespace
}  // namespace entalix::shell
