// Typed decimal numbers kept exactly: the gauge-pressure screen adds the
// atmospheric pressure to the typed gauge pressure digit for digit, so that a
// typed 1 with 0.0983 is 1.0983 and not the nearest binary fraction of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/errors.h"

namespace entalix::steamcalc {

class ExactDecimal {
public:
    ExactDecimal() = default;  // zero

    // The strict reading of a field (the shared number syntax, blanks trimmed at
    // both ends), kept as the typed digits. nullopt when the text is not a
    // number; NumberTooLarge beyond the range of a double. Any exponent below
    // is kept as typed.
    static std::optional<ExactDecimal> parse(std::string_view text);

    friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
    friend ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b);
    friend bool operator==(const ExactDecimal&, const ExactDecimal&) = default;

    // Rounded to the given number of decimals, an exact half away from zero.
    ExactDecimal rounded(int decimals) const;
    // Written with exactly that many decimals, as FormatWithPattern writes them.
    std::string fixed(int decimals) const;
    // At most 15 significant digits, as FormatGeneralNumber writes a double.
    std::string general() const;
    // The nearest double; NumberTooLarge when there is none.
    double to_double() const;

    bool is_zero() const { return digits_.empty(); }

private:
    ExactDecimal(bool negative, std::string digits, long long exponent);
    void normalise();
    // The exponent of the leading digit; only for a non-zero value.
    long long leading_exponent() const;
    // The digits rounded to keep only positions >= lowest, half away from zero.
    ExactDecimal rounded_at(long long lowest) const;
    // This term, or a unit of its sign that adds to other with the same shown
    // results when this term lies far below every digit of other.
    ExactDecimal stand_in_below(const ExactDecimal& other) const;

    bool negative_ = false;
    std::string digits_;      // no leading or trailing zeros; empty for zero
    long long exponent_ = 0;  // value = digits_ x 10^exponent_
};

}  // namespace entalix::steamcalc
