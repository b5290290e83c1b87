// Exact decimal arithmetic on typed digits.
#include "steamcalc/exact_decimal.h"

#include <algorithm>
#include <utility>

#include "shell/numbers.h"

namespace entalix::steamcalc {
namespace {

// Every digit that a sum can show or convert lies above this place: the
// midpoints between doubles end by 10^-1075, and R6 and the fifteen digits of
// the general writing end far above it for any value a double can hold.
constexpr long long kDeepestShownPlace = -1100;
// Exponent texts longer than this saturate; the value is then far outside
// either limit and is refused anyway.
constexpr long long kExponentSaturation = 1'000'000'000'000LL;

// Magnitude comparison of two digit strings of equal scale.
int compare_aligned(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string add_aligned(const std::string& a, const std::string& b) {
    std::string out;
    out.reserve(std::max(a.size(), b.size()) + 1);
    int carry = 0;
    for (std::size_t i = 0; i < a.size() || i < b.size() || carry; ++i) {
        int sum = carry;
        if (i < a.size()) sum += a[a.size() - 1 - i] - '0';
        if (i < b.size()) sum += b[b.size() - 1 - i] - '0';
        out.push_back(static_cast<char>('0' + sum % 10));
        carry = sum / 10;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

// a - b for a >= b, both of equal scale.
std::string subtract_aligned(const std::string& a, const std::string& b) {
    std::string out;
    out.reserve(a.size());
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int diff = (a[a.size() - 1 - i] - '0') - borrow;
        if (i < b.size()) diff -= b[b.size() - 1 - i] - '0';
        borrow = diff < 0 ? 1 : 0;
        out.push_back(static_cast<char>('0' + diff + 10 * borrow));
    }
    std::reverse(out.begin(), out.end());
    return out;
}

}  // namespace

ExactDecimal::ExactDecimal(bool negative, std::string digits, long long exponent)
    : negative_(negative), digits_(std::move(digits)), exponent_(exponent) {
    normalise();
}

void ExactDecimal::normalise() {
    const std::size_t first = digits_.find_first_not_of('0');
    if (first == std::string::npos) {
        digits_.clear();
        negative_ = false;
        exponent_ = 0;
        return;
    }
    digits_.erase(0, first);
    const std::size_t last = digits_.find_last_not_of('0');
    exponent_ += static_cast<long long>(digits_.size() - 1 - last);
    digits_.erase(last + 1);
}

long long ExactDecimal::leading_exponent() const { return exponent_ + static_cast<long long>(digits_.size()) - 1; }

std::optional<ExactDecimal> ExactDecimal::parse(std::string_view text) {
    // The shared reader decides what is a number and what is too large.
    if (!shell::ParseStrictNumber(text)) return std::nullopt;
    const shell::NumberPrefix prefix = shell::scan_number_prefix(shell::trim_blanks(text));
    const std::string& normalised = prefix.normalised;
    std::size_t i = 0;
    const bool negative = normalised.rfind('-', 0) == 0;
    if (negative) ++i;
    std::string digits;
    long long fraction_digits = 0;
    bool after_point = false;
    for (; i < normalised.size() && normalised[i] != 'e'; ++i) {
        if (normalised[i] == '.') {
            after_point = true;
            continue;
        }
        digits.push_back(normalised[i]);
        if (after_point) ++fraction_digits;
    }
    long long exponent = 0;
    if (i < normalised.size()) {
        ++i;  // 'e'
        const bool exponent_negative = normalised[i] == '-';
        if (normalised[i] == '-' || normalised[i] == '+') ++i;
        for (; i < normalised.size(); ++i)
            if (exponent < kExponentSaturation) exponent = exponent * 10 + (normalised[i] - '0');
        if (exponent_negative) exponent = -exponent;
    }
    return ExactDecimal(negative, std::move(digits), exponent - fraction_digits);
}

ExactDecimal ExactDecimal::stand_in_below(const ExactDecimal& other) const {
    if (is_zero() || other.is_zero()) return *this;
    // A term entirely below every digit of the other and below every place a
    // result can show only decides on which side of the other the sum lies.
    // A unit of the same sign just below those places does the same, and keeps
    // the aligned sum short whatever exponent was typed ("1e-999999999").
    const long long place = std::min({other.exponent_, other.leading_exponent() - 20, kDeepestShownPlace}) - 2;
    if (leading_exponent() >= place) return *this;
    return ExactDecimal(negative_, "1", place);
}

ExactDecimal operator+(const ExactDecimal& a_in, const ExactDecimal& b_in) {
    if (a_in.is_zero()) return b_in;
    if (b_in.is_zero()) return a_in;
    // Align both on the lower exponent, a far smaller term replaced by its stand-in.
    const ExactDecimal a = a_in.leading_exponent() >= b_in.leading_exponent() ? a_in : a_in.stand_in_below(b_in);
    const ExactDecimal b = a_in.leading_exponent() >= b_in.leading_exponent() ? b_in.stand_in_below(a_in) : b_in;
    const long long exponent = std::min(a.exponent_, b.exponent_);
    const std::string x = a.digits_ + std::string(static_cast<std::size_t>(a.exponent_ - exponent), '0');
    const std::string y = b.digits_ + std::string(static_cast<std::size_t>(b.exponent_ - exponent), '0');
    if (a.negative_ == b.negative_) return ExactDecimal(a.negative_, add_aligned(x, y), exponent);
    const int order = compare_aligned(x, y);
    if (order == 0) return ExactDecimal();
    if (order > 0) return ExactDecimal(a.negative_, subtract_aligned(x, y), exponent);
    return ExactDecimal(b.negative_, subtract_aligned(y, x), exponent);
}

ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b) {
    ExactDecimal negated = b;
    if (!negated.is_zero()) negated.negative_ = !negated.negative_;
    return a + negated;
}

ExactDecimal ExactDecimal::rounded_at(long long lowest) const {
    if (is_zero() || exponent_ >= lowest) return *this;
    const long long keep = exponent_ + static_cast<long long>(digits_.size()) - lowest;
    if (keep < 0) return ExactDecimal();  // below half a unit of the last kept place
    std::string kept = digits_.substr(0, static_cast<std::size_t>(keep));
    if (digits_[static_cast<std::size_t>(keep)] >= '5') {
        if (kept.empty()) kept.push_back('0');
        shell::increment_digits(kept);
    }
    return ExactDecimal(negative_, std::move(kept), lowest);
}

ExactDecimal ExactDecimal::rounded(int decimals) const { return rounded_at(-static_cast<long long>(decimals)); }

std::string ExactDecimal::fixed(int decimals) const {
    const ExactDecimal r = rounded(decimals);
    std::string out = r.negative_ ? "-" : "";
    const long long top = r.is_zero() ? 0 : std::max(r.leading_exponent(), 0LL);
    for (long long position = top; position >= -static_cast<long long>(decimals); --position) {
        if (position == -1) out.push_back('.');
        const long long index = r.leading_exponent() - position;
        const bool inside = !r.is_zero() && index >= 0 && index < static_cast<long long>(r.digits_.size());
        out.push_back(inside ? r.digits_[static_cast<std::size_t>(index)] : '0');
    }
    return out;
}

std::string ExactDecimal::general() const {
    if (is_zero()) return "0";
    const ExactDecimal r = rounded_at(leading_exponent() - 14);
    const long long lead = r.leading_exponent();
    const std::string& d = r.digits_;
    std::string out = r.negative_ ? "-" : "";
    if (lead >= -4 && lead < 15) {
        if (r.exponent_ >= 0) {
            out.append(d).append(static_cast<std::size_t>(r.exponent_), '0');
        } else if (lead >= 0) {
            const std::size_t integer_length = static_cast<std::size_t>(lead + 1);
            out.append(d, 0, integer_length).append(1, '.').append(d, integer_length);
        } else {
            out.append("0.").append(static_cast<std::size_t>(-lead - 1), '0').append(d);
        }
        return out;
    }
    out += d[0];
    if (d.size() > 1) out.append(1, '.').append(d, 1);
    const long long magnitude = lead < 0 ? -lead : lead;
    out += lead < 0 ? "E-" : "E+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

double ExactDecimal::to_double() const {
    if (is_zero()) return 0.0;
    std::string normalised = negative_ ? "-" : "";
    normalised += digits_;
    normalised += 'e';
    normalised += std::to_string(exponent_);
    return shell::convert_normalised(normalised);
}

}  // namespace entalix::steamcalc
