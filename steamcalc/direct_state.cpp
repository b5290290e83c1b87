// States found straight on the equations of compressed water and superheated
// steam, inside the range where each is valid: for the presses whose step list
// fails, ends in "参数超限" or finds a state that does not give back what was
// typed. Between the two ranges lies the near-critical region, for which this
// library has no equation.
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "props/ifc67_lines.h"
#include "props/validity.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

// Below this a pressure shown with six decimals is no pressure at all.
constexpr double kLowestPressure = 1e-6;  // MPa
// Samples along a segment before the bisection; the properties searched turn
// back at most once along one (water's density maximum near 4 degC, the
// enthalpy of hot compressed water with pressure).
constexpr int kSamples = 48;
constexpr int kBisections = 200;

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The saturation pressure at 350 degC: up to it the two equations meet on the
// saturation line, above it the near-critical region lies between them.
double pressure_at_water_limit(props::WaterSteam& w) { return w.saturation_line_p(props::kWaterEquationLimit); }
double boundary_pressure(double t) { return props::ifc67::boundary_pressure(t); }
double boundary_temperature(double p) { return props::ifc67::boundary_temperature(p); }

// One region's property of a row at (p, t); NaN where the equations fail.
double region_value(props::WaterSteam& w, bool water, Row row, double p, double t) {
    try {
        if (row == kRowH) return water ? w.pswh_ptwtr(p, t) : w.pswh_ptstm(p, t);
        if (row == kRowV) return water ? w.pswv_ptwtr(p, t) : w.pswv_ptstm(p, t);
        return number(water ? w.pswA_ptwtr("s", p, t) : w.pswA_ptstm("s", p, t));
    } catch (const props::PropertyError&) {
        return kNaN;
    }
}

// The first root of f from a towards b: the first sampled interval where f
// changes sign, then bisection. nullopt when f keeps its sign.
template <typename F>
std::optional<double> first_root(F f, double a, double b) {
    double xa = a, fa = f(a);
    if (fa == 0.0) return a;
    for (int i = 1; i <= kSamples; ++i) {
        const double xb = a + (b - a) * i / kSamples;
        const double fb = f(xb);
        if (fb == 0.0) return xb;
        if (std::isfinite(fa) && std::isfinite(fb) && (fa < 0.0) != (fb < 0.0)) {
            double lo = xa, hi = xb, f_lo = fa;
            for (int k = 0; k < kBisections; ++k) {
                const double xm = 0.5 * (lo + hi);
                if (xm == lo || xm == hi) break;
                const double fm = f(xm);
                if (!std::isfinite(fm)) return std::nullopt;
                if (fm == 0.0) return xm;
                if ((fm < 0.0) == (f_lo < 0.0)) {
                    lo = xm;
                    f_lo = fm;
                } else {
                    hi = xm;
                }
            }
            return 0.5 * (lo + hi);
        }
        xa = xb;
        fa = fb;
    }
    return std::nullopt;
}

struct Found {
    double value;  // the pressure or temperature found
    bool water;
};

// Along the isotherm t: steam from the saturation pressure (or the boundary
// line) down, then water from the saturation pressure up to 100 MPa.
std::optional<Found> on_isotherm(props::WaterSteam& w, double t, Row row, double y) {
    const bool steam_reaches_saturation = t <= props::kWaterEquationLimit;
    const double p_top =
        steam_reaches_saturation ? w.saturation_line_p(t) : std::min(boundary_pressure(t), props::kHighestPressure);
    const auto steam = [&](double p) { return region_value(w, false, row, p, t) - y; };
    if (p_top > kLowestPressure)
        if (const auto p = first_root(steam, p_top, kLowestPressure)) return Found{*p, false};
    if (steam_reaches_saturation) {
        const auto water = [&](double p) { return region_value(w, true, row, p, t) - y; };
        if (const auto p = first_root(water, p_top, props::kHighestPressure)) return Found{*p, true};
        return std::nullopt;
    }
    // Every property searched falls with pressure along a steam isotherm: a
    // value below the one on the boundary line belongs to a higher pressure.
    if (p_top < props::kHighestPressure && region_value(w, false, row, p_top, t) > y)
        throw props::PropertyRefusal(props::kMsgNearCritical);
    return std::nullopt;
}

