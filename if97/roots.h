// Bounded root finding for the pair solvers: Brent's method on a bracket, and a
// search along a line of states (an isobar in T, an isotherm in ln p) that may
// hold one extremum of the property sought.
#pragma once

#include <cmath>
#include <limits>
#include <optional>

#include "base/property_error.h"

namespace entalix::if97 {

inline constexpr int kMaxBrent = 200;

// Brent's method (bisection, secant and inverse quadratic steps) for f(x) = 0 on
// [a, b] with f(a) = fa and f(b) = fb of opposite signs; stops within xtol.
template <typename F>
double brent_root(F f, double a, double b, double fa, double fb, double xtol) {
    if (fa == 0.0) return a;
    if (fb == 0.0) return b;
    if ((fa > 0.0) == (fb > 0.0)) throw props::PropertyError("root not bracketed");
    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    for (int iteration = 0; iteration < kMaxBrent; ++iteration) {
        if ((fb > 0.0) == (fc > 0.0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2.0 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 0.5 * xtol;
        const double m = 0.5 * (c - b);
        if (std::fabs(m) <= tol || fb == 0.0) return b;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p = 0.0;
            double q = 0.0;
            if (a == c) {
                p = 2.0 * m * s;
                q = 1.0 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2.0 * m * qa * (qa - r) - (b - a) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0)
                q = -q;
            else
                p = -p;
            if (2.0 * p < std::fmin(3.0 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = m;
                e = m;
            }
        } else {
            d = m;
            e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0.0 ? tol : -tol);
        fb = props::finite(f(b), "root search");
    }
    throw props::PropertyError("root search does not converge");
}

// A property y and its slope dy/dx at one point of a line of states.
struct Sample {
    double y;
    double slope;
};

// The x in [a, b] where y(x) = target. The line may turn once (y has at most one
// extremum inside); where it meets the target twice, prefer_low picks the smaller x.
template <typename Eval>
std::optional<double> solve_on_line(Eval eval, double a, double b, double target, double xtol, bool prefer_low) {
    const Sample sa = eval(a);
    const Sample sb = eval(b);
    double ends[3] = {a, b, b};
    double values[3] = {sa.y, sb.y, sb.y};
    int pieces = 1;
    if ((sa.slope > 0.0 && sb.slope < 0.0) || (sa.slope < 0.0 && sb.slope > 0.0)) {
        const double c = brent_root([&](double x) { return eval(x).slope; }, a, b, sa.slope, sb.slope, xtol);
        ends[1] = c;
        values[1] = eval(c).y;
        ends[2] = b;
        values[2] = sb.y;
        pieces = 2;
    }
    // A target met at an end of the line only up to rounding (the end of the range).
    const double slack = 1e-12 * std::fabs(target);
    if (std::fabs(sa.y - target) <= slack) return a;
    if (std::fabs(sb.y - target) <= slack) return b;
    for (int k = 0; k < pieces; ++k) {
        const int i = prefer_low ? k : pieces - 1 - k;
        const double fl = values[i] - target;
        const double fr = values[i + 1] - target;
        if ((fl <= 0.0 && fr >= 0.0) || (fl >= 0.0 && fr <= 0.0))
            return brent_root([&](double x) { return eval(x).y - target; }, ends[i], ends[i + 1], fl, fr, xtol);
    }
    return std::nullopt;
}

}  // namespace entalix::if97
