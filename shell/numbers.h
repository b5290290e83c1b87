// Reading numbers from field texts and writing results for display.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace entalix::shell {

// The lenient reading: blanks, tabs and line feeds are removed wherever they
// stand, then the longest leading number is read ("12abc" is 12, "1 000" is
// 1000, "1,5" is 1); a text without a leading digit reads 0. No field a person
// types into is read this way: it misreads typing slips silently, and the
// screens read their fields whole with read_field (shell/reading.h).
// Throws NumberTooLarge when the number is beyond the range of a double.
double ParseLeadingNumber(std::string_view text);

// The text without the blanks at its ends (tabs and line feeds stay: a strict
// reading refuses them).
std::string_view trim_blanks(std::string_view text);

// The strict reading: after trimming blanks at both ends, the whole text must be
// one number. nullopt when it is not; throws NumberTooLarge like the lenient one.
std::optional<double> ParseStrictNumber(std::string_view text);

// Whether the text is one number of a double's range by the strict reading:
// what a host keeps as the site's atmospheric pressure from one start to the
// next (an empty or half-typed field would read as 0 MPa at every later start).
bool is_keepable_number(std::string_view text);

// The number syntax both readings share: an optional sign, digits with at most
// one decimal point, an optional exponent (E, e, D or d, optional sign, digits).
// Returns how many characters of text form the longest such beginning (0 when it
// holds no digit) and the number normalised for conversion ("-12.5e+3").
struct NumberPrefix {
    std::size_t length = 0;
    std::string normalised;
};
NumberPrefix scan_number_prefix(std::string_view text);

// Adds one unit in the last place to a string of decimal digits ("199" -> "200",
// "99" -> "100").
void increment_digits(std::string& digits);

// Converts a normalised number; throws NumberTooLarge on overflow, gives 0 on underflow.
double convert_normalised(const std::string& normalised);

// "0." followed by n zeros: the exact binary value rounded to n decimals, an
// exact half away from zero, never "-0.00"; throws ArithmeticFault if not finite.
std::string FormatWithPattern(double value, std::string_view pattern);

// A pressure in MPa as a result shows it: six decimals, or four significant
// digits below 0.001 MPa, where six decimals would keep too few of them.
std::string FormatPressureMPa(double p);

// At most 15 significant digits in plain decimal notation, trailing zeros and a
// bare point removed, "0" for zero. Magnitudes below 1e-4 or from 1e15 upward
// are written with an exponent ("1.5E-05"). Throws ArithmeticFault if not finite.
std::string FormatGeneralNumber(double value);

// What a double-click selects in a field's text (UTF-16, as both window
// toolkits hold it) at index `at`: the whole number around it, its sign,
// decimal point and exponent included ("1130.90", not "1130" or "90"), or else
// the run of other characters up to a blank or a number. [first, second).
std::pair<std::size_t, std::size_t> double_click_span(std::u16string_view text, std::size_t at);

}  // namespace entalix::shell
