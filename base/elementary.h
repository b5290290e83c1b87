// The core's own exp, log, pow, log10, sin, cos, atan and hypot, built from the
// four operations and the square root alone, which IEEE 754 rounds the same way
// on every machine. The C libraries' versions differ in the last bit now and then
// (glibc even picks a variant by processor at run time), so that a steam table
// printed with all its digits could differ between the desktop program, the
// browser page and the Windows build; these give the same double everywhere.
//
// exp, log, pow and log10 are correctly rounded (to nearest) but in vanishingly
// rare cases: a fast evaluation carries the value as a sum of two doubles with a
// proven bound on its error; when that bound leaves the rounding open, a slower
// evaluation to about 2^-100 decides it. sin, cos, atan and hypot take the slower
// way alone (charts and the critical enhancement of the conductivity, not hot).
// No fused multiply-add: x86-64 without it and WebAssembly have none, and the
// build contracts nothing (-ffp-contract=off). The identities of the products
// rely on doubles rounded once per operation (SSE2 on 32-bit Windows).
//
// Special arguments behave as IEEE 754 and C's Annex F ask: NaN in, NaN out
// (but pow(x, 0) = pow(1, y) = 1), log(0) = -inf, log of a negative number NaN,
// overflow to inf and underflow to 0 with the right sign; pow of a negative
// base is defined for whole exponents only (its sign from their parity), NaN
// otherwise. Subnormal results of exp and pow may be one unit in the last place
// off (rounded twice); they are still the same everywhere.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "base/elementary_tables.h"

