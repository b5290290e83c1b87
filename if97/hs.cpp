// state_hs: the state of a given enthalpy and entropy, as a reading off the
// h-s chart asks. The fitted saturation dome (if97/dome.h) tells a wet pair
// and its saturation temperature within microkelvin: Newton in T on the lever
// rule of the saturated states finishes it. Single-phase pairs: the backward
// equations p(h,s) and T(p,s) start a Newton on (p, T) in region 1 (water) or
// region 2 (steam), which settles in two to four steps and is kept when the
// state it found is stable in that region (the range's edges and the 623.15 K
// line within rounding); region 3 likewise on (rho, T) from p3(h,s); region 5
// from the ideal gas. What none of these settles (pairs outside the range, the
// last millikelvin below the critical point) goes to the search along the
// isentrope: at constant s, dh/dp = v > 0, so that h rises with p and the
// isentrope meets the given h once; Newton in ln p on state_ps, which settles
// every region and the wet band on the forward equations, within a bracket
// that bisects. Every iteration is bounded.
#include <cmath>
#include <optional>

#include "base/elementary.h"
#include "base/property_error.h"
#include "if97/backward.h"
#include "if97/constants.h"
#include "if97/dome.h"
#include "if97/lines.h"
#include "if97/point.h"
#include "if97/regions.h"

