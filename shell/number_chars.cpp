// Doubles to decimal text and back without the C++ library's floating
// <charconv>, which not every standard library offers: the reading is
// fast_float's, the writing works on the exact decimal value of the double.
#include "shell/number_chars.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "shell/numbers.h"

namespace entalix::shell {

namespace {

constexpr std::uint64_t kLimbBase = 1'000'000'000;  // nine decimal digits a limb

// A natural number in base 10^9, least significant limb first.
using BigNumber = std::vector<std::uint64_t>;

void multiply(BigNumber& n, std::uint64_t factor) {  // factor below 2^32
    std::uint64_t carry = 0;
    for (std::uint64_t& limb : n) {
        const std::uint64_t product = limb * factor + carry;
        limb = product % kLimbBase;
        carry = product / kLimbBase;
    }
    while (carry != 0) {
        n.push_back(carry % kLimbBase);
        carry /= kLimbBase;
    }
}

std::string decimal_text(const BigNumber& n) {
    std::string out = std::to_string(n.back());
    for (std::size_t i = n.size() - 1; i-- > 0;) {
        const std::string limb = std::to_string(n[i]);
        out.append(9 - limb.size(), '0');
        out += limb;
    }
    return out;
}

std::string scientific_text(const DecimalDigits& d) {
    std::string out(1, d.digits[0]);
    if (d.digits.size() > 1) {
        out += '.';
        out.append(d.digits, 1);
    }
    out += d.exponent < 0 ? "e-" : "e+";
    const std::string magnitude = std::to_string(std::abs(d.exponent));
    if (magnitude.size() < 2) out += '0';
    out += magnitude;
    return out;
}

std::string plain_text(const DecimalDigits& d) {
    const std::string& digits = d.digits;
    if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
    const std::size_t integer_length = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= integer_length) return digits + std::string(integer_length - digits.size(), '0');
    return digits.substr(0, integer_length) + '.' + digits.substr(integer_length);
}

// The first `count` digits of d, plus one unit in the last place when `up`.
DecimalDigits truncated(const DecimalDigits& d, std::size_t count, bool up) {
    DecimalDigits out{d.digits.substr(0, count), d.exponent};
    if (up) {
        increment_digits(out.digits);
        if (out.digits.size() > count) {  // 99.. carried into 100..
            out.digits.pop_back();
            ++out.exponent;
        }
    }
    while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

bool reads_back(const DecimalDigits& d, double magnitude) {
    const std::string text = scientific_text(d);
    double value = 0.0;
    const ReadResult r = read_double(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc() && value == magnitude;
}

}  // namespace

ReadResult read_double(const char* first, const char* last, double& value) {
    double read = 0.0;
    const auto r = fast_float::from_chars(first, last, read, fast_float::chars_format::general);
    if (r.ec != std::errc()) return {r.ptr, r.ec};
    value = read;
    if (std::isinf(read)) return {r.ptr, std::errc::result_out_of_range};
    if (read == 0.0) {
        // A zero read from a non-zero mantissa is an underflow.
        for (const char* p = first; p != r.ptr && *p != 'e' && *p != 'E'; ++p)
            if (*p >= '1' && *p <= '9') return {r.ptr, std::errc::result_out_of_range};
    }
    return {r.ptr, std::errc()};
}

DecimalDigits exact_digits(double value) {
    std::uint64_t bits = 0;  // std::bit_cast, which not every library has yet
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;  // value = mantissa * 2^exponent
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    if (mantissa == 0) return {"0", 0};
    while ((mantissa & 1) == 0 && exponent < 0) {
        mantissa >>= 1;
        ++exponent;
    }
    BigNumber n{mantissa % kLimbBase, mantissa / kLimbBase};
    if (n.back() == 0) n.pop_back();
    // m * 2^e is an integer for e >= 0; for e < 0 it is m * 5^-e / 10^-e.
    for (int left = std::abs(exponent); left > 0;) {
        const int step = std::min(left, 13);  // 5^13 and 2^13 keep a limb's product in 64 bits
        std::uint64_t factor = 1;
        for (int i = 0; i < step; ++i) factor *= exponent > 0 ? 2 : 5;
        multiply(n, factor);
        left -= step;
    }
    std::string digits = decimal_text(n);
    const int first_power = static_cast<int>(digits.size()) - 1 + std::min(exponent, 0);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return {std::move(digits), first_power};
}

DecimalDigits rounded_digits(double value, int count) {
    const DecimalDigits exact = exact_digits(value);
    const auto keep = static_cast<std::size_t>(std::max(count, 1));
    if (exact.digits.size() <= keep) return exact;
    const char first_dropped = exact.digits[keep];
    // Trailing zeros are stripped, so more dropped digits after a 5 mean more than a half.
    const bool above_half = first_dropped > '5' || (first_dropped == '5' && exact.digits.size() > keep + 1);
    const bool half = first_dropped == '5' && exact.digits.size() == keep + 1;
    const bool odd = (exact.digits[keep - 1] - '0') % 2 == 1;
    return truncated(exact, keep, above_half || (half && odd));
}

std::string portable_shortest_text(double value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) return sign + "nan";
    if (std::isinf(value)) return sign + "inf";
    const double magnitude = std::fabs(value);
    const DecimalDigits exact = exact_digits(magnitude);
    // The fewest significant digits of which some decimal reads back: if n
    // digits do, so do n + 1, so the count is found by bisection. Seventeen
    // always do.
    const auto reads_with = [&](std::size_t count, DecimalDigits* found) {
        if (count >= exact.digits.size()) {
            if (found != nullptr) *found = exact;
            return true;
        }
        const DecimalDigits down = truncated(exact, count, false);
        const DecimalDigits up = truncated(exact, count, true);
        const bool down_reads = reads_back(down, magnitude);
        const bool up_reads = reads_back(up, magnitude);
        if (found != nullptr) {
            if (down_reads && up_reads)
                *found = rounded_digits(magnitude, static_cast<int>(count));  // the nearer, a tie to even
            else
                *found = down_reads ? down : up;
        }
        return down_reads || up_reads;
    };
    std::size_t low = 1;
    std::size_t high = 17;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (reads_with(middle, nullptr))
            high = middle;
        else
            low = middle + 1;
    }
    DecimalDigits best;
    if (!reads_with(low, &best)) best = rounded_digits(magnitude, 17);
    const std::string scientific = scientific_text(best);
    // A whole number written plain shows its exact digits, as std::to_chars
    // does (1742267765724840960, not ...841000); only its length is the shortest's.
    const bool whole = best.exponent >= static_cast<int>(best.digits.size()) - 1;
    const std::string plain = plain_text(whole ? exact : best);
    return sign + (plain.size() <= scientific.size() ? plain : scientific);
}

std::string shortest_text(double value) {
    std::string out;
    append_shortest_text(out, value);
    return out;
}

void append_shortest_text(std::string& out, double value) {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    // The library's own, thirty times faster; portable_shortest_text writes
    // the same text (the tests hold the two together).
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
#else
    out += portable_shortest_text(value);
#endif
}

}  // namespace entalix::shell
