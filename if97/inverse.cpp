// state_ph and state_ps: the backward equations give T (and in region 3 also v)
// within a few mK, Newton on the basic equations makes it exact. Anything the fast
// path cannot settle (near boundaries, outside the range) goes to the bracketed
// search along the isobar, which also words the failures.
#include <cmath>
#include <optional>

#include "base/property_error.h"
#include "if97/backward.h"
#include "if97/constants.h"
#include "if97/lines.h"
#include "if97/point.h"

namespace entalix::if97 {
namespace {

constexpr int kMaxNewton = 60;

struct Enthalpy {
    static constexpr Quantity quantity = Quantity::h;
    static double of(const Thermal& th) { return th.h; }
    static double slope(const Thermal& th, double) { return th.cp; }
    static double tolerance(double y) { return 1e-11 * std::fmax(std::fabs(y), 1.0); }
    // Above any saturated water below 623.15 K (1670.9 kJ/kg at 623.15 K).
    static constexpr double above_water = 1700.0;
    static double t1(double p, double y) { return region1_t_ph(p, y); }
    static double t2(double p, double y) { return region2_t_ph(p, y); }
    static double t3(double p, double y) { return region3_t_ph(p, y); }
    static double v3(double p, double y) { return region3_v_ph(p, y); }
    static double r3(const Region3Slopes& d, double& by_rho, double& by_t) {
        by_rho = d.dh_drho;
        by_t = d.dh_dT;
        return d.h;
    }
};

struct Entropy {
    static constexpr Quantity quantity = Quantity::s;
    static double of(const Thermal& th) { return th.s; }
    static double slope(const Thermal& th, double T) { return th.cp / T; }
    static double tolerance(double y) { return 1e-13 * std::fmax(std::fabs(y), 1.0); }
    // Above any saturated water below 623.15 K (3.778 kJ/(kg K) at 623.15 K).
    static constexpr double above_water = 3.8;
    static double t1(double p, double y) { return region1_t_ps(p, y); }
    static double t2(double p, double y) { return region2_t_ps(p, y); }
    static double t3(double p, double y) { return region3_t_ps(p, y); }
    static double v3(double p, double y) { return region3_v_ps(p, y); }
    static double r3(const Region3Slopes& d, double& by_rho, double& by_t) {
        by_rho = d.ds_drho;
        by_t = d.ds_dT;
        return d.s;
    }
};

Thermal thermal(Region r, double p, double T) {
    switch (r) {
        case Region::one:
            return region1_thermal(p, T);
        case Region::five:
            return region5_thermal(p, T);
        default:
            return region2_thermal(p, T);
    }
}

// Newton in T on region r between t_lo and t_hi, where y rises with T; a step
// that leaves the bracket becomes a bisection. Far from the root the iterations
// need h, s and cp only; once a step is small the next evaluation adds v and
// alpha_v, with which the last Newton step (under 1 uK) moves it to first order, so
// that the state is evaluated with the iteration and not again after it. first,
// when given, is y's evaluation at T0. No result if y never reaches the target
// inside the bracket. The Point found holds p, T, v, h, u and s at least.
template <typename Y>
std::optional<Point> refine(Region r, double p, double target, double T0, double t_lo, double t_hi,
                            const Thermal* first = nullptr) {
    double lo = t_lo;
    double hi = t_hi;
    const bool start_inside = std::isfinite(T0) && T0 > lo && T0 < hi;
    double T = start_inside ? T0 : 0.5 * (lo + hi);
    bool full = false;  // whether the evaluation at T is the full state
    for (int step = 0; step < kMaxNewton; ++step) {
        Point point;
        Thermal th;
        if (full) {
            point = point_in(r, p, T, Phase::liquid, Extent::newton);
            th = {point.h, point.s, point.cp};
        } else {
            th = step == 0 && first != nullptr && start_inside ? *first : thermal(r, p, T);
        }
        const double miss = Y::of(th) - target;
        if (std::fabs(miss) <= Y::tolerance(target))
            return full ? point : point_in(r, p, T, Phase::liquid, Extent::vhs);
        (miss < 0.0 ? lo : hi) = T;
        const double newton = T - miss / Y::slope(th, T);
        // The bracket is closed: a region's own boundary may hold the root.
        if (newton >= lo && newton <= hi) {
            // A step of under 1 uK lands within 1e-13 K even where cp changes
            // fastest, near the critical point: no further check needed.
            if (std::fabs(newton - T) <= 1e-6)
                return full ? moved_at_constant_p(point, newton - T)
                            : point_in(r, p, newton, Phase::liquid, Extent::vhs);
            // From a step of under 0.05 K, Newton lands within 1e-6 K.
            full = std::fabs(newton - T) <= 0.05;
            T = newton;
        } else {
            // Leaving the bracket towards an end not yet passed: unless y
            // reaches the target there, no root lies inside.
            if (newton < lo && lo == t_lo && Y::of(thermal(r, p, lo)) > target + Y::tolerance(target))
                return std::nullopt;
            if (newton > hi && hi == t_hi && Y::of(thermal(r, p, hi)) < target - Y::tolerance(target))
                return std::nullopt;
            const double mid = 0.5 * (lo + hi);
            if (std::fabs(mid - T) <= 1e-14 * T) return std::nullopt;
            T = mid;
            full = false;
        }
    }
    return std::nullopt;
}

// Newton in (rho, T) on p(rho, T) = p and y(rho, T) = target. The state comes
// from the same evaluation as the last step, moved by it to first order.
template <typename Y>
std::optional<Point> refine3(double p, double target, double v0, double T0, int max_steps = kMaxNewton) {
    double rho = 1.0 / v0;
    double T = T0;
    double last_size = INFINITY;
    for (int step = 0; step < max_steps; ++step) {
        if (!(std::isfinite(rho) && std::isfinite(T) && rho > 0.0 && T > 0.0)) return std::nullopt;
        Point point;
        const Region3Slopes d = region3_slopes(rho, T, point);
        double y_rho = 0.0;
        double y_t = 0.0;
        const double y = Y::r3(d, y_rho, y_t);
        const double f1 = d.p - p;
        const double f2 = y - target;
        if (std::fabs(f1) <= 1e-13 * p && std::fabs(f2) <= Y::tolerance(target)) {
            point.p = p;
            return point;
        }
        const double det = d.dp_drho * y_t - d.dp_dT * y_rho;
        if (!(std::fabs(det) > 0.0)) return std::nullopt;
        double d_rho = (f1 * y_t - f2 * d.dp_dT) / det;
        double d_t = (d.dp_drho * f2 - y_rho * f1) / det;
        // The last step: under 1e-10 of the state, or under 1e-7 and shrinking so
        // fast (as the square of the one before) that the next would be below
        // 1e-14; its square is below rounding.
        const double size = std::fmax(std::fabs(d_rho) / rho, std::fabs(d_t) / T);
        const bool last = size <= 1e-10 || (size <= 1e-7 && size * (size / last_size) * (size / last_size) <= 1e-14);
        last_size = size;
        if (last) {
            Point out = moved_region3(point, d, -d_rho, -d_t);
            out.p = p;
            return out;
        }
        // Steps from a good start are small; a large one is cut back.
        const double scale = std::fmax(std::fabs(d_rho) / (0.2 * rho), std::fabs(d_t) / 20.0);
        if (scale > 1.0) {
            d_rho /= scale;
            d_t /= scale;
        }
        rho -= d_rho;
        T -= d_t;
    }
    return std::nullopt;
}

template <typename Y>
std::optional<State> single(Region r, const std::optional<Point>& point) {
    if (!point) return std::nullopt;
    return to_state(*point, r);
}

// Region 2 from t_lo upwards (T0 from its backward equation), or region 5 above 1073.15 K.
template <typename Y>
std::optional<State> steam(double p, double target, double t_lo, double T0) {
    // The backward equation is good inside region 2; beyond it, it may give anything.
    if (T0 > t_lo && T0 < kT25 - 5.0)
        if (auto state = single<Y>(Region::two, refine<Y>(Region::two, p, target, T0, t_lo, kT25))) return state;
    const double y25 = Y::of(region2_thermal(p, kT25));
    // Regions 2 and 5 differ slightly at 1073.15 K: a target within rounding of
    // region 2's value there is region 2's boundary state.
    if (target <= y25 + Y::tolerance(target))
        return single<Y>(Region::two, refine<Y>(Region::two, p, target, T0, t_lo, kT25));
    if (p > kPmax5) return std::nullopt;
    // T(y) between the ends of region 5 as the cubic with the right values and
    // slopes there: within a few kelvin, where a straight line misses by tens.
    const Thermal bottom = region5_thermal(p, kT25);
    const Thermal top = region5_thermal(p, kTmax);
    const double y0 = Y::of(bottom);
    const double dy = Y::of(top) - y0;
    const double u = (target - y0) / dy;
    const double m0 = dy / Y::slope(bottom, kT25);
    const double m1 = dy / Y::slope(top, kTmax);
    const double guess = (2 * u * u * u - 3 * u * u + 1) * kT25 + (u * u * u - 2 * u * u + u) * m0 +
                         (-2 * u * u * u + 3 * u * u) * kTmax + (u * u * u - u * u) * m1;
    return single<Y>(Region::five, refine<Y>(Region::five, p, target, guess, kT25, kTmax));
}

// How far y reaches on the boundaries of region 3 from 16.53 to 100 MPa: its
// largest value on region 1's at 623.15 K and its smallest on region 2's, the
// B23 line; sampled every 0.2 MPa and widened by 1e-3 of itself, far beyond
// what the smooth lines do between the samples.
struct Reach {
    double region1_max;
    double region2_min;
};

template <typename Y>
const Reach& boundary_reach() {
    static const Reach reach = [] {
        constexpr int kSamples = 420;
        Reach r{-INFINITY, INFINITY};
        for (int k = 0; k <= kSamples; ++k) {
            const double p = kPsat623 + (kPmax - kPsat623) * k / kSamples;
            r.region1_max = std::fmax(r.region1_max, Y::of(region1_thermal(p, kT13)));
            r.region2_min = std::fmin(r.region2_min, Y::of(region2_thermal(p, b23_temperature(p))));
        }
        r.region1_max += 1e-3 * std::fabs(r.region1_max);
        r.region2_min -= 1e-3 * std::fabs(r.region2_min);
        return r;
    }();
    return reach;
}

template <typename Y>
std::optional<State> fast(double p, double target) {
    if (p < kPsatMin) return steam<Y>(p, target, kTmin, Y::t2(p, target));
    if (p < kPsat623) {
        const double ts = saturation_temperature(p);
        // Saturated water at ts is needed for a target that may be water or wet;
        // one above all saturated water needs it only in the wet region.
        const bool steam_side = target > Y::above_water;
        double yl = steam_side ? -INFINITY : Y::of(region1_thermal(p, ts));
        if (target < yl) return single<Y>(Region::one, refine<Y>(Region::one, p, target, Y::t1(p, target), kTmin, ts));
        // The backward equation holds for superheated steam only; on a wet target
        // it extrapolates to anything. Where region 2 at its start gives back the
        // target within 0.1 K, the steam is superheated: no need for the dew point,
        // and the evaluation is the first step of the refinement.
        const double T0 = Y::t2(p, target);
        if (T0 > ts + 0.5 && T0 < kT25 - 5.0) {
            const Thermal at = region2_thermal(p, T0);
            if (std::fabs(Y::of(at) - target) <= 0.1 * Y::slope(at, T0))
                return single<Y>(Region::two, refine<Y>(Region::two, p, target, T0, ts, kT25, &at));
        }
        // The saturated states give y and the mixture: v, h and s are enough.
        const Point vapour = region2_vhs(p, ts);
        const double yv = Y::of(Thermal{vapour.h, vapour.s, vapour.cp});
        if (target > yv) return steam<Y>(p, target, ts, T0);
        if (steam_side) yl = Y::of(region1_thermal(p, ts));
        return mixture({p, ts, region1_vhs(p, ts), vapour}, (target - yl) / (yv - yl));
    }
    // Region 1 up to 623.15 K, region 2 from the B23 line, region 3 between;
    // a target beyond what either boundary reaches at any pressure needs no
    // evaluation of it.
    const Reach& reach = boundary_reach<Y>();
    if (target <= reach.region1_max && target <= Y::of(region1_thermal(p, kT13)))
        return single<Y>(Region::one, refine<Y>(Region::one, p, target, Y::t1(p, target), kTmin, kT13));
    const double t23 = b23_temperature(p);
    if (target >= reach.region2_min && target >= Y::of(region2_thermal(p, t23)))
        return steam<Y>(p, target, t23, Y::t2(p, target));
    if (p < kPc) {
        // A stable state found from the backward equations' start settles that
        // the target is not wet, without the saturated states; the backward
        // equations hold to a few parts in 1e5, so that Newton needs few steps.
        // A start on the wrong side of the saturation temperature (water above
        // it, steam below) is what they give for a wet target: no attempt.
        const double ts = saturation_temperature(p);
        const double v_start = Y::v3(p, target);
        const double t_start = Y::t3(p, target);
        if (v_start <= 1.0 / kRhoc ? t_start <= ts : t_start >= ts) {
            const auto quick = refine3<Y>(p, target, v_start, t_start, 4);
            // Stable: p rises with the density (not the loop between the
            // spinodals), and on its own side of the saturation temperature.
            if (quick && quick->T >= kT13 && quick->T <= t23 && quick->kappa_t > 0.0 &&
                (quick->v <= 1.0 / kRhoc ? quick->T <= ts : quick->T >= ts))
                return to_state(*quick, Region::three);
        }
        const Saturation sat = saturation_at_p(p);
        const double yl = Y::of(Thermal{sat.liquid.h, sat.liquid.s, sat.liquid.cp});
        const double yv = Y::of(Thermal{sat.vapour.h, sat.vapour.s, sat.vapour.cp});
        if (target >= yl && target <= yv) return mixture(sat, (target - yl) / (yv - yl));
    }
    const auto point = refine3<Y>(p, target, Y::v3(p, target), Y::t3(p, target));
    // The result must lie in region 3, on the side of the saturation line it started.
    if (!point || point->T < kT13 || point->T > t23) return std::nullopt;
    return to_state(*point, Region::three);
}

template <typename Y>
State solve(double p, double target) {
    props::finite(target, "target");
    check_range(p, kTmin);
    try {
        if (auto state = fast<Y>(p, target)) return *state;
    } catch (const props::PropertyError&) {
        // The bracketed search below either finds the state or says why not.
    }
    return solve_isobar(p, target, Y::quantity);
}

}  // namespace

State state_ph(double p, double h) { return solve<Enthalpy>(p, h); }

State state_ps(double p, double s) { return solve<Entropy>(p, s); }

}  // namespace entalix::if97