namespace entalix::if97 {
namespace {

constexpr int kMaxNewton = 30;
constexpr int kMaxSearch = 120;
// The isentrope is searched between these pressures, MPa.
constexpr double kPminSearch = 1e-8;
// A state on the 100 MPa edge of the range, found by Newton, lands within
// rounding of it; the backward equations start it a little beyond.
constexpr double kPmaxRounded = kPmax * (1.0 + 1e-12);
constexpr double kPmaxStart = kPmax * 1.02;

// dh = T ds + v dp; v in m3/kg times MPa gives 1000 kJ/kg.
constexpr double kKJPerMPaM3 = 1000.0;

bool finite_positive(double x) { return std::isfinite(x) && x > 0.0; }

// Whether (p, T) lies in region r as a stable state (the saturation line
// itself counts for both sides, within its rounding).
bool stable_in(Region r, double p, double T) {
    // 0 degC itself, within the rounding of the Newton steps.
    if (!(p > 0.0) || !(T >= kTmin * (1.0 - 1e-13))) return false;
    switch (r) {
        case Region::one:
            return T <= kT13 * (1.0 + 1e-13) && p <= kPmaxRounded &&
                   p >= saturation_pressure(std::fmin(std::fmax(T, kTmin), kT13)) * (1.0 - 1e-12);
        case Region::two:
            // 800 degC itself, within the rounding of the Newton steps.
            if (T > kT25 + 1e-9 || p > kPmaxRounded) return false;
            return T <= kT13 ? p <= saturation_pressure(T) * (1.0 + 1e-12) : p <= b23_pressure(T) * (1.0 + 1e-12);
        case Region::five:
            // 800 degC itself belongs to region 2.
            return T > kT25 && T <= kTmax * (1.0 + 1e-13) && p <= kPmax5 * (1.0 + 1e-12);
        case Region::three:
        case Region::four:
            break;
    }
    return false;
}

// Newton on (p, T) for h(p, T) = h and s(p, T) = s on the Gibbs equation of
// region r. With dh = T ds + v dp and ds = cp dT / T - v alpha_v dp the steps
// come out in closed form. Steps are bounded (p at most halved or doubled, T
// by 50 K); once both are below 1e-9 of p and T, the next lands within
// round-off and the state is evaluated there. A step past T_cap gives up:
// the state lies beyond the region; so does steam far past saturation.
std::optional<Point> newton_pt(Region r, double h, double s, double p, double T, double T_cap = INFINITY) {
    for (int step = 0; step < kMaxNewton; ++step) {
        const Point at = point_in(r, p, T, Phase::liquid, Extent::newton);
        if (!std::isfinite(at.h) || !std::isfinite(at.s) || !finite_positive(at.v) || !finite_positive(at.cp))
            return std::nullopt;
        const double dh = h - at.h;
        const double ds = s - at.s;
        double dp = (dh - T * ds) / (kKJPerMPaM3 * at.v);
        double dT = T * ((1.0 - T * at.alpha_v) * ds + at.alpha_v * dh) / at.cp;
        if (!std::isfinite(dp) || !std::isfinite(dT)) return std::nullopt;
        const bool small = std::fabs(dp) <= 1e-9 * p && std::fabs(dT) <= 1e-9 * T;
        dp = std::fmin(std::fmax(dp, -0.5 * p), p);
        dT = std::fmin(std::fmax(dT, -50.0), 50.0);
        p += dp;
        T += dT;
        if (small) return point_in(r, p, T, Phase::liquid, Extent::vhs);
        if (T > T_cap) return std::nullopt;
        // Steam heading well past its saturation line (a wet pair, for which
        // the backward equation's start looked superheated) finds no stable
        // state there: given up after two steps.
        if (r == Region::two && step >= 1 && T >= kTmin && T < kT13 && p > 1.02 * saturation_pressure(T))
            return std::nullopt;
    }
    return std::nullopt;
}

// The wet band: at saturation temperature T, x = (s - s')/(s'' - s') and
// h = h' + x (h'' - h'), close to h' + T (s - s') (h'' - h' = T (s'' - s')
// up to the consistency of the saturation line with regions 1 and 2). Where
// s' <= s <= s'' this h rises with T, by about (s - s') + v' dp/dT with
// Clapeyron's dp/dT = (s'' - s')/(v'' - v'): Newton in T with that slope
// within a bracket that bisects, and a temperature where s lies outside
// (s', s'') is too hot for a wet state of that s. No result where the band
// holds none.
std::optional<State> wet(double h, double s, double T0) {
    double lo = kTmin;
    double hi = kTc;
    double T = T0 > lo && T0 < hi ? T0 : 0.5 * (lo + hi);
    const double tolerance = 1e-12 * std::fmax(std::fabs(h), 1.0);
    for (int step = 0; step < kMaxSearch; ++step) {
        const Saturation sat = saturation_at_t(T);
        const double ds = sat.vapour.s - sat.liquid.s;
        double next = 0.0;
        if (!(ds > 0.0) || s < sat.liquid.s || s > sat.vapour.s) {
            hi = T;
            next = 0.5 * (lo + hi);
        } else {
            const double x = (s - sat.liquid.s) / ds;
            const double miss = sat.liquid.h + x * (sat.vapour.h - sat.liquid.h) - h;
            if (std::fabs(miss) <= tolerance) return mixture(sat, x);
            (miss > 0.0 ? hi : lo) = T;
            const double slope = (s - sat.liquid.s) + sat.liquid.v * ds / (sat.vapour.v - sat.liquid.v);
            next = T - miss / slope;
            // Near the critical point the saturated states of region 3 carry
            // more rounding than the tolerance allows h: a Newton step below
            // 1e-11 of T is the answer.
            if (std::fabs(next - T) <= 1e-11 * T) return mixture(sat, x);
            if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        }
        if (!(hi - lo > 1e-12 * hi)) break;
        // The triple-point end is tried once: a wet state colder than it is none.
        if (lo == kTmin && next - lo < 1e-6) next = lo;
        T = next;
    }
    return std::nullopt;
}

// The wet band from a start within microkelvin of the answer (dome_start):
// Newton in T on the lever rule of the saturated states, continued a little
// past the dome's edges so that a saturated state (x = 0 or 1 up to rounding)
// settles like any other. No result where the steps wander from the start or
// settle outside the band: the pair is single-phase, or the start was poor.
std::optional<State> wet_from(double h, double s, double T) {
    constexpr int kSteps = 8;
    constexpr double kReach = 2.0;  // K from the start
    constexpr double kXround = 1e-9;
    const double T0 = T;
    const double tolerance = 1e-12 * std::fmax(std::fabs(h), 1.0);
    try {
        for (int step = 0; step < kSteps; ++step) {
            const Saturation sat = saturation_at_t(T);
            const double ds = sat.vapour.s - sat.liquid.s;
            if (!(ds > 0.0)) return std::nullopt;
            const double x = (s - sat.liquid.s) / ds;
            const double miss = sat.liquid.h + x * (sat.vapour.h - sat.liquid.h) - h;
            const double slope = (s - sat.liquid.s) + sat.liquid.v * ds / (sat.vapour.v - sat.liquid.v);
            const double next = T - miss / slope;
            if (!std::isfinite(next)) return std::nullopt;
            // Above 623.15 K the saturated states of region 3 carry more
            // rounding than the tolerance allows h: a step within 1e-11 of T
            // is the answer.
            if (std::fabs(miss) <= tolerance || std::fabs(next - T) <= (T > kT13 ? 1e-11 : 1e-12) * T) {
                if (!(x >= -kXround && x <= 1.0 + kXround)) return std::nullopt;
                return mixture(sat, std::fmin(std::fmax(x, 0.0), 1.0));
            }
            if (!(next >= kTmin && next < kTc && std::fabs(next - T0) <= kReach)) return std::nullopt;
            T = next;
        }
    } catch (const props::PropertyError&) {
    }
    return std::nullopt;
}

// Region 3: Newton in (rho, T) on its Helmholtz equation from the backward
// equations p3(h,s), then T(p,s) and v(p,s); kept where the state is stable
// in region 3 (between 623.15 K and the B23 line, and below the critical
// point on the side of the saturation line its density lies). T_end: the
// temperature the iteration ended at, a start for the wet band when the state
// was metastable.
std::optional<State> region3_hs(double h, double s, double& T_end) {
    const double p0 = region3_p_hs(h, s);
    if (!(p0 > kPsat623 * 0.9 && p0 <= kPmaxStart)) return std::nullopt;
    double rho = 1.0 / region3_v_ps(p0, s);
    double T = region3_t_ps(p0, s);
    if (!finite_positive(rho) || !finite_positive(T)) return std::nullopt;
    try {
        for (int step = 0; step < kMaxNewton; ++step) {
            Point point;
            const Region3Slopes d = region3_slopes(rho, T, point);
            const double dh = h - d.h;
            const double ds = s - d.s;
            const double det = d.dh_drho * d.ds_dT - d.dh_dT * d.ds_drho;
            double d_rho = (dh * d.ds_dT - ds * d.dh_dT) / det;
            double d_t = (ds * d.dh_drho - dh * d.ds_drho) / det;
            if (!std::isfinite(d_rho) || !std::isfinite(d_t)) return std::nullopt;
            const bool small = std::fabs(d_rho) <= 1e-10 * rho && std::fabs(d_t) <= 1e-10 * T;
            d_rho = std::fmin(std::fmax(d_rho, -0.5 * rho), rho);
            d_t = std::fmin(std::fmax(d_t, -20.0), 20.0);
            if (small) {
                point = moved_region3(point, d, d_rho, d_t);
                const double p = point.p;
                const double Tn = point.T;
                T_end = Tn;
                if (!(Tn >= kT13 * (1.0 - 1e-13) && p <= kPmaxRounded && d.dp_drho > 0.0)) return std::nullopt;
                if (Tn <= 863.15 && p < b23_pressure(Tn) * (1.0 - 1e-12)) return std::nullopt;
                if (Tn < kTc && p < kPc) {
                    const double psat = saturation_pressure(Tn);
                    const bool liquid = point.v <= 1.0 / kRhoc;
                    if (liquid ? p < psat * (1.0 - 1e-12) : p > psat * (1.0 + 1e-12)) return std::nullopt;
                }
                return to_state(point, Region::three);
            }
            rho += d_rho;
            T += d_t;
        }
    } catch (const props::PropertyError&) {
    }
    return std::nullopt;
}

// Region 1 by Newton on (p, T) from p1(h,s) and T1(p,s), kept where stable.
std::optional<State> region1_hs(double h, double s, double p0, double T0) {
    const auto point = newton_pt(Region::one, h, s, p0, T0, kT13 + 10.0);
    if (!point || !stable_in(Region::one, point->p, point->T)) return std::nullopt;
    return to_state(*point, Region::one);
}

// Region 2 likewise from p2(h,s) and T2(p,s); past 800 degC region 5 holds,
// and region 2's answer is a close start for it.
std::optional<State> region2_hs(double h, double s, double p0, double T0) {
    auto point = newton_pt(Region::two, h, s, p0, T0);
    if (!point) return std::nullopt;
    if (stable_in(Region::two, point->p, point->T)) return to_state(*point, Region::two);
    if (point->T > kT25 && point->p <= kPmax5 * 1.02) {
        point = newton_pt(Region::five, h, s, point->p, point->T);
        if (point && stable_in(Region::five, point->p, point->T)) return to_state(*point, Region::five);
    }
    return std::nullopt;
}

// Region 5 from steam as an ideal gas: its enthalpy hardly depends on p, so
// T from h at 1 MPa, then p from s - s(1 MPa, T) = -R ln p.
std::optional<State> region5_hs(double h, double s) {
    double T = kT25 + 300.0;
    for (int step = 0; step < 6; ++step) {
        const Point at = region5(1.0, T);
        T = std::fmin(std::fmax(T + (h - at.h) / at.cp, kT25), kTmax);
    }
    const double p = elementary::exp((region5(1.0, T).s - s) / kR);
    // Near 50 MPa and 800 degC the ideal gas misses p by some per cent.
    if (!(p > 0.0 && p <= kPmax5 * 1.5)) return std::nullopt;
    const auto point = newton_pt(Region::five, h, s, p, T);
    if (!point || !stable_in(Region::five, point->p, point->T)) return std::nullopt;
    return to_state(*point, Region::five);
}

// The saturation temperature at p where the line has one, else the fallback.
double saturation_temperature_or(double p, double fallback) {
    return p >= kPsatMin && p < kPc ? saturation_temperature(p) : fallback;
}

// The search along the isentrope s for h, in ln p between kPminSearch and
// kPmax. Where no state of entropy s exists at a pressure, s is beyond what
// the range reaches there: above the entropy at 0 degC the state would be
// hotter than the range and asks for a lower pressure, below it a higher one.
State along_isentrope(double h, double s, double p_start) {
    double lo = elementary::log(kPminSearch);
    double hi = elementary::log(kPmax);
    double x = p_start > kPminSearch && p_start < kPmax ? elementary::log(p_start) : 0.5 * (lo + hi);
    const double tolerance = 1e-12 * std::fmax(std::fabs(h), 1.0);
    for (int step = 0; step < kMaxSearch; ++step) {
        const double p = elementary::exp(x);
        std::optional<State> at;
        try {
            at = state_ps(p, s);
        } catch (const props::PropertyError&) {
        }
        double next = 0.0;
        if (!at) {
            const double s_cold = p >= kPsatMin ? region1_thermal(p, kTmin).s : region2_thermal(p, kTmin).s;
            (s > s_cold ? hi : lo) = x;
            next = 0.5 * (lo + hi);
        } else {
            const double miss = at->h - h;
            if (std::fabs(miss) <= tolerance) return *at;
            (miss > 0.0 ? hi : lo) = x;
            // dh/d(ln p) at constant s is p v.
            next = x - miss / (kKJPerMPaM3 * p * at->v);
            if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
            // A step within round-off of p: the state there is the answer.
            if (std::fabs(next - x) <= 1e-14) return *at;
        }
        if (!(hi - lo > 1e-13)) break;
        x = next;
    }
    throw_no_state(pair_text("h", h, "kJ/kg", Quantity::s, s));
}

State solve_hs(double h, double s) {
    // The fitted dome tells a wet pair and its saturation temperature within
    // microkelvin; a pair at its edge (saturated water or steam) is tried wet
    // first, then single-phase; water at the edge (compressed water of low
    // pressure lies within a hair of its saturated state) the other way round.
    const bool water = s < kSc;
    const DomeStart dome = dome_start(h, s);
    const bool edge = dome.kind == DomeStart::Kind::edge;
    if (dome.kind == DomeStart::Kind::wet || (edge && !water)) {
        if (auto state = wet_from(h, s, dome.T)) return *state;
    }
    const bool clear_of_dome = dome.kind == DomeStart::Kind::single;
    // The backward equation of water below the critical entropy, of steam
    // above it; its T(p,s) at that pressure tells a wet pair, where the
    // equation extrapolates to a state on the wrong side of the saturation
    // temperature, whose own start then is that saturation temperature.
    const double p0 = water ? region1_p_hs(h, s) : region2_p_hs(h, s);
    const bool p0_in_range = p0 > 0.0 && p0 <= kPmaxStart;
    const double T0 = !p0_in_range ? NAN : water ? region1_t_ps(p0, s) : region2_t_ps(p0, s);
    const double Tsat0 = p0_in_range && !clear_of_dome ? saturation_temperature_or(p0, NAN) : NAN;
    const double wet_start = std::isfinite(Tsat0) ? Tsat0 : 373.15;
    const bool may_be_wet = !clear_of_dome && s > 0.0 && s < 9.2;
    bool tried_wet = false;
    // Steam whose start lies well past the 2-3 boundary is region 3's first.
    const bool past_b23 = !water && p0_in_range && T0 > kT13 && T0 < 863.15 && p0 > 1.02 * b23_pressure(T0);
    if (water) {
        // The backward equations miss by millikelvin: a state on the 623.15 K
        // boundary of region 1 may start a hair beyond it.
        if (p0_in_range && T0 <= kT13 + 1.0 && !(T0 > Tsat0)) {
            if (auto state = region1_hs(h, s, p0, T0)) return *state;
        }
        if (edge) {
            if (auto state = wet_from(h, s, dome.T)) return *state;
        }
    } else if (p0_in_range) {
        if (may_be_wet && T0 < Tsat0) {
            if (auto state = wet(h, s, wet_start)) return *state;
            tried_wet = true;
        }
        if (!past_b23) {
            if (auto state = region2_hs(h, s, p0, T0)) return *state;
        }
    }
    // Between water and steam: region 3 where its backward equation points;
    // a metastable state it found is close to the saturation temperature of
    // a wet pair, and at a fraction of the cost of the saturated states there.
    double wet_from_t = wet_start;
    if (s > 3.3 && s < 5.3) {
        double T3 = NAN;
        if (auto state = region3_hs(h, s, T3)) return *state;
        if (T3 > kT13 && T3 < kTc) wet_from_t = T3;
    }
    if (past_b23) {
        if (auto state = region2_hs(h, s, p0, T0)) return *state;
    }
    if (may_be_wet && !(tried_wet && wet_from_t == wet_start)) {
        if (auto state = wet(h, s, wet_from_t)) return *state;
    }
    // Hotter than region 2 reaches at any pressure of the range.
    if (h > 3700.0) {
        if (auto state = region5_hs(h, s)) return *state;
    }
    return along_isentrope(h, s, p0_in_range ? p0 : NAN);
}

}  // namespace

State state_hs(double h, double s) {
    props::finite(h, "enthalpy");
    props::finite(s, "entropy");
    State state = solve_hs(h, s);
    state.p = std::fmin(state.p, kPmax);
    // The range's edges, reached within rounding.
    state.t = std::fmin(std::fmax(state.t, 0.0), kTmax - kKelvin);
    if (state.t > kT25 - kKelvin) state.p = std::fmin(state.p, kPmax5);
    return state;
}

}  // namespace entalix::if97
