// state_ph and state_ps: the backward equations give T (and in region 3 also v)
// within a few mK, Newton on the basic equations makes it exact. Anything the fast
// path cannot settle (near boundaries, outside the range) goes to the bracketed
// search along the isobar, which also words the failures.
#include <cmath>
#include <optional>

#include "if97/backward.h"
#include "if97/constants.h"
#include "if97/lines.h"
#include "if97/point.h"
#include "props/property_error.h"

namespace entalix::if97 {
namespace {

constexpr int kMaxNewton = 60;

struct Enthalpy {
    static constexpr Quantity quantity = Quantity::h;
    static double of(const Thermal& th) { return th.h; }
    static double slope(const Thermal& th, double) { return th.cp; }
    static double tolerance(double y) { return 1e-11 * std::fmax(std::fabs(y), 1.0); }
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
// that leaves the bracket becomes a bisection. The iterations need h, s and cp
// only; the full state is evaluated once, at the end. No result if y never
// reaches the target inside the bracket.
template <typename Y>
std::optional<Point> refine(Region r, double p, double target, double T0, double t_lo, double t_hi) {
    double lo = t_lo;
    double hi = t_hi;
    double T = std::isfinite(T0) && T0 > lo && T0 < hi ? T0 : 0.5 * (lo + hi);
    for (int step = 0; step < kMaxNewton; ++step) {
        const Thermal th = thermal(r, p, T);
        const double miss = Y::of(th) - target;
        if (std::fabs(miss) <= Y::tolerance(target)) return point_in(r, p, T, Phase::liquid);
        (miss < 0.0 ? lo : hi) = T;
        const double newton = T - miss / Y::slope(th, T);
        // The bracket is closed: a region's own boundary may hold the root.
        if (newton >= lo && newton <= hi) {
            // A step of under 1 uK lands within 1e-13 K even where cp changes
            // fastest, near the critical point: no further check needed.
            if (std::fabs(newton - T) <= 1e-6) return point_in(r, p, newton, Phase::liquid);
            T = newton;
        } else {
            const double mid = 0.5 * (lo + hi);
            if (std::fabs(mid - T) <= 1e-14 * T) return std::nullopt;
            T = mid;
        }
    }
    return std::nullopt;
}

// Newton in (rho, T) on p(rho, T) = p and y(rho, T) = target.
template <typename Y>
std::optional<Point> refine3(double p, double target) {
    double rho = 1.0 / Y::v3(p, target);
    double T = Y::t3(p, target);
    for (int step = 0; step < kMaxNewton; ++step) {
        if (!(std::isfinite(rho) && std::isfinite(T) && rho > 0.0 && T > 0.0)) return std::nullopt;
        const Region3Slopes d = region3_slopes(rho, T);
        double y_rho = 0.0;
        double y_t = 0.0;
        const double y = Y::r3(d, y_rho, y_t);
        const double f1 = d.p - p;
        const double f2 = y - target;
        if (std::fabs(f1) <= 1e-13 * p && std::fabs(f2) <= Y::tolerance(target)) {
            Point out = region3(rho, T);
            out.p = p;
            return out;
        }
        const double det = d.dp_drho * y_t - d.dp_dT * y_rho;
        if (!(std::fabs(det) > 0.0)) return std::nullopt;
        double d_rho = (f1 * y_t - f2 * d.dp_dT) / det;
        double d_t = (d.dp_drho * f2 - y_rho * f1) / det;
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
    if (!(T0 > kT25 - 5.0)) return single<Y>(Region::two, refine<Y>(Region::two, p, target, T0, t_lo, kT25));
    const double y25 = Y::of(region2_thermal(p, kT25));
    // Regions 2 and 5 differ slightly at 1073.15 K: a target within rounding of
    // region 2's value there is region 2's boundary state.
    if (target <= y25 + Y::tolerance(target))
        return single<Y>(Region::two, refine<Y>(Region::two, p, target, T0, t_lo, kT25));
    if (p > kPmax5) return std::nullopt;
    const double y_top = Y::of(region5_thermal(p, kTmax));
    const double guess = kT25 + (kTmax - kT25) * (target - y25) / (y_top - y25);
    return single<Y>(Region::five, refine<Y>(Region::five, p, target, guess, kT25, kTmax));
}

template <typename Y>
std::optional<State> fast(double p, double target) {
    if (p < kPsatMin) return steam<Y>(p, target, kTmin, Y::t2(p, target));
    if (p < kPsat623) {
        const double ts = saturation_temperature(p);
        const double yl = Y::of(region1_thermal(p, ts));
        if (target < yl) return single<Y>(Region::one, refine<Y>(Region::one, p, target, Y::t1(p, target), kTmin, ts));
        // Clearly superheated by the backward equation: no need for the dew point.
        const double T0 = Y::t2(p, target);
        if (T0 > ts + 0.5) return steam<Y>(p, target, ts, T0);
        const double yv = Y::of(region2_thermal(p, ts));
        if (target > yv) return steam<Y>(p, target, ts, T0);
        return mixture({p, ts, region1(p, ts), region2(p, ts)}, (target - yl) / (yv - yl));
    }
    if (target <= Y::of(region1_thermal(p, kT13)))
        return single<Y>(Region::one, refine<Y>(Region::one, p, target, Y::t1(p, target), kTmin, kT13));
    const double t23 = b23_temperature(p);
    if (target >= Y::of(region2_thermal(p, t23))) return steam<Y>(p, target, t23, Y::t2(p, target));
    if (p < kPc) {
        const Saturation sat = saturation_at_p(p);
        const double yl = Y::of(Thermal{sat.liquid.h, sat.liquid.s, sat.liquid.cp});
        const double yv = Y::of(Thermal{sat.vapour.h, sat.vapour.s, sat.vapour.cp});
        if (target >= yl && target <= yv) return mixture(sat, (target - yl) / (yv - yl));
    }
    const auto point = refine3<Y>(p, target);
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
