#!/usr/bin/env python3
"""Checks the core's exp, log, pow, log10, sin, cos, atan and hypot
(base/elementary.h) against values worked out to 60 digits with python's
decimal module and rounded once to the nearest double, over random arguments spread across the
ranges the property library, the transport properties and the charts use, and
every special argument IEEE 754 names. Prints, per function, how many results
differ from the correctly rounded one (the check fails on any) and how many
differ from the C library's (glibc natively), which only informs.
    tests/base/elementary_check.py <elementary_probe> [arguments per function]"""
import math
import random
import subprocess
import sys

from decimal import Decimal as D, getcontext

getcontext().prec = 60
getcontext().Emin = -9999
getcontext().Emax = 9999
probe = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
rng = random.Random(28)


def log_uniform(lo, hi):
    return math.exp(rng.uniform(math.log(lo), math.log(hi)))


def nearest(x):
    return float(x)  # Python rounds a decimal to the nearest double


def pi():
    """pi to the working precision (the decimal module's recipe)."""
    getcontext().prec += 2
    three = D(3)
    lasts, t, s, n, na, d, da = 0, three, 3, 1, 0, 0, 24
    while s != lasts:
        lasts = s
        n, na = n + na, na + 8
        d, da = d + da, da + 32
        t = (t * n) / d
        s += t
    getcontext().prec -= 2
    return +s


PI = pi()


def series(x, first, step_sign):
    """sum of (+-1)^k x^(first + 2k) / (first + 2k)! while the terms matter."""
    term = x ** first / math.factorial(first)
    total, n, k = D(0), first, 0
    while term != 0 and abs(term) > abs(total) * D(10) ** -70 or k == 0:
        total += term
        term = term * step_sign * x * x / ((n + 1) * (n + 2))
        n, k = n + 2, k + 1
    return total


def sin(x):
    x = x - 2 * PI * (x / (2 * PI)).to_integral_value()
    return series(x, 1, -1)


def cos(x):
    x = x - 2 * PI * (x / (2 * PI)).to_integral_value()
    return series(x, 0, -1)


def atan(x):
    if x < 0:
        return -atan(-x)
    if x > 1:
        return PI / 2 - atan(1 / x)
    for _ in range(4):  # atan x = 2 atan(x / (1 + sqrt(1 + x^2))), |x| below 0.05 after four
        x = x / (1 + (1 + x * x).sqrt())
    total, term, n = D(0), x, 1
    while term != 0 and abs(term) > abs(total) * D(10) ** -70 or n == 1:
        total += term / n
        term, n = -term * x * x, n + 2
    return 16 * total


F = {
    "exp": lambda x, y: x.exp(),
    "log": lambda x, y: x.ln(),
    "log10": lambda x, y: x.log10(),
    "pow": lambda x, y: x**y if x > 0 else D(-1) ** int(y) * (-x) ** y,
    "sin": lambda x, y: sin(x),
    "cos": lambda x, y: cos(x),
    "atan": lambda x, y: atan(x),
    "hypot": lambda x, y: (x * x + y * y).sqrt(),
}

# Arguments: the ranges the core uses, and the whole range of each function.
draw = {
    "exp": [lambda: (rng.uniform(-5, 5), 0.0), lambda: (rng.uniform(-708, 709.7), 0.0),
            lambda: (rng.uniform(-0.01, 0.01), 0.0)],
    "log": [lambda: (log_uniform(1e-4, 1e4), 0.0), lambda: (rng.uniform(0.9, 1.1), 0.0),
            lambda: (log_uniform(1e-300, 1e300), 0.0)],
    "log10": [lambda: (log_uniform(1e-6, 1e8), 0.0), lambda: (log_uniform(1e-300, 1e300), 0.0)],
    "pow": [lambda: (rng.uniform(0.3, 3.0), rng.choice([-5.0 / 17.0, 0.2943, 1.11, rng.uniform(-3, 3)])),
            lambda: (10.0, float(-rng.randint(0, 20))),
            lambda: (log_uniform(1e-3, 1e3), rng.uniform(-30, 30)),
            lambda: (-rng.uniform(0.1, 10.0), float(rng.randint(-12, 12))),
            lambda: (log_uniform(1e-200, 1e200), rng.uniform(-1.5, 1.5))],
    "sin": [lambda: (rng.uniform(-7, 7), 0.0), lambda: (rng.uniform(-1000, 1000), 0.0)],
    "cos": [lambda: (rng.uniform(-7, 7), 0.0), lambda: (rng.uniform(-1000, 1000), 0.0)],
    "atan": [lambda: (log_uniform(1e-6, 1e6), 0.0), lambda: (-log_uniform(1e-3, 1e3), 0.0)],
    "hypot": [lambda: (rng.uniform(-2000, 2000), rng.uniform(-2000, 2000)),
              lambda: (log_uniform(1e-3, 1e3), log_uniform(1e-3, 1e3))],
}

