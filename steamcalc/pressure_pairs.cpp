// The pairs with a known pressure: (p, t), (p, h), (p, s), (p, v) and (p, x).
// The state comes straight from the property functions, except that (p, v)
// scans the temperature outside the two-phase band.
#include <optional>
#include <string>

#include "props/ifc67_lines.h"
#include "shell/errors.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

// The wet state at the saturation temperature ts of p with the vapour fraction
// that a typed volume between the saturated-water and saturated-steam volumes
// gives: h, s and v mixed like the volume, so the shown v is the typed one.
StateTexts wet_state_from_volume(Press& press, const std::string& p_text, double p, double ts, double v_typed) {
    auto& w = press.props();
    StateScope scope(w);
    const double v_water = w.pswv_ptwtr(p, ts), h_water = w.pswh_ptwtr(p, ts);
    const double s_water = number(w.pswA_ptwtr("s", p, ts));
    const double v_steam = w.pswv_ptstm(p, ts), h_steam = w.pswh_ptstm(p, ts);
    const double s_steam = number(w.pswA_ptstm("s", p, ts));
    const double x = (v_typed - v_water) / (v_steam - v_water);
    StateTexts state;
    state.p = p_text;
    state.t = R6(ts);
    state.v = R6(v_water + x * (v_steam - v_water));
    state.h = R6(h_water + x * (h_steam - h_water));
    state.s = R6(s_water + x * (s_steam - s_water));
    state.x = 100.0 * value_of(R4(x));
    state.warning = scope.warning();
    return state;
}

}  // namespace

std::optional<Shown> solve_pt(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const double ts = w.saturation_line_t(typed_p.value());
    const double t_typed = press.typed(kRowT);
    // On the saturation temperature itself the state counts as steam.
    const bool water = ts > t_typed;
    const std::string p_text = typed_p.rounded();
    const std::string t_text = R6(t_typed);
    const double p = value_of(p_text), t = value_of(t_text);
    StateScope scope(w);
    std::string v, h, s;
    if (water) {
        v = R6(w.pswv_ptwtr(p, t));
        h = R6(w.pswh_ptwtr(p, t));
        s = R6(number(w.pswA_ptwtr("s", p, t)));
    } else {
        v = R6(w.pswv_ptstm(p, t));
        h = R6(w.pswh_ptstm(p, t));
        s = R6(w.psws_ph(p, value_of(h)));
    }
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return press.shown({p_text, t_text, v, h, s, x, scope.warning()});
}

std::optional<Shown> solve_ph(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const std::string p_text = typed_p.rounded();
    const double p = value_of(p_text);
    const double h_typed = press.typed(kRowH);
    StateScope scope(w);
    const std::string t = R6(number(w.pswA_ph("t", p, h_typed)));
    const std::string v = R6(number(w.pswA_ph("v", p, h_typed)));
    // The typed enthalpy is shown and used with four decimals.
    const std::string h = R4(h_typed);
    const std::string s = R6(number(w.pswA_ph("s", p, value_of(h))));
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return press.shown({p_text, t, v, h, s, x, scope.warning()});
}

std::optional<Shown> solve_ps(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const std::string p_text = typed_p.rounded();
    const double p = value_of(p_text);
    const double s_typed = press.typed(kRowS);
    StateScope scope(w);
    const std::string t = R6(number(w.pswA_ps("t", p, s_typed)));
    const std::string v = R6(number(w.pswA_ps("v", p, s_typed)));
    const std::string h = R6(number(w.pswA_ps("h", p, s_typed)));
    const std::string s = R4(s_typed);
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return press.shown({p_text, t, v, h, s, x, scope.warning()});
}

std::optional<Shown> solve_pv(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const double p_exact = typed_p.value();
    const double ts = w.saturation_line_t(p_exact);
    const double v_saturated_water = w.pswv_ptwtr(p_exact, ts);
    const double v_typed = press.typed(kRowV);
    // Not more than the saturated-water volume: compressed water, found by
    // cooling from the saturation temperature. Between it and the saturated-
    // steam volume: wet steam, up to the critical pressure where the band
    // closes. Otherwise steam, found by heating.
    const bool water = v_saturated_water - v_typed >= 0;
    if (!water && !props::ifc67::above_critical_pressure(p_exact) && v_typed < w.pswv_ptstm(p_exact, ts))
        return press.shown(wet_state_from_volume(press, typed_p.rounded(), p_exact, ts, v_typed));
    const MatchedProperty matched = [&w, water, p_exact](double t) {
        return water ? w.pswv_ptwtr(p_exact, t) : w.pswv_ptstm(p_exact, t);
    };
    const Direction direction = water ? Direction::Down : Direction::Up;
    const std::optional<double> t_found =
        press.search(ts, direction, matched, v_typed, water ? Sense::Above : Sense::Below,
                     water ? kScanWaterTemperatureFloor : kScanSteamTemperatureCeiling);
    if (!t_found) return out_of_range();
    const std::string p_text = typed_p.rounded();
    const auto state_at = [&](double t_state) {
        const std::string t_text = R6(t_state);
        const double p = value_of(p_text), t = value_of(t_text);
        StateScope scope(w);
        const std::string v = R6(water ? w.pswv_ptwtr(p, t) : w.pswv_ptstm(p, t));
        const std::string h = R6(water ? w.pswh_ptwtr(p, t) : w.pswh_ptstm(p, t));
        const std::string s = R6(w.psws_ph(p, value_of(h)));
        const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
        return StateTexts{p_text, t_text, v, h, s, x, scope.warning()};
    };
    StateTexts state = state_at(*t_found);
    if (!press.gives_back(state, kRowV)) {
        const double previous = water ? *t_found + kSearchStep : *t_found - kSearchStep;
        if (*t_found != ts) state = state_at(refine_in_step(matched, v_typed, *t_found, previous));
    }
    return press.shown(state);
}

StateTexts wet_state_from_dryness(Press& press, const std::string& p_text, const std::string& t_text,
                                  double dryness_percent) {
    auto& w = press.props();
    StateScope scope(w);
    const double p = value_of(p_text), t = value_of(t_text);
    const double h_water = w.pswh_ptwtr(p, t);
    const double h_steam = w.pswh_ptstm(p, t);
    // The mixing rule, in this order of operations.
    const std::string h = R6(((100.0 - dryness_percent) * h_water) / 100.0 + (h_steam * dryness_percent) / 100.0);
    const std::string s = R6(w.psws_ph(p, value_of(h)));
    const std::string v = R6(number(w.pswA_ph("v", p, value_of(h))));
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return {p_text, t_text, v, h, s, x, scope.warning()};
}

std::optional<Shown> solve_px(Press& press) {
    const Press::TypedPressure typed_p = press.typed_pressure();
    const double dryness = press.typed(kRowX);
    const double p = typed_p.value();
    // Above the critical pressure water and steam are one phase.
    if (props::ifc67::above_critical_pressure(p)) throw shell::CalculationError(props::kMsgNoWetAbovePressure);
    const double ts = press.props().saturation_line_t(p);
    return press.shown(wet_state_from_dryness(press, typed_p.rounded(), R6(ts), dryness));
}

}  // namespace entalix::steamcalc
