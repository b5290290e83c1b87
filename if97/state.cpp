// Regions of (p, T), evaluation at (p, T), the saturated states and the
// single-phase states of the plant.
#include <cmath>
#include <cstdio>
#include <string>

#include "base/property_error.h"
#include "if97/backward.h"
#include "if97/constants.h"
#include "if97/point.h"

namespace entalix::if97 {

using props::finite;
using props::PropertyError;

namespace {

// Newton on the density stops once a step moves it by less than this fraction.
constexpr double kDensityStep = 1e-12;
constexpr int kMaxNewton = 60;

// The upper temperature of the B23 boundary: it reaches 100 MPa there.
constexpr double kT23max = 863.15;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

// The state at T with p(rho, T) = p, its density in (lo, hi) on a branch where p
// rises with rho. Newton on p alone stops once the next step would be
// negligible; the state is evaluated once, at the end: whole, or its p, v, h,
// u and s alone.
Point density_between(double p, double T, double rho0, double lo, double hi, bool whole = true) {
    double rho = finite(rho0, "start density");
    double last_step = INFINITY;
    const auto at = [&](double density) {
        Point out = whole ? region3(density, T) : region3_vhs(density, T);
        out.p = p;
        return out;
    };
    for (int step = 0; step < kMaxNewton; ++step) {
        const Region3Pressure d = region3_pressure(rho, T);
        // p carries rounding noise of about 1e-14 of itself; near the critical point,
        // where p hardly changes with rho, that noise moves the Newton steps by 1e-12.
        // The last Newton step costs nothing more and brings rho to that noise.
        if (std::fabs(d.p - p) <= 1e-13 * p) return at(rho - (d.p - p) / d.dp_drho);
        if (!(d.dp_drho > 0.0))
            throw PropertyError("no region 3 state at p = " + number(p) + " MPa, T = " + number(T) + " K");
        double next = rho - (d.p - p) / d.dp_drho;
        // Never cross the bounds of the branch, nor more than halve or double.
        if (next <= lo) next = 0.5 * (rho + lo);
        if (next >= hi) next = 0.5 * (rho + hi);
        next = std::fmin(std::fmax(next, 0.5 * rho), 2.0 * rho);
        const double step_size = std::fabs(next - rho);
        // Done when the step is negligible, or small and no longer shrinking (noise),
        // or small and shrinking so fast (as the square of the one before) that
        // the next would be negligible.
        if (step_size <= kDensityStep * rho || (step_size <= 1e-9 * rho && step_size > 0.5 * last_step) ||
            (step_size <= 1e-7 * rho &&
             step_size * (step_size / last_step) * (step_size / last_step) <= 0.01 * kDensityStep * rho))
            return at(next);
        last_step = step_size;
        rho = next;
    }
    throw PropertyError("region 3 density does not converge at p = " + number(p) + " MPa, T = " + number(T) + " K");
}

// Saturated water and steam at T (<= Tc) with the pressure p = psat(T) given.
Saturation saturation(double p, double T) {
    if (T >= kTc || p >= kPc) {
        const Point critical = region3(kRhoc, kTc);
        return {kPc, kTc, critical, critical};
    }
    if (T <= kT13) return {p, T, region1_vhs(p, T), region2_vhs(p, T)};
    return {p, T, density_between(p, T, 1.0 / region3_v_saturated_liquid(p, T), kRhoc, 1.0e4, false),
            density_between(p, T, 1.0 / region3_v_saturated_vapour(p, T), 0.0, kRhoc, false)};
}

// The critical temperature written in degC and converted back may miss it by an ulp.
double kelvin(double t) {
    const double T = finite(t, "temperature") + kKelvin;
    return std::fabs(T - kTc) < 1e-9 ? kTc : T;
}

// Why (p, T) failed the range test: kept out of line, so that the test itself
// stays small enough to be compiled into its callers.
[[noreturn, gnu::cold, gnu::noinline]] void throw_outside_range(double p, double T) {
    finite(p, "pressure");
    finite(T, "temperature");
    throw PropertyError(
        "outside the IAPWS-IF97 range (0 to 800 degC up to 100 MPa, 800 to 2000 degC up to 50 MPa): p = " + number(p) +
        " MPa, t = " + number(T - kKelvin) + " degC");
}

}  // namespace

void check_range(double p, double T) {
    // A NaN or an infinity fails the comparisons too: the finite values inside
    // the range pass on one test, and only a failure asks which it was.
    const bool inside = T >= kTmin && p > 0.0 && (T <= kT25 ? p <= kPmax : T <= kTmax && p <= kPmax5);
    if (!inside) [[unlikely]]
        throw_outside_range(p, T);
}

void throw_no_state(const std::string& what) { throw PropertyError("no IAPWS-IF97 state with " + what); }

Region region_of(double p, double T, Phase on_saturation) {
    if (T <= kT13) {
        // Saturation pressures up to 623.15 K stay below 16.53 MPa: above it
        // compressed water, no saturation pressure needed.
        if (p > 16.53 && T >= kTmin) return Region::one;
        const double psat = saturation_pressure(T);
        if (p != psat) return p > psat ? Region::one : Region::two;
        return on_saturation == Phase::liquid ? Region::one : Region::two;
    }
    if (T <= kT23max && p > b23_pressure(T)) return Region::three;
    return T <= kT25 ? Region::two : Region::five;
}

Point point_in(Region r, double p, double T, Phase side, Extent extent) {
    const bool whole = extent != Extent::vhs;
    switch (r) {
        case Region::one:
            return whole ? (extent == Extent::newton ? region1_newton(p, T) : region1(p, T)) : region1_vhs(p, T);
        case Region::two:
            return whole ? (extent == Extent::newton ? region2_newton(p, T) : region2(p, T)) : region2_vhs(p, T);
        case Region::five:
            return whole ? (extent == Extent::newton ? region5_newton(p, T) : region5(p, T)) : region5_vhs(p, T);
        case Region::three:
        case Region::four:
            break;
    }
    if (T < kTc && p < kPc) {
        // Below the critical point the side decides the branch of the isotherm.
        const double psat = saturation_pressure(T);
        const bool on_liquid_side = p > psat || (p == psat && side == Phase::liquid);
        const bool liquid = side == Phase::liquid;
        double rho0 = 0.0;
        if (on_liquid_side == liquid) {
            // The subregion equations start on the side (p, T) lies on; an ulp from
            // the saturation line they may pick the other one.
            rho0 = 1.0 / region3_v_pt(p, T);
            if (liquid ? rho0 <= kRhoc : rho0 >= kRhoc)
                rho0 = 1.0 / (liquid ? region3_v_saturated_liquid(p, T) : region3_v_saturated_vapour(p, T));
        } else {
            // A metastable state: Newton from the saturated state of that side at T
            // moves along the branch without crossing its spinodal.
            const Saturation sat = saturation_at_t(T);
            rho0 = 1.0 / (liquid ? sat.liquid.v : sat.vapour.v);
        }
        return liquid ? density_between(p, T, rho0, kRhoc, 1.0e4, whole)
                      : density_between(p, T, rho0, 0.0, kRhoc, whole);
    }
    return density_between(p, T, 1.0 / region3_v_pt(p, T), 0.0, 1.0e4, whole);
}

Point point_pt(double p, double T, Phase on_saturation, Region* region, Extent extent) {
    check_range(p, T);
    const Region r = region_of(p, T, on_saturation);
    if (region) *region = r;
    Phase side = on_saturation;
    if (r == Region::three && T < kTc && p < kPc) {
        const double psat = saturation_pressure(T);
        if (p != psat) side = p > psat ? Phase::liquid : Phase::vapour;
    }
    return point_in(r, p, T, side, extent);
}

Saturation saturation_at_t(double T) { return saturation(saturation_pressure(T), T); }

Saturation saturation_at_p(double p) { return saturation(p, saturation_temperature(p)); }

State to_state(const Point& point, Region region) {
    State out;
    out.p = point.p;
    out.t = point.T - kKelvin;
    out.v = point.v;
    out.h = point.h;
    out.s = point.s;
    out.region = region;
    const bool water = region == Region::one || (region == Region::three && point.v <= 1.0 / kRhoc);
    out.x = water ? 0.0 : 1.0;
    return out;
}

State mixture(const Saturation& sat, double x) {
    State out;
    out.p = sat.p;
    out.t = sat.T - kKelvin;
    out.v = sat.liquid.v + x * (sat.vapour.v - sat.liquid.v);
    out.h = sat.liquid.h + x * (sat.vapour.h - sat.liquid.h);
    out.s = sat.liquid.s + x * (sat.vapour.s - sat.liquid.s);
    out.x = x;
    out.region = Region::four;
    return out;
}

State state_pt(double p, double t, Phase on_saturation) {
    Region r = Region::one;
    const Point point = point_pt(p, kelvin(t), on_saturation, &r, Extent::vhs);
    return to_state(point, r);
}

State state_pt_side(double p, double t, Phase side) {
    const double T = kelvin(t);
    check_range(p, T);
    // Above the critical temperature or pressure there is one fluid.
    if (T >= kTc || p >= kPc) return state_pt(p, t, side);
    const double psat = saturation_pressure(T);
    const Phase here = p > psat ? Phase::liquid : p < psat ? Phase::vapour : side;
    if (here == side) return state_pt(p, t, side);
    // The other side's equation continued past the saturation line: region 1 or 2
    // up to 623.15 K, the metastable branch of region 3 above.
    Region r = T <= kT13 ? (side == Phase::liquid ? Region::one : Region::two) : Region::three;
    const std::string none = std::string("no metastable ") + (side == Phase::liquid ? "water" : "steam") +
                             " state at p = " + number(p) + " MPa, t = " + number(t) + " degC";
    Point point;
    try {
        point = point_in(r, p, T, side);
    } catch (const PropertyError&) {
        // Region 3 found no density on that branch: (p, T) lies past its spinodal.
        throw PropertyError(none);
    }
    // Far from the line the continuation stops describing any fluid.
    if (!(point.v > 0.0 && point.cp > 0.0 && point.kappa_t > 0.0 && std::isfinite(point.w))) throw PropertyError(none);
    State out = to_state(point, r);
    out.extrapolated = true;
    return out;
}

double saturation_pressure_c(double t) { return saturation_pressure(kelvin(t)); }

double saturation_temperature_c(double p) { return saturation_temperature(finite(p, "pressure")) - kKelvin; }

}  // namespace entalix::if97
