// state_hs: the state of a given enthalpy and entropy, as a reading off the
// h-s chart asks. The backward equations p(h,s) start a Newton on (p, T) in
// region 1 (water) or region 2 (steam), which settles in three or four steps
// and is kept when the state it found is stable in that region. Anything else
// (the wet band, the near-critical region 3, region 5, the region boundaries
// and whatever lies outside the range) goes to the search along the isentrope:
// at constant s, dh/dp = v > 0, so that h rises with p and the isentrope meets
// the given h once; Newton in ln p on state_ps, which settles every region and
// the wet band on the forward equations, within a bracket that bisects.
#include <cmath>
#include <optional>

#include "base/property_error.h"
#include "if97/backward.h"
#include "if97/constants.h"
#include "if97/lines.h"
#include "if97/point.h"
#include "if97/regions.h"

namespace entalix::if97 {
namespace {

constexpr int kMaxNewton = 30;
constexpr int kMaxSearch = 120;
// The isentrope is searched between these pressures, MPa.
constexpr double kPminSearch = 1e-8;

// dh = T ds + v dp; v in m3/kg times MPa gives 1000 kJ/kg.
constexpr double kKJPerMPaM3 = 1000.0;

bool finite_positive(double x) { return std::isfinite(x) && x > 0.0; }

// Whether (p, T) lies in region r as a stable state (the saturation line
// itself counts for both sides, within its rounding).
bool stable_in(Region r, double p, double T) {
    if (!(p > 0.0) || !(T >= kTmin)) return false;
    switch (r) {
        case Region::one:
            return T <= kT13 && p <= kPmax && p >= saturation_pressure(T) * (1.0 - 1e-12);
        case Region::two:
            // 800 degC itself, within the rounding of the Newton steps.
            if (T > kT25 + 1e-9 || p > kPmax) return false;
            return T <= kT13 ? p <= saturation_pressure(T) * (1.0 + 1e-12) : p <= b23_pressure(T) * (1.0 + 1e-12);
        case Region::five:
            // 800 degC itself belongs to region 2.
            return T > kT25 && T <= kTmax && p <= kPmax5;
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
// round-off and the state is evaluated there.
std::optional<Point> newton_pt(Region r, double h, double s, double p, double T) {
    for (int step = 0; step < kMaxNewton; ++step) {
        const Point at = point_in(r, p, T, Phase::liquid);
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
        if (small) return point_in(r, p, T, Phase::liquid);
    }
    return std::nullopt;
}

// The fast path: water below the critical entropy, steam above it.
std::optional<State> fast(double h, double s, double& p_start) {
    if (s < kSc) {
        const double p0 = region1_p_hs(h, s);
        if (!(p0 > 0.0 && p0 <= kPmax)) return std::nullopt;
        p_start = p0;
        const auto point = newton_pt(Region::one, h, s, p0, region1_t_ps(p0, s));
        if (!point) return std::nullopt;
        p_start = point->p;
        if (!stable_in(Region::one, point->p, point->T)) return std::nullopt;
        return to_state(*point, Region::one);
    }
    const double p0 = region2_p_hs(h, s);
    if (!(p0 > 0.0 && p0 <= kPmax)) return std::nullopt;
    p_start = p0;
    auto point = newton_pt(Region::two, h, s, p0, region2_t_ps(p0, s));
    if (!point) return std::nullopt;
    p_start = point->p;
    if (stable_in(Region::two, point->p, point->T)) return to_state(*point, Region::two);
    // Past 800 degC region 5 holds; region 2's answer is a close start for it.
    if (point->T > kT25 && point->p <= kPmax5) {
        point = newton_pt(Region::five, h, s, point->p, point->T);
        if (point && stable_in(Region::five, point->p, point->T)) return to_state(*point, Region::five);
    }
    return std::nullopt;
}

// The search along the isentrope s for h, in ln p between kPminSearch and
// kPmax. Where no state of entropy s exists at a pressure, s is beyond what
// the range reaches there: above the entropy at 0 degC the state would be
// hotter than the range and asks for a lower pressure, below it a higher one.
State along_isentrope(double h, double s, double p_start) {
    double lo = std::log(kPminSearch);
    double hi = std::log(kPmax);
    double x = p_start > kPminSearch && p_start < kPmax ? std::log(p_start) : 0.5 * (lo + hi);
    const double tolerance = 1e-12 * std::fmax(std::fabs(h), 1.0);
    for (int step = 0; step < kMaxSearch; ++step) {
        const double p = std::exp(x);
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

}  // namespace

State state_hs(double h, double s) {
    props::finite(h, "enthalpy");
    props::finite(s, "entropy");
    double p_start = s < kSc ? region1_p_hs(h, s) : region2_p_hs(h, s);
    if (auto state = fast(h, s, p_start)) return *state;
    if (s > 3.7 && s < 5.3) {
        // Between water and steam: region 3 or the wet band, where p3(h,s)
        // starts the search closer.
        const double p3 = region3_p_hs(h, s);
        if (p3 > kPsat623 && p3 <= kPmax) p_start = p3;
    }
    return along_isentrope(h, s, p_start);
}

}  // namespace entalix::if97
