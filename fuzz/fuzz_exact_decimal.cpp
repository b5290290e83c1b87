// Fuzzes the exact decimal arithmetic of the gauge-pressure screen.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/numbers.h"
#include "steamcalc/exact_decimal.h"

namespace {

using entalix::shell::CalculationError;
using entalix::shell::ParseStrictNumber;
using entalix::steamcalc::ExactDecimal;

[[noreturn]] void fail(const char* what) {
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

std::optional<ExactDecimal> parse(const std::string& text) {
    try {
        const auto exact = ExactDecimal::parse(text);
        std::optional<double> strict;
        try {
            strict = ParseStrictNumber(text);
        } catch (const CalculationError&) {
            fail("the shared reader overflowed where the exact one did not");
        }
        // The exact reading accepts what the shared strict reading accepts, with the same nearest double.
        if (exact.has_value() != strict.has_value()) fail("exact and strict readings disagree on a number");
        if (exact && exact->to_double() != *strict) fail("exact reading gives another double");
        return exact;
    } catch (const CalculationError&) {
        return std::nullopt;  // too large or too small: a failure with its message
    }
}

void check_fixed(const ExactDecimal& value) {
    const std::string text = value.rounded(6).fixed(6);
    const std::size_t point = text.find('.');
    if (point == std::string::npos || text.size() - point - 1 != 6) fail("R6 text without six decimals");
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') fail("negative zero written");
    const std::string general = value.general();
    if (general.find("nan") != std::string::npos || general.find("inf") != std::string::npos)
        fail("non-finite text written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('|');
    const auto a = parse(input.substr(0, split));
    if (!a) return 0;
    check_fixed(*a);
    if (split == std::string::npos) return 0;
    const auto b = parse(input.substr(split + 1));
    if (!b) return 0;
    const ExactDecimal sum = *a + *b;
    // Exact while both terms hold digits above 1e-300. A far smaller term is kept
    // only as the side of the sum it decides, which is all one sum needs, but a
    // chain of sums then need not give back its start.
    const bool both_ordinary = (a->is_zero() || a->to_double() != 0.0) && (b->is_zero() || b->to_double() != 0.0);
    if (both_ordinary && !(sum - *b == *a)) fail("(a + b) - b differs from a");
    if (!(*a - *a).is_zero()) fail("a - a is not zero");
    check_fixed(sum);
    try {
        const double exact = sum.to_double();
        const long double approx = static_cast<long double>(a->to_double()) + b->to_double();
        if (std::isfinite(static_cast<double>(approx)) && std::fabs(approx) < 1e300L &&
            std::fabs(exact - approx) > std::fabs(approx) * 1e-15L + 1e-300L &&
            std::fabs(exact - approx) > std::fabs(static_cast<long double>(a->to_double())) * 1e-15L)
            fail("exact sum far from the sum of the doubles");
    } catch (const CalculationError&) {
        // a sum beyond a double is refused with a message
    }
    return 0;
}