// Along the isobar p: water from the saturation temperature (or 350 degC)
// down to 0 degC, then steam from it (or the boundary line) up to 800 degC.
std::optional<Found> on_isobar(props::WaterSteam& w, double p, Row row, double y) {
    const double p_limit = pressure_at_water_limit(w);
    const bool has_water = p >= w.saturation_line_p(props::kLowestTemperature);
    const double ts = has_water ? w.saturation_line_t(p) : props::kLowestTemperature;
    const double t_water_top = p <= p_limit ? ts : props::kWaterEquationLimit;
    const double t_steam_bottom = p <= p_limit ? ts : boundary_temperature(p);
    const auto water = [&](double t) { return region_value(w, true, row, p, t) - y; };
    const auto steam = [&](double t) { return region_value(w, false, row, p, t) - y; };
    if (has_water)
        if (const auto t = first_root(water, t_water_top, props::kLowestTemperature)) return Found{*t, true};
    if (const auto t = first_root(steam, t_steam_bottom, props::kHighestTemperature)) return Found{*t, false};
    if (p > p_limit) {
        // Volume, enthalpy and entropy all rise from the water at 350 degC to
        // the steam on the boundary line.
        const double at_water = water(t_water_top), at_steam = steam(t_steam_bottom);
        if (at_water < 0.0 && at_steam > 0.0) throw props::PropertyRefusal(props::kMsgNearCritical);
    }
    return std::nullopt;
}

}  // namespace

// The wet state of vapour fraction x at the saturation point (p, t), every
// value mixed from the two ends.
StateTexts mixed_state(Press& press, const std::string& p_text, double p, double t, double x);

namespace {

// The vapour fraction of the wet state at the saturation point (p, t) whose
// property of row is y; nullopt outside the band between the two ends.
std::optional<double> wet_fraction(props::WaterSteam& w, Row row, double p, double t, double y) {
    const double at_water = region_value(w, true, row, p, t), at_steam = region_value(w, false, row, p, t);
    if (!(at_water <= y && y <= at_steam && at_water < at_steam)) return std::nullopt;
    return (y - at_water) / (at_steam - at_water);
}

}  // namespace

StateTexts mixed_state(Press& press, const std::string& p_text, double p, double t, double x) {
    auto& w = press.props();
    StateScope scope(w);
    const auto mix = [x](double water, double steam) { return water + x * (steam - water); };
    StateTexts state;
    state.p = p_text;
    state.t = R6(t);
    state.v = R6(mix(w.pswv_ptwtr(p, t), w.pswv_ptstm(p, t)));
    state.h = R6(mix(w.pswh_ptwtr(p, t), w.pswh_ptstm(p, t)));
    state.s = R6(mix(number(w.pswA_ptwtr("s", p, t)), number(w.pswA_ptstm("s", p, t))));
    state.x = 100.0 * value_of(R4(x));
    state.warning = scope.warning();
    return state;
}

Shown out_of_range() { return Shown{std::nullopt, std::string(), std::nullopt}; }

// The state at p and t, shown as p_text and t_text: the values shown, or the
// state found itself where six decimals cannot hold its pressure.
StateTexts region_state(Press& press, const std::string& p_text, double p, const std::string& t_text, double t,
                        bool water) {
    auto& w = press.props();
    StateScope scope(w);
    StateTexts state;
    state.p = p_text;
    state.t = t_text;
    state.v = R6(water ? w.pswv_ptwtr(p, t) : w.pswv_ptstm(p, t));
    state.h = R6(water ? w.pswh_ptwtr(p, t) : w.pswh_ptstm(p, t));
    state.s = R6(number(water ? w.pswA_ptwtr("s", p, t) : w.pswA_ptstm("s", p, t)));
    state.x = water ? 0.0 : 100.0;
    state.warning = scope.warning();
    return state;
}

StateTexts region_state(Press& press, const std::string& p_text, const std::string& t_text, bool water) {
    return region_state(press, p_text, value_of(p_text), t_text, value_of(t_text), water);
}

// A wet state whose ends the equations cannot give (far above 350 degC) lies
// in the near-critical region.
template <typename F>
StateTexts near_critical_refused(bool above_350, F wet) {
    if (!above_350) return wet();
    try {
        return wet();
    } catch (const props::PropertyError&) {
        throw props::PropertyRefusal(props::kMsgNearCritical);
    }
}

// A state found below about 0.0005 MPa: six decimals keep less than three
// digits of its pressure, and the state at the shown pressure no longer gives
// back the value typed. Its values then come from the state found, and the
// shown pressure is that state's, rounded.
StateTexts found_state(Press& press, double p, double t, bool water) {
    const std::string p_text = press.found_pressure(p);
    StateTexts state = region_state(press, p_text, R6(t), water);
    if (press.flaw(state)) state = region_state(press, p_text, p, R6(t), t, water);
    return state;
}

