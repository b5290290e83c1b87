// The pair solvers' search along isobars and isotherms: bracketed and bounded, so
// that they work in every region, near the critical point and across boundaries.
#include "if97/lines.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/elementary.h"
#include "base/property_error.h"
#include "if97/constants.h"
#include "if97/roots.h"

namespace entalix::if97 {

using props::finite;

namespace {

// The isotherms are searched down to this pressure, MPa (0.01 Pa).
constexpr double kPminLine = 1e-8;
// Brent stops within these: K on an isobar, ln p on an isotherm.
constexpr double kTolT = 1e-10;
constexpr double kTolLnP = 1e-14;

// The state on the given side at (p, T): on the saturation line itself rounding may
// put p an ulp across psat(T), which must not switch the equation.
Point point_on_side(double p, double T, Phase side, Region* region) {
    check_range(p, T);
    Region r = region_of(p, T, side);
    if (T <= kT13) {
        const Region wanted = side == Phase::liquid ? Region::one : Region::two;
        if (r != wanted && std::fabs(p - saturation_pressure(T)) <= 1e-12 * p) r = wanted;
    }
    if (region) *region = r;
    return point_in(r, p, T, side);
}

// dq/dT at constant p.
double slope_in_t(const Point& point, Quantity q) {
    switch (q) {
        case Quantity::v:
            return point.v * point.alpha_v;
        case Quantity::h:
            return point.cp;
        case Quantity::s:
            return point.cp / point.T;
    }
    return 0.0;
}

// dq/dp at constant T; v in m3/kg times MPa is 1000 kJ/kg.
double slope_in_p(const Point& point, Quantity q) {
    switch (q) {
        case Quantity::v:
            return -point.v * point.kappa_t;
        case Quantity::h:
            return 1000.0 * point.v * (1.0 - point.T * point.alpha_v);
        case Quantity::s:
            return -1000.0 * point.v * point.alpha_v;
    }
    return 0.0;
}

const char* name_of(Quantity q) {
    switch (q) {
        case Quantity::v:
            return "v";
        case Quantity::h:
            return "h";
        case Quantity::s:
            return "s";
    }
    return "?";
}

const char* unit_of(Quantity q) {
    switch (q) {
        case Quantity::v:
            return "m3/kg";
        case Quantity::h:
            return "kJ/kg";
        case Quantity::s:
            return "kJ/(kg K)";
    }
    return "";
}

bool between(double y, double a, double b) { return (y >= a && y <= b) || (y <= a && y >= b); }

// The same with the ends widened by a part in 1e9 of the larger: a saturated
// value typed to nine or ten digits may fall a hair outside the line it names.
bool between_typed(double y, double a, double b) {
    const double slack = 1e-9 * std::fmax(std::fabs(a), std::fabs(b));
    return a <= b ? y >= a - slack && y <= b + slack : y <= a + slack && y >= b - slack;
}

State wet(const Saturation& sat, double target, Quantity q) {
    const double yl = quantity(sat.liquid, q);
    const double yv = quantity(sat.vapour, q);
    const double x = yv == yl ? 0.0 : (target - yl) / (yv - yl);
    return mixture(sat, std::fmin(std::fmax(x, 0.0), 1.0));
}

// The region boundaries inside (lo, hi) where an isobar's properties may step by
// the small inconsistencies between the equations: each piece is searched alone.
std::vector<double> isobar_breaks(double p, double lo, double hi) {
    std::vector<double> at{lo};
    auto add = [&](double T) {
        if (T > at.back() && T < hi) at.push_back(T);
    };
    if (p > kPsat623) {
        add(kT13);
        add(b23_temperature(p));
    }
    add(kT25);
    at.push_back(hi);
    return at;
}

std::vector<double> isotherm_breaks(double T, double lo, double hi) {
    std::vector<double> at{lo};
    if (T > kT13 && T <= 863.15) {
        const double p23 = b23_pressure(T);
        if (p23 > lo && p23 < hi) at.push_back(p23);
    }
    at.push_back(hi);
    return at;
}

std::optional<State> on_isobar_segment(double p, double t_lo, double t_hi, Phase side, double target, Quantity q) {
    auto eval = [&](double T) {
        const Point point = point_on_side(p, T, side, nullptr);
        return Sample{quantity(point, q), slope_in_t(point, q)};
    };
    // Pieces from the cold end: at a boundary the state of the colder region counts.
    const std::vector<double> at = isobar_breaks(p, t_lo, t_hi);
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
        if (const auto T = solve_on_line(eval, at[i], at[i + 1], target, kTolT, false)) {
            Region r = Region::one;
            const Point point = point_on_side(p, *T, side, &r);
            return to_state(point, r);
        }
    }
    return std::nullopt;
}

std::optional<State> on_isotherm_segment(double T, double p_lo, double p_hi, Phase side, double target, Quantity q) {
    auto eval = [&](double ln_p) {
        const double p = std::fmin(std::fmax(elementary::exp(ln_p), p_lo), p_hi);
        const Point point = point_on_side(p, T, side, nullptr);
        return Sample{quantity(point, q), p * slope_in_p(point, q)};
    };
    const std::vector<double> at = isotherm_breaks(T, p_lo, p_hi);
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
        if (const auto ln_p =
                solve_on_line(eval, elementary::log(at[i]), elementary::log(at[i + 1]), target, kTolLnP, true)) {
            const double p = std::fmin(std::fmax(elementary::exp(*ln_p), p_lo), p_hi);
            Region r = Region::one;
            const Point point = point_on_side(p, T, side, &r);
            return to_state(point, r);
        }
    }
    return std::nullopt;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

}  // namespace

