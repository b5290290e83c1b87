#!/usr/bin/env python3
"""Writes base/elementary_tables.h: the tables and constants of the core's own
exp, log, pow, log10, sin, cos, atan (base/elementary.h), worked out at 60
digits with mpmath and rounded to doubles. Run from the repository's root:
    python3 tools/elementary_tables.py > base/elementary_tables.h"""
import mpmath
from mpmath import mp, mpf

mp.prec = 240


def dd(x):
    """x as an unevaluated sum of two doubles, hi the nearest double."""
    hi = float(x)
    lo = float(x - mpf(hi))
    return hi, lo


def trunc_bits(x, bits):
    """x cut to a double of at most `bits` significant bits (towards zero)."""
    m, e = mpmath.frexp(x)
    return float(mpmath.floor(m * 2**bits) * mpf(2) ** (e - bits)) if x >= 0 else -trunc_bits(-x, bits)


def split(x, parts, bits):
    """x as a sum of `parts` doubles, all but the last of `bits` significant bits."""
    out = []
    for _ in range(parts - 1):
        h = trunc_bits(x, bits)
        out.append(h)
        x -= mpf(h)
    out.append(float(x))
    return out


def h(v):
    return float(v).hex()


def pair(p):
    return "{" + h(p[0]) + ", " + h(p[1]) + "}"


lines = []
out = lines.append
out("// Written by tools/elementary_tables.py; do not edit by hand.")
out("// Tables and constants of the elementary functions of base/elementary.h.")
out("#pragma once")
out("")
out("// clang-format off")
out("namespace entalix::elementary::table {")
out("")
out("struct Pair {")
out("    double hi;")
out("    double lo;")
out("};")
out("")

ln2 = mpmath.log(2)
l2 = split(ln2, 3, 42)
out("// ln 2 in three parts, the first two of 42 bits: k ln 2 exact for |k| < 2^11.")
out(f"inline constexpr double kLn2Hi = {h(l2[0])};")
out(f"inline constexpr double kLn2Mid = {h(l2[1])};")
out(f"inline constexpr double kLn2Lo = {h(l2[2])};")
l256 = split(ln2 / 256, 3, 32)
out("// ln 2 / 256 in three parts, the first two of 32 bits: k ln 2 / 256 exact for |k| < 2^21.")
out(f"inline constexpr double kLn2By256Hi = {h(l256[0])};")
out(f"inline constexpr double kLn2By256Mid = {h(l256[1])};")
out(f"inline constexpr double kLn2By256Lo = {h(l256[2])};")
out("// ln 2 / 256 less its first part, to the nearest double: k times it within 2^-74 for |k| < 2^19.")
out(f"inline constexpr double kLn2By256Rest = {h(ln2 / 256 - mpf(l256[0]))};")
out(f"inline constexpr double k256ByLn2 = {h(256 / ln2)};")
out(f"inline constexpr Pair kInvLn10 = {pair(dd(1 / mpmath.log(10)))};")
hp = split(mpmath.pi / 2, 4, 30)
out("// pi / 2 in four parts, the first three of 30 bits: k pi / 2 exact in each part for |k| < 2^23.")
out(f"inline constexpr double kHalfPi[4] = {{{', '.join(h(v) for v in hp)}}};")
out(f"inline constexpr Pair kHalfPiPair = {pair(dd(mpmath.pi / 2))};")
out(f"inline constexpr double k2ByPi = {h(2 / mpmath.pi)};")
out("")

out("// 2^(j/256), j = 0 ... 255.")
out("inline constexpr Pair kExp2[256] = {")
for j in range(256):
    out("    " + pair(dd(mpf(2) ** (mpf(j) / 256))) + ",")
out("};")
out("")

out("// For the mantissa m in [1, 2) whose first eight bits after the point are i:")
out("// c near 1/m, a multiple of 2^-8 (so that m c - 1 is a double, worked out exactly),")
out("// and -ln c (i < 128) or -ln(2 c) (i >= 128, the exponent then counted one higher).")
out("// The two ends have c = 1 and c = 1/2 with no logarithm to add. |m c - 1| < kLogRMax.")
cs = []
rmax = mpf(0)
for i in range(256):
    lo_m, hi_m = 1 + mpf(i) / 256, 1 + mpf(i + 1) / 256
    if i == 0:
        c = mpf(1)
    elif i == 255:
        c = mpf("0.5")
    else:  # the multiple of 1/256 that keeps |m c - 1| least over the interval
        c = min((mpf(n) / 256 for n in range(128, 257)), key=lambda c: max(abs(lo_m * c - 1), abs(hi_m * c - 1)))
    cs.append(c)
    rmax = max(rmax, abs(lo_m * c - 1), abs(hi_m * c - 1))
assert rmax < mpf(2) ** -7, rmax
out(f"inline constexpr double kLogRMax = {h(rmax)};  // {float(mpmath.log(rmax, 2)):.2f} as a power of 2")
out("inline constexpr double kLogC[256] = {")
for c in cs:
    out("    " + h(c) + ",")
out("};")
out("// hi on the grid of 2^-43 (below 0.41, so of at most 42 bits: k ln 2's first part plus")
out("// hi is exact), lo the nearest double to the rest.")
out("inline constexpr Pair kLogT[256] = {")
for i in range(256):
    v = -mpmath.log(cs[i]) if i < 128 else -mpmath.log(2 * cs[i])
    hi = float(mpmath.nint(v * mpf(2) ** 43) / mpf(2) ** 43)
    # Where T is not 0, |r| stays below |hi|, so that hi + r is summed exactly by Dekker's rule.
    lo_m, hi_m = 1 + mpf(i) / 256, 1 + mpf(i + 1) / 256
    assert hi == 0 or max(abs(lo_m * cs[i] - 1), abs(hi_m * cs[i] - 1)) < abs(hi), i
    out("    " + pair((hi, float(v - mpf(hi)))) + ",")
out("};")
out("")

out("// 1/n, n = 0 ... 40 (the first unused).")
out("inline constexpr Pair kInv[41] = {")
out("    {0.0, 0.0},")
for n in range(1, 41):
    out("    " + pair(dd(mpf(1) / n)) + ",")
out("};")
out("// 1/n!, n = 0 ... 30.")
out("inline constexpr Pair kInvFact[31] = {")
for n in range(31):
    out("    " + pair(dd(1 / mpmath.factorial(n))) + ",")
out("};")
out("// atan(j/16), j = 0 ... 16.")
out("inline constexpr Pair kAtan[17] = {")
for j in range(17):
    out("    " + pair(dd(mpmath.atan(mpf(j) / 16))) + ",")
out("};")
out("")
out("}  // namespace entalix::elementary::table")
out("// clang-format on")
print("\n".join(lines))
