// Number reading and writing shared by every screen.
#include "shell/numbers.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <system_error>

#include "base/elementary.h"
#include "shell/errors.h"
#include "shell/number_chars.h"

namespace entalix::shell {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_exponent_letter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// Decimal exponent of the leading non-zero digit of a normalised number, used
// only to tell an overflow from an underflow; the exponent saturates.
long long leading_decimal_exponent(const std::string& normalised) {
    const std::size_t e = std::min(normalised.find('e'), normalised.size());
    const std::size_t begin = normalised[0] == '-' ? 1 : 0;
    const std::string_view mantissa(normalised.data() + begin, e - begin);
    const std::size_t integer_length = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t k = mantissa.find_first_not_of("0.");
    if (k == std::string_view::npos) return -1;  // a zero mantissa is harmless
    const long long lead = k < integer_length ? static_cast<long long>(integer_length - 1 - k)
                                              : -static_cast<long long>(k - integer_length);
    long long exponent = 0;
    if (e < normalised.size()) {
        std::size_t i = e + 1;
        const bool negative = normalised[i] == '-';
        if (normalised[i] == '-' || normalised[i] == '+') ++i;
        for (; i < normalised.size() && exponent < 1'000'000'000; ++i) exponent = exponent * 10 + (normalised[i] - '0');
        if (negative) exponent = -exponent;
    }
    return lead + exponent;
}

std::size_t decimals_of_pattern(std::string_view pattern) {
    if (pattern == "0") return 0;
    if (pattern.size() < 3 || pattern.substr(0, 2) != "0.") throw std::invalid_argument("unknown number pattern");
    for (char c : pattern.substr(2))
        if (c != '0') throw std::invalid_argument("unknown number pattern");
    return pattern.size() - 2;
}

}  // namespace

void increment_digits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
            continue;
        }
        ++digits[i];
        return;
    }
    digits.insert(digits.begin(), '1');  // a carry out of every place: 99..9 + 1 is 100..0
}

NumberPrefix scan_number_prefix(std::string_view text) {
    NumberPrefix result;
    std::size_t i = 0;
    std::string out;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    bool point = false;
    std::size_t digits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (is_digit(c)) {
            out += c;
            ++digits;
        } else if (c == '.' && !point) {
            out += c;
            point = true;
        } else
            break;
    }
    if (digits == 0) return result;
    std::size_t end = i;
    if (i < text.size() && is_exponent_letter(text[i])) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        const std::size_t first_digit = j;
        while (j < text.size() && is_digit(text[j])) exponent += text[j++];
        if (j > first_digit) {
            out += exponent;
            end = j;
        }
    }
    result.length = end;
    result.normalised = std::move(out);
    return result;
}

double convert_normalised(const std::string& normalised) {
    double value = 0.0;
    const char* first = normalised.data();
    const char* last = first + normalised.size();
    const auto [ptr, ec] = read_double(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        if (leading_decimal_exponent(normalised) > 0) throw NumberTooLarge();
        return 0.0;  // underflow reads as zero
    }
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        throw std::logic_error("malformed normalised number");
    return value;
}