double quantity(const Point& point, Quantity q) {
    switch (q) {
        case Quantity::v:
            return point.v;
        case Quantity::h:
            return point.h;
        case Quantity::s:
            return point.s;
    }
    return 0.0;
}

std::string pair_text(const char* first, double a, const char* first_unit, Quantity q, double b) {
    return std::string(first) + " = " + number(a) + " " + first_unit + " and " + name_of(q) + " = " + number(b) + " " +
           unit_of(q);
}

State solve_isobar(double p, double target, Quantity q) {
    finite(target, name_of(q));
    check_range(p, kTmin);
    const double t_max = p <= kPmax5 ? kTmax : kT25;
    std::optional<State> found;
    if (p >= kPsatMin && p < kPc) {
        const Saturation sat = saturation_at_p(p);
        if (between(target, quantity(sat.liquid, q), quantity(sat.vapour, q))) return wet(sat, target, q);
        if (target < quantity(sat.liquid, q))
            found = on_isobar_segment(p, kTmin, sat.T, Phase::liquid, target, q);
        else
            found = on_isobar_segment(p, sat.T, t_max, Phase::vapour, target, q);
    } else {
        found = on_isobar_segment(p, kTmin, t_max, p < kPsatMin ? Phase::vapour : Phase::liquid, target, q);
    }
    if (!found) throw_no_state(pair_text("p", p, "MPa", q, target));
    return *found;
}

State solve_isotherm(double T, double target, Quantity q) {
    finite(target, name_of(q));
    check_range(kPminLine, T);
    const double p_max = T <= kT25 ? kPmax : kPmax5;
    std::optional<State> found;
    if (T < kTc) {
        const Saturation sat = saturation_at_t(T);
        found = on_isotherm_segment(T, sat.p, p_max, Phase::liquid, target, q);
        if (!found && between_typed(target, quantity(sat.liquid, q), quantity(sat.vapour, q)))
            return wet(sat, target, q);
        if (!found) found = on_isotherm_segment(T, kPminLine, sat.p, Phase::vapour, target, q);
    } else {
        found = on_isotherm_segment(T, kPminLine, p_max, Phase::vapour, target, q);
    }
    if (!found) throw_no_state(pair_text("t", T - kKelvin, "degC", q, target));
    return *found;
}

}  // namespace entalix::if97