inf, nan = math.inf, math.nan
# Special arguments and what IEEE 754 (C's Annex F) asks of them.
SPECIAL = [
    ("exp", 0.0, 0.0, 1.0), ("exp", -0.0, 0.0, 1.0), ("exp", inf, 0.0, inf), ("exp", -inf, 0.0, 0.0),
    ("exp", nan, 0.0, nan), ("exp", 710.0, 0.0, inf), ("exp", -746.0, 0.0, 0.0), ("exp", 1e-300, 0.0, 1.0),
    ("exp", 709.782712893384, 0.0, 1.7976931348622732e308),
    ("log", 1.0, 0.0, 0.0), ("log", 0.0, 0.0, -inf), ("log", -0.0, 0.0, -inf), ("log", -1.0, 0.0, nan),
    ("log", inf, 0.0, inf), ("log", -inf, 0.0, nan), ("log", nan, 0.0, nan), ("log", 5e-324, 0.0, -744.4400719213812),
    ("log10", 1000.0, 0.0, 3.0), ("log10", 1e-5, 0.0, -5.0), ("log10", 1.0, 0.0, 0.0), ("log10", 0.0, 0.0, -inf),
    ("log10", -2.0, 0.0, nan),
    ("pow", nan, 0.0, 1.0), ("pow", 1.0, nan, 1.0), ("pow", nan, 1.0, nan), ("pow", 2.0, nan, nan),
    ("pow", -8.0, 1.0 / 3.0, nan), ("pow", -2.0, 3.0, -8.0), ("pow", -2.0, 2.0, 4.0), ("pow", -2.0, -1.0, -0.5),
    ("pow", 0.0, -1.0, inf), ("pow", -0.0, -1.0, -inf), ("pow", -0.0, -2.0, inf), ("pow", -0.0, 3.0, -0.0),
    ("pow", -0.0, 0.5, 0.0), ("pow", 0.0, 0.5, 0.0), ("pow", -0.0, -0.5, inf), ("pow", -1.0, inf, 1.0),
    ("pow", -1.0, -inf, 1.0), ("pow", 0.5, inf, 0.0), ("pow", 0.5, -inf, inf), ("pow", 2.0, inf, inf),
    ("pow", 2.0, -inf, 0.0), ("pow", inf, -1.0, 0.0), ("pow", inf, 0.5, inf), ("pow", -inf, 3.0, -inf),
    ("pow", -inf, 2.0, inf), ("pow", -inf, 0.5, inf), ("pow", -inf, -3.0, -0.0), ("pow", -inf, -0.5, 0.0),
    ("pow", 10.0, 400.0, inf), ("pow", 10.0, -400.0, 0.0), ("pow", -10.0, 401.0, -inf), ("pow", 2.0, 1023.0, 2.0**1023),
    ("pow", 2.0, -1074.0, 5e-324), ("pow", 10.0, 2.0, 100.0), ("pow", 1e300, 1e300, inf), ("pow", 1e-300, 1e300, 0.0),
    ("pow", 1.0000000000000002, 1e300, inf), ("pow", 5e-324, 0.5, 2.2227587494850775e-162),
    ("sin", 0.0, 0.0, 0.0), ("sin", -0.0, 0.0, -0.0), ("sin", inf, 0.0, nan), ("sin", nan, 0.0, nan),
    ("cos", 0.0, 0.0, 1.0), ("cos", -inf, 0.0, nan),
    ("atan", inf, 0.0, math.pi / 2), ("atan", -inf, 0.0, -math.pi / 2), ("atan", -0.0, 0.0, -0.0),
    ("atan", 1.0, 0.0, math.pi / 4), ("atan", 1e300, 0.0, math.pi / 2), ("atan", nan, 0.0, nan),
    ("hypot", inf, nan, inf), ("hypot", nan, -inf, inf), ("hypot", nan, 1.0, nan), ("hypot", 3.0, 4.0, 5.0),
    ("hypot", 1e300, 1e300, 1.4142135623730952e300), ("hypot", 3e-320, 4e-320, 5e-320), ("hypot", 1.5e308, 1.5e308, inf), ("hypot", 1e308, 1e308, 1.4142135623730951e308),
    ("hypot", 0.0, -0.0, 0.0),
]

cases = []
for name, ways in draw.items():
    for n in range(count):
        cases.append((name,) + ways[n % len(ways)]())
lines = [f"{name} {x.hex()} {y.hex()}" for name, x, y in cases]
lines += [f"{name} {x.hex() if x == x else 'nan'} {y.hex() if y == y else 'nan'}" for name, x, y, _ in SPECIAL]
out = subprocess.run([probe], input="\n".join(lines) + "\n", capture_output=True, text=True, check=True).stdout.split()
results = [(float.fromhex(out[2 * k]), float.fromhex(out[2 * k + 1])) for k in range(len(lines))]


def same(a, b):
    return (a != a and b != b) or (a == b and math.copysign(1, a) == math.copysign(1, b))


failures = 0
wrong = {name: 0 for name in draw}
off_libc = {name: 0 for name in draw}
for (name, x, y), (mine, libc) in zip(cases, results):
    exact = nearest(F[name](D(x), D(y)))
    if not same(mine, exact):
        wrong[name] += 1
        if wrong[name] <= 3:
            print(f"{name}({x!r}, {y!r}) = {mine!r}, correctly rounded {exact!r}")
    if not same(mine, libc):
        off_libc[name] += 1
for name in draw:
    print(f"{name:6} {count} arguments: {wrong[name]} not correctly rounded, {off_libc[name]} differ from the C library's")
    failures += wrong[name]
for (name, x, y, expected), (mine, _) in zip(SPECIAL, results[len(cases):]):
    if not same(mine, expected):
        failures += 1
        print(f"special: {name}({x!r}, {y!r}) = {mine!r}, expected {expected!r}")
print(f"{len(SPECIAL)} special arguments")
sys.exit(1 if failures else 0)