namespace entalix::elementary {

namespace detail {

// A value carried as the unevaluated sum hi + lo of two doubles.
struct DD {
    double hi;
    double lo;
};

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();

// The bits of a double and back (std::bit_cast is missing from the browser build's library).
inline std::uint64_t to_bits(double x) {
    std::uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}
inline double from_bits(std::uint64_t u) {
    double x;
    std::memcpy(&x, &u, sizeof x);
    return x;
}

// a + b = s + e exactly (Knuth).
inline DD two_sum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}
// a + b = s + e exactly when |a| >= |b| or a = 0 (Dekker).
inline DD fast_two_sum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}
// a = hi + lo, hi of 26 significant bits and lo of at most 26 (Veltkamp); |a| < 2^995.
inline DD split(double a) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    const double hi = c - (c - a);
    return {hi, a - hi};
}
// a b = p + e exactly (Dekker), for |a|, |b| < 2^995 and a product clear of underflow.
inline DD two_prod(double a, double b) {
    const double p = a * b;
    const DD x = split(a);
    const DD y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// Double-double arithmetic, relative error about 2^-104 each.
inline DD dd_add(DD a, DD b) {
    DD s = two_sum(a.hi, b.hi);
    const DD t = two_sum(a.lo, b.lo);
    s.lo += t.hi;
    s = fast_two_sum(s.hi, s.lo);
    s.lo += t.lo;
    return fast_two_sum(s.hi, s.lo);
}
inline DD dd_neg(DD a) { return {-a.hi, -a.lo}; }
inline DD dd_mul(DD a, DD b) {
    DD p = two_prod(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return fast_two_sum(p.hi, p.lo);
}
inline DD dd_mul(DD a, double b) {
    DD p = two_prod(a.hi, b);
    p.lo += a.lo * b;
    return fast_two_sum(p.hi, p.lo);
}
inline DD dd_div(DD a, DD b) {
    const double q1 = a.hi / b.hi;
    DD r = dd_add(a, dd_neg(dd_mul(b, q1)));
    const double q2 = r.hi / b.hi;
    r = dd_add(r, dd_neg(dd_mul(b, q2)));
    const double q3 = r.hi / b.hi;
    return dd_add(fast_two_sum(q1, q2), DD{q3, 0.0});
}
inline DD dd(table::Pair p) { return {p.hi, p.lo}; }

// hi + lo rounded to nearest, when every value within err of it rounds alike;
// false when the rounding is left open (Ziv's test).
inline bool rounded(DD v, double err, double& out) {
    const double up = v.hi + (v.lo + err);
    const double down = v.hi + (v.lo - err);
    out = up;
    return up == down;
}

// x 2^e for a double x near 1 and a whole e with 2^e a normal double or one
// beyond: the first product is exact, the last rounds once (to inf, a subnormal or 0).
inline double scale(double x, int e) {
    if (e > 1000) {
        x *= 0x1p1000;
        e -= 1000;
    } else if (e < -1000) {  // e >= -1077: what is left is a normal power of two
        x *= 0x1p-1000;
        e += 1000;
    }
    return x * from_bits(static_cast<std::uint64_t>(e + 1023) << 52);
}

// ---- ln x for x positive, normal or subnormal, finite ------------------------------

// x = 2^e m, m in [1, 2); with the table's c for m's first eight bits, ln x =
// k ln 2 + T + ln(1 + r), r = m c - 1 a double found exactly, |r| < 2^-7.7.
struct LogReduced {
    int k;
    int i;
    double r;
};

// For x positive and normal.
inline LogReduced log_reduce(double x) {
    const std::uint64_t u = to_bits(x);
    const std::uint64_t top = u >> 44;  // the biased exponent, then the first eight bits of m
    const int i = static_cast<int>(top & 255);
    const double m = from_bits((u & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
    const double m_hi = from_bits((u & 0x000ffffff8000000ULL) | 0x3ff0000000000000ULL);  // 26 bits
    const double c = table::kLogC[i];  // a multiple of 2^-8 in [1/2, 1]
    // m_hi c (34 bits) and (m - m_hi) c are exact, m_hi c - 1 too (Sterbenz), and
    // their sum, a multiple of 2^-60 below 2^-7, is a double. From i = 128 on the
    // exponent counts one higher: the carry of top + 128.
    return {static_cast<int>((top + 128) >> 8) - 1023, i, (m_hi * c - 1.0) + (m - m_hi) * c};
}

// For x positive, normal or subnormal (made normal, exactly).
inline LogReduced log_reduce_any(double x) {
    if (x >= 0x1p-1022) [[likely]]
        return log_reduce(x);
    LogReduced q = log_reduce(x * 0x1p54);
    q.k -= 54;
    return q;
}

// ln x as hi + lo (fast), with an error below kLogAbsErr + kLogRelErr |ln x|.
inline constexpr double kLogAbsErr = 0x1p-67;
inline constexpr double kLogRelErr = 0x1p-62;
inline DD log_fast(const LogReduced& q) {
    const double r = q.r;
    // ln(1 + r) - r = r^2 (-1/2 + r/3 - ...), truncated after r^8 (below 2^-73); below 2^-16.5,
    // so that its rounding errors stay below 2^-68.5.
    const double poly =
        r * r *
        (-0.5 + r * (0x1.5555555555555p-2 +
                     r * (-0.25 + r * (0.2 + r * (-0x1.5555555555555p-3 + r * (0x1.2492492492492p-3 + r * -0.125))))));
    const table::Pair t = table::kLogT[q.i];
    const double a = q.k * table::kLn2Hi + t.hi;  // exact: both on the grid of 2^-43, below 2^10
    const DD s = fast_two_sum(a, r);              // exact: |a| > |r| unless a = 0
    return fast_two_sum(s.hi, s.lo + (q.k * table::kLn2Mid + t.lo + poly));
}

// ln x as hi + lo with a relative error of about 2^-100 (slow).
[[gnu::noinline]] inline DD log_slow(const LogReduced& q) {
    // ln(1 + r) = r (1 - r (1/2 - r (1/3 - ...))), through the power n whose r^n is below 2^-110.
    int n = 2;
    for (double bound = std::fabs(q.r); bound > 0x1p-110 && n < 16; bound *= std::fabs(q.r)) ++n;
    DD acc = dd(table::kInv[n]);
    for (--n; n >= 1; --n) acc = dd_add(dd(table::kInv[n]), dd_neg(dd_mul(acc, q.r)));
    const DD l1p = dd_mul(acc, q.r);
    const double k = q.k;
    DD sum = two_sum(k * table::kLn2Hi, k * table::kLn2Mid);  // both products exact
    sum = dd_add(sum, DD{k * table::kLn2Lo, 0.0});
    sum = dd_add(sum, dd(table::kLogT[q.i]));
    return dd_add(sum, l1p);
}

// ---- e^(xh + xl) for |xh| below 746, |xl| below 2^-43 ---------------------------

// xh + xl = k ln 2 / 256 + r, |r| < ln 2 / 512 + |xl|; e^x = 2^(k >> 8) 2^((k & 255)/256) e^r.
struct ExpReduced {
    int e;
    int j;
    double kd;
    double r1;  // xh - k (ln 2 / 256)'s first part, exact
};

inline ExpReduced exp_reduce(double xh) {
    const double shift = 0x1.8p52;
    const double kd = (xh * table::k256ByLn2 + shift) - shift;  // the nearest whole number
    const int k = static_cast<int>(kd);
    return {k >> 8, k & 255, kd, xh - kd * table::kLn2By256Hi};  // exact (Sterbenz)
}

// e^x as hi + lo without its factor 2^e (fast), the relative error below 2^-62:
// the products t r and t p round once each, |r| < 2^-9.5.
inline DD exp_fast(const ExpReduced& q, double xl) {
    const double r2 = q.kd * table::kLn2By256Rest;  // within 2^-74
    const double r = q.r1 - r2;
    const double rl = ((q.r1 - r) - r2) + xl;
    // e^(r + rl) - 1 = r + rl + r^2 (1/2 + r/6 + ...) (1 + rl), truncated after r^5 (below 2^-66).
    const double p = rl + rl * r +
                     r * r * (0.5 + r * (0x1.5555555555555p-3 + r * (0x1.5555555555555p-5 + r * 0x1.1111111111111p-7)));
    const table::Pair t = table::kExp2[q.j];
    const DD s = fast_two_sum(t.hi, t.hi * r);
    return {s.hi, s.lo + (t.lo + t.hi * p + t.lo * r)};
}

// e^x as hi + lo without its factor 2^e, the relative error about 2^-100 (slow).
[[gnu::noinline]] inline DD exp_slow(double xh, double xl) {
    const ExpReduced q = exp_reduce(xh);
    DD r = two_sum(q.r1, -q.kd * table::kLn2By256Mid);
    r = dd_add(r, DD{xl, 0.0});
    r = dd_add(r, DD{-q.kd * table::kLn2By256Lo, 0.0});
    // e^r through r^11 (|r|^12 / 12! < 2^-110).
    DD acc = dd(table::kInvFact[11]);
    for (int n = 10; n >= 0; --n) acc = dd_add(dd(table::kInvFact[n]), dd_mul(r, acc));
    return dd_mul(acc, dd(table::kExp2[q.j]));
}

// e^(xh + xl) correctly rounded, for xh within the finite range of the result,
// |xl| below 2^-43 and e's exponent xh + xl known within extra_err.
inline double exp_of(double xh, double xl, double extra_err) {
    const ExpReduced q = exp_reduce(xh);
    const DD v = exp_fast(q, xl);
    double out;
    // Below 2^-1021 the result may be subnormal: rounded once, from the closer value.
    if (rounded(v, (0x1p-62 + extra_err) * v.hi, out) && q.e >= -1021) [[likely]]
        return scale(out, q.e);
    const DD w = exp_slow(xh, xl);
    return scale(w.hi + w.lo, q.e);
}

inline bool is_whole(double y) { return std::floor(y) == y; }
inline bool is_odd_whole(double y) {
    return std::fabs(y) < 0x1p53 && is_whole(y) && (static_cast<std::int64_t>(y) & 1) != 0;
}

}  // namespace detail

// e^x.
inline double exp(double x) {
    if (!(std::fabs(x) < 708.0)) [[unlikely]] {
        if (!(x <= 0x1.62e42fefa39efp+9)) return x != x ? x : detail::kInf;  // NaN; above ln(DBL_MAX): inf
        if (x < -0x1.75p+9) return 0.0;                                      // below -746: under 2^-1076
        return detail::exp_of(x, 0.0, 0.0);                                  // near overflow, or subnormal
    }
    // Below 708 in magnitude, 2^e is a normal number and so is the result.
    const detail::ExpReduced q = detail::exp_reduce(x);
    const detail::DD v = detail::exp_fast(q, 0.0);
    double out;
    if (!detail::rounded(v, 0x1p-62 * v.hi, out)) [[unlikely]] {
        const detail::DD w = detail::exp_slow(x, 0.0);
        out = w.hi + w.lo;
    }
    return out * detail::from_bits(static_cast<std::uint64_t>(q.e + 1023) << 52);
}

// ln x.
inline double log(double x) {
    int below = 0;
    if (detail::to_bits(x) - 0x0010000000000000ULL >= 0x7fe0000000000000ULL) [[unlikely]] {
        // Not a positive normal number: 0, a subnormal, inf, NaN or a negative number.
        if (x == 0.0) return -detail::kInf;
        if (!(x > 0.0) || x == detail::kInf) return x > 0.0 || x != x ? x : detail::kNaN;
        x *= 0x1p54;  // a subnormal, made normal exactly
        below = 54;
    }
    detail::LogReduced q = detail::log_reduce(x);
    q.k -= below;
    const detail::DD v = detail::log_fast(q);
    double out;
    if (detail::rounded(v, detail::kLogAbsErr + detail::kLogRelErr * std::fabs(v.hi), out)) [[likely]]
        return out;
    const detail::DD w = detail::log_slow(q);
    return w.hi + w.lo;
}

// log10 x.
inline double log10(double x) {
    if (!(x > 0.0) || x == detail::kInf) return log(x);
    const detail::LogReduced q = detail::log_reduce_any(x);
    const detail::DD v = detail::dd_mul(detail::log_fast(q), detail::dd(table::kInvLn10));
    double out;
    // 1/ln 10 < 1/2; the product adds 2^-100 at most.
    if (detail::rounded(v, 0.5 * detail::kLogAbsErr + (detail::kLogRelErr + 0x1p-100) * std::fabs(v.hi), out))
        return out;
    const detail::DD w = detail::dd_mul(detail::log_slow(q), detail::dd(table::kInvLn10));
    return w.hi + w.lo;
}

namespace detail {

// |x|^y for x finite and nonzero, y finite and nonzero, times sign.
[[gnu::always_inline]] inline double pow_positive(double ax, double y, double sign) {
    const LogReduced lq = log_reduce_any(ax);
    const DD l = log_fast(lq);
    const double ph = y * l.hi;
    if (!(std::fabs(ph) < 708.0)) [[unlikely]] {
        if (!(ph < 0x1.63p+9)) return sign * kInf;  // above 710: overflows even after rounding
        if (!(ph > -0x1.75p+9)) return sign * 0.0;  // below -746
    }
    // |y| < 746 / |ln ax| < 2^63: the product splits without overflow.
    const DD p = two_prod(y, l.hi);
    const DD arg = fast_two_sum(p.hi, p.lo + y * l.lo);
    if (arg.hi > 0x1.62e42fefa39efp+9) return sign * kInf;
    // The logarithm's error, times y, is an error in e's exponent, and so a relative error of the power.
    const double err = std::fabs(y) * kLogAbsErr + (kLogRelErr + 0x1p-100) * std::fabs(arg.hi);
    const ExpReduced q = exp_reduce(arg.hi);
    const DD v = exp_fast(q, arg.lo);
    double out;
    if (rounded(v, (0x1p-62 + err) * v.hi, out) && static_cast<unsigned>(q.e + 1021) <= 2021U) [[likely]]
        return sign * (out * from_bits(static_cast<std::uint64_t>(q.e + 1023) << 52));  // 2^e normal
    const DD ls = log_slow(lq);
    const DD ps = two_prod(y, ls.hi);
    const DD as = fast_two_sum(ps.hi, ps.lo + y * ls.lo);
    const DD w = exp_slow(as.hi, as.lo);
    return sign * scale(w.hi + w.lo, exp_reduce(as.hi).e);
}

// pow for what is not a positive normal base with an exponent between 2^-62 and 2^62.
[[gnu::noinline]] inline double pow_special(double x, double y) {
    if (y == 0.0 || x == 1.0) return 1.0;
    if (x != x || y != y) return kNaN;
    double sign = 1.0;
    const double ax = std::fabs(x);
    if (x < 0.0 || (x == 0.0 && std::signbit(x))) {  // a negative base (or -0): whole exponents alone
        if (std::isinf(y)) {
            if (ax == 1.0) return 1.0;
        } else if (!is_whole(y)) {
            if (x != 0.0 && !std::isinf(x)) return kNaN;  // -0 and -inf: as +0 and +inf
        } else if (is_odd_whole(y)) {
            sign = -1.0;
        }
    }
    if (std::isinf(y)) {
        if (ax == 1.0) return 1.0;
        return (ax < 1.0) == (y < 0.0) ? kInf : 0.0;
    }
    if (ax == 0.0) return y < 0.0 ? sign * kInf : sign * 0.0;
    if (ax == kInf) return y < 0.0 ? sign * 0.0 : sign * kInf;
    // Exponents whose power one operation rounds correctly.
    if (y == 1.0) return sign * ax;
    if (y == 2.0) return ax * ax;
    if (y == -1.0) return sign / ax;
    return pow_positive(ax, y, sign);
}

}  // namespace detail

// x^y.
inline double pow(double x, double y) {
    const double ay = std::fabs(y);
    if (detail::to_bits(x) - 0x0010000000000000ULL < 0x7fe0000000000000ULL && ay < 0x1p62 && ay > 0x1p-62)
        [[likely]] {  // a positive normal base, a moderate exponent
        // Exponents whose power one operation rounds correctly (powers of two all).
        if ((detail::to_bits(y) << 12) == 0) [[unlikely]] {
            if (y == 1.0) return x;
            if (y == 2.0) return x * x;
            if (y == -1.0) return 1.0 / x;
            if (y == 0.5) return std::sqrt(x);
        }
        return detail::pow_positive(x, y, 1.0);
    }
    return detail::pow_special(x, y);
}

// sin x and cos x.
namespace detail {

struct TrigReduced {
    int quadrant;
    DD r;  // |r| <= pi/4
};

inline TrigReduced trig_reduce(double x) {
    const double shift = 0x1.8p52;
    const double kd = (x * table::k2ByPi + shift) - shift;
    DD r = two_sum(x - kd * table::kHalfPi[0], -kd * table::kHalfPi[1]);
    r = dd_add(r, DD{-kd * table::kHalfPi[2], 0.0});
    r = dd_add(r, DD{-kd * table::kHalfPi[3], 0.0});
    return {static_cast<int>(static_cast<std::int64_t>(kd) & 3), r};
}

// sin r or cos r for |r| <= pi/4, through r^27 (r^28 / 28! < 2^-110).
[[gnu::noinline]] inline DD sin_cos_series(DD r, bool cosine) {
    const DD r2 = dd_mul(r, r);
    const int top = cosine ? 26 : 27;
    DD acc = dd(table::kInvFact[top]);
    for (int n = top - 2; n >= 0; n -= 2) {
        acc = dd_mul(r2, acc);
        acc = dd_add(dd(table::kInvFact[n]), dd_neg(acc));
    }
    return cosine ? acc : dd_mul(r, acc);
}

inline double sin_cos(double x, bool cosine) {
    if (!std::isfinite(x)) return kNaN;
    if (std::fabs(x) < 0x1p-27) return cosine ? 1.0 : x;  // sin x = x, cos x = 1, rounded
    // Beyond 2^22 the angle is first taken modulo the double nearest 2 pi (exactly), which
    // keeps the reduction below exact; such angles have lost their meaning anyway.
    if (std::fabs(x) >= 0x1p22) x = std::fmod(x, 0x1.921fb54442d18p+2);
    const TrigReduced q = trig_reduce(x);
    const int quadrant = cosine ? (q.quadrant + 1) & 3 : q.quadrant;
    const DD v = sin_cos_series(q.r, (quadrant & 1) != 0);
    const double out = v.hi + v.lo;
    return (quadrant & 2) != 0 ? -out : out;
}

}  // namespace detail

inline double sin(double x) { return detail::sin_cos(x, false); }
inline double cos(double x) { return detail::sin_cos(x, true); }

// atan x, in (-pi/2, pi/2).
inline double atan(double x) {
    using namespace detail;
    if (x != x) return x;
    const double a = std::fabs(x);
    if (a < 0x1p-27) return x;  // atan x = x, rounded
    if (a > 0x1p60) return std::copysign(table::kHalfPiPair.hi, x);
    // atan a = pi/2 - atan(1/a) above 1; then atan t = atan(j/16) + atan((t - j/16) / (1 + t j/16)).
    const bool inverted = a > 1.0;
    const DD t = inverted ? dd_div(DD{1.0, 0.0}, DD{a, 0.0}) : DD{a, 0.0};
    const int j = static_cast<int>(t.hi * 16.0 + 0.5);
    const double c = j / 16.0;
    const DD u = dd_div(dd_add(t, DD{-c, 0.0}), dd_add(DD{1.0, 0.0}, dd_mul(t, c)));  // |u| < 1/32
    // atan u = u (1 - u^2 (1/3 - u^2 (1/5 - ...))), through u^23 (u^25 / 25 < 2^-125).
    const DD u2 = dd_mul(u, u);
    DD acc = dd(table::kInv[23]);
    for (int n = 21; n >= 1; n -= 2) acc = dd_add(dd(table::kInv[n]), dd_neg(dd_mul(u2, acc)));
    DD v = dd_add(dd(table::kAtan[j]), dd_mul(u, acc));
    if (inverted) v = dd_add(dd(table::kHalfPiPair), dd_neg(v));
    return std::copysign(v.hi + v.lo, x);
}

// sqrt(x^2 + y^2) without overflow or underflow on the way.
inline double hypot(double x, double y) {
    using namespace detail;
    if (std::isinf(x) || std::isinf(y)) return kInf;
    if (x != x || y != y) return kNaN;
    double a = std::fabs(x);
    double b = std::fabs(y);
    if (a < b) std::swap(a, b);
    if (a == 0.0) return 0.0;
    if (b < a * 0x1p-60) return a;  // b^2 / 2 a^2 is below 2^-121: a, rounded
    int e = 0;
    std::frexp(a, &e);
    a = std::ldexp(a, -e);  // exact: a in [1/2, 1), b above 2^-61
    b = std::ldexp(b, -e);
    const DD s = dd_add(two_prod(a, a), two_prod(b, b));
    const double q = std::sqrt(s.hi);
    // One Newton step on the square root, in double-double: q + (s - q^2) / 2q.
    const DD residual = dd_add(s, dd_neg(two_prod(q, q)));
    const DD v = fast_two_sum(q, (residual.hi + residual.lo) / (2.0 * q));
    return std::ldexp(v.hi + v.lo, e);
}

}  // namespace entalix::elementary