std::optional<Shown> direct_state(Press& press, Row first, Row second) {
    auto& w = press.props();
    const double p_limit = pressure_at_water_limit(w);
    if (first == kRowT) {
        press.read_atmospheric();
        const double t = press.typed(kRowT);
        if (second == kRowX) {
            // Above 350 degC both ends of the line are extrapolated: shown while
            // their warning bounds the error, refused beyond (StateScope).
            if (!props::ifc67::at_or_below_critical_temperature(t))
                throw props::PropertyRefusal(props::kMsgNearCritical);
            const double p = w.saturation_line_p(t);
            const double x = press.typed(kRowX) / 100.0;
            return press.shown(near_critical_refused(
                t > props::kWaterEquationLimit, [&] { return mixed_state(press, press.found_pressure(p), p, t, x); }));
        }
        const double y = press.typed(second);
        // Wet steam first, as the step lists test it.
        if (t <= props::kWaterEquationLimit) {
            const double ps = w.saturation_line_p(t);
            if (const std::optional<double> x = wet_fraction(w, second, ps, t, y)) {
                StateTexts state = mixed_state(press, press.found_pressure(ps), ps, t, *x);
                // (t, h) shows the dryness it mixed with six decimals.
                if (second == kRowH) state.x = value_of(R6(100.0 * *x));
                return press.shown(state);
            }
        }
        const std::optional<Found> found = on_isotherm(w, t, second, y);
        if (!found) return std::nullopt;
        return press.shown(found_state(press, found->value, t, found->water));
    }
    const Press::TypedPressure typed_p = press.typed_pressure();
    const double p = typed_p.value();
    const std::string p_text = typed_p.rounded();
    if (second == kRowX) {
        if (props::ifc67::above_critical_pressure(p)) throw props::PropertyRefusal(props::kMsgNearCritical);
        const double x = press.typed(kRowX) / 100.0;
        return press.shown(near_critical_refused(
            p > p_limit, [&] { return mixed_state(press, p_text, p, w.saturation_line_t(p), x); }));
    }
    if (second == kRowT) {
        // The region as the step list decides it; the state only where that
        // region's equations hold.
        const double t = press.typed(kRowT);
        const bool water = w.saturation_line_t(p) > t;
        const bool valid =
            water ? t <= props::kWaterEquationLimit : t <= props::kWaterEquationLimit || p <= boundary_pressure(t);
        if (!valid) throw props::PropertyRefusal(props::kMsgNearCritical);
        return press.shown(region_state(press, p_text, R6(t), water));
    }
    const double y = press.typed(second);
    std::optional<StateTexts> wet;
    if (p <= p_limit && p >= w.saturation_line_p(props::kLowestTemperature)) {
        const double ts = w.saturation_line_t(p);
        if (const std::optional<double> x = wet_fraction(w, second, p, ts, y))
            wet = mixed_state(press, p_text, p, ts, *x);
    }
    const std::optional<Found> found = wet ? std::nullopt : on_isobar(w, p, second, y);
    if (!found && !wet) return std::nullopt;
    StateTexts state = wet ? *wet : region_state(press, p_text, R6(found->value), found->water);
    // The typed enthalpy or entropy is shown with four decimals, as (p, h) and (p, s) do.
    if (second == kRowH) state.h = R4(y);
    if (second == kRowS) state.s = R4(y);
    return press.shown(state);
}

double refine_in_step(const MatchedProperty& matched, double target, double grid_point, double previous_point) {
    const auto miss = [&](double y) {
        try {
            return matched(y) - target;
        } catch (const props::PropertyError&) {
            return kNaN;
        }
    };
    double a = grid_point, b = previous_point;
    double fa = miss(a);
    const double fb = miss(b);
    if (!std::isfinite(fa) || !std::isfinite(fb) || (fa < 0.0) == (fb < 0.0)) return grid_point;
    for (int k = 0; k < kBisections; ++k) {
        const double m = 0.5 * (a + b);
        if (m == a || m == b) break;
        const double fm = miss(m);
        if (!std::isfinite(fm)) return grid_point;
        if (fm == 0.0) return m;
        if ((fm < 0.0) == (fa < 0.0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

}  // namespace entalix::steamcalc