double ParseLeadingNumber(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') packed += c;
    const NumberPrefix prefix = scan_number_prefix(packed);
    if (prefix.length == 0) return 0.0;
    return convert_normalised(prefix.normalised);
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::optional<double> ParseStrictNumber(std::string_view text) {
    text = trim_blanks(text);
    // The common number ("5.5", "-1.2e-3") read in place: starting with a
    // digit or a point after an optional minus (so not "inf" or "nan") and read whole, it is
    // made only of digits, a point, signs and an 'e' or 'E', and is its own
    // normalised text. Anything else, and a number beyond a double's range,
    // takes the full reading below.
    const std::size_t lead = !text.empty() && text[0] == '-' ? 1 : 0;
    if (lead < text.size() && (is_digit(text[lead]) || text[lead] == '.')) {
        double value = 0.0;
        const ReadResult r = read_double(text.data(), text.data() + text.size(), value);
        if (r.ec == std::errc() && r.end == text.data() + text.size() && std::isfinite(value)) return value;
    }
    const NumberPrefix prefix = scan_number_prefix(text);
    if (prefix.length == 0 || prefix.length != text.size()) return std::nullopt;
    return convert_normalised(prefix.normalised);
}

bool is_keepable_number(std::string_view text) {
    try {
        return ParseStrictNumber(text).has_value();
    } catch (const CalculationError&) {
        return false;  // beyond the range of a double
    }
}

std::string FormatWithPattern(double value, std::string_view pattern) {
    const std::size_t decimals = decimals_of_pattern(pattern);
    if (!std::isfinite(value)) throw ArithmeticFault(kMsgNotFinite);
    const DecimalDigits exact = exact_digits(std::fabs(value));
    // The integer digits, then exactly `decimals` of the fraction.
    std::string digits;
    std::string fraction;
    if (exact.exponent >= 0) {
        const auto integer_length = static_cast<std::size_t>(exact.exponent) + 1;
        digits = exact.digits.substr(0, integer_length);
        digits.append(integer_length - digits.size(), '0');
        if (exact.digits.size() > integer_length) fraction = exact.digits.substr(integer_length);
    } else {
        digits = "0";
        fraction = std::string(static_cast<std::size_t>(-exact.exponent - 1), '0') + exact.digits;
    }
    if (fraction.size() < decimals + 1) fraction.append(decimals + 1 - fraction.size(), '0');
    digits += fraction.substr(0, decimals);
    // The first dropped digit decides; a 5 there is a half or more, rounded up.
    if (fraction[decimals] >= '5') increment_digits(digits);
    const std::size_t integer_length = digits.size() - decimals;
    std::string out;
    if (std::signbit(value) && digits.find_first_not_of('0') != std::string::npos) out += '-';
    out.append(digits, 0, integer_length);
    if (decimals > 0) {
        out += '.';
        out.append(digits, integer_length, decimals);
    }
    return out;
}

std::string FormatGeneralNumber(double value) {
    if (!std::isfinite(value)) throw ArithmeticFault(kMsgNotFinite);
    if (value == 0.0) return "0";
    const DecimalDigits rounded = rounded_digits(std::fabs(value), 15);
    std::string digits = rounded.digits;
    const int exponent = rounded.exponent;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = std::signbit(value) ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent >= 0) {
            const std::size_t integer_length = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integer_length) {
                out += digits;
                out.append(integer_length - digits.size(), '0');
            } else {
                out.append(digits, 0, integer_length);
                out += '.';
                out.append(digits, integer_length);
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += '.';
        out.append(digits, 1);
    }
    const int magnitude = exponent < 0 ? -exponent : exponent;
    out += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

std::string FormatPressureMPa(double p) {
    if (!(std::fabs(p) < 0.001) || p == 0.0) return FormatWithPattern(p, "0.000000");
    // Four significant digits, with at most twenty decimals (far below any
    // pressure the formulations hold).
    const int decimals = std::clamp(3 - static_cast<int>(std::floor(elementary::log10(std::fabs(p)))), 6, 20);
    return FormatWithPattern(p, "0." + std::string(static_cast<std::size_t>(decimals), '0'));
}

namespace {

bool number_char(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E';
}
bool blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

std::pair<std::size_t, std::size_t> double_click_span(std::u16string_view text, std::size_t at) {
    if (text.empty()) return {0, 0};
    at = std::min(at, text.size() - 1);
    if (blank(text[at])) return {at, at};
    const bool number = number_char(text[at]);
    const auto same = [&](char16_t c) { return !blank(c) && number_char(c) == number; };
    std::size_t first = at;
    while (first > 0 && same(text[first - 1])) --first;
    std::size_t last = at + 1;
    while (last < text.size() && same(text[last])) ++last;
    return {first, last};
}

}  // namespace entalix::shell
