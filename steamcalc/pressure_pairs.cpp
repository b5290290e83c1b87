// The pairs with a known pressure: (p, t), (p, h), (p, s), (p, v) and (p, x).
// The state comes straight from the property functions, except that (p, v)
// scans the temperature.
#include <optional>
#include <string>

#include "props/saturation.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {

std::optional<std::string> solve_pt(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const double ts = props::pswsat_t(typed_p.value());
    const double t_typed = press.typed(kRowT);
    // On the saturation temperature itself the state counts as steam.
    const bool water = ts > t_typed;
    const std::string p_text = typed_p.rounded();
    const std::string t_text = R6(t_typed);
    const double p = value_of(p_text), t = value_of(t_text);
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
    return press.caption({p_text, t_text, v, h, s, x});
}

std::optional<std::string> solve_ph(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const std::string p_text = typed_p.rounded();
    const double p = value_of(p_text);
    const double h_typed = press.typed(kRowH);
    const std::string t = R6(number(w.pswA_ph("t", p, h_typed)));
    const std::string v = R6(number(w.pswA_ph("v", p, h_typed)));
    // The typed enthalpy is shown and used with four decimals.
    const std::string h = R4(h_typed);
    const std::string s = R6(number(w.pswA_ph("s", p, value_of(h))));
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return press.caption({p_text, t, v, h, s, x});
}

std::optional<std::string> solve_ps(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const std::string p_text = typed_p.rounded();
    const double p = value_of(p_text);
    const double s_typed = press.typed(kRowS);
    const std::string t = R6(number(w.pswA_ps("t", p, s_typed)));
    const std::string v = R6(number(w.pswA_ps("v", p, s_typed)));
    const std::string h = R6(number(w.pswA_ps("h", p, s_typed)));
    const std::string s = R4(s_typed);
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return press.caption({p_text, t, v, h, s, x});
}

std::optional<std::string> solve_pv(Press& press) {
    auto& w = press.props();
    const Press::TypedPressure typed_p = press.typed_pressure();
    const double p_exact = typed_p.value();
    const double ts = props::pswsat_t(p_exact);
    const double v_saturated_water = w.pswv_ptwtr(p_exact, ts);
    const double v_typed = press.typed(kRowV);
    // Not more than the saturated-water volume: compressed water, found by
    // cooling from the saturation temperature. Otherwise steam, found by
    // heating; a volume in the two-phase band ends at once on the saturation
    // temperature with the steam equations' volume there.
    const bool water = v_saturated_water - v_typed >= 0;
    const std::optional<double> t_found =
        water ? press.search(
                    ts, Direction::Down, [&](double t) { return w.pswv_ptwtr(p_exact, t); }, v_typed, Sense::Above,
                    kScanWaterTemperatureFloor)
              : press.search(
                    ts, Direction::Up, [&](double t) { return w.pswv_ptstm(p_exact, t); }, v_typed, Sense::Below,
                    kScanSteamTemperatureCeiling);
    if (!t_found) return std::string(kOutOfRange);
    const std::string p_text = typed_p.rounded();
    const std::string t_text = R6(*t_found);
    const double p = value_of(p_text), t = value_of(t_text);
    const std::string v = R6(water ? w.pswv_ptwtr(p, t) : w.pswv_ptstm(p, t));
    const std::string h = R6(water ? w.pswh_ptwtr(p, t) : w.pswh_ptstm(p, t));
    const std::string s = R6(w.psws_ph(p, value_of(h)));
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return press.caption({p_text, t_text, v, h, s, x});
}

StateTexts wet_state_from_dryness(Press& press, const std::string& p_text, const std::string& t_text,
                                  double dryness_percent) {
    auto& w = press.props();
    const double p = value_of(p_text), t = value_of(t_text);
    const double h_water = w.pswh_ptwtr(p, t);
    const double h_steam = w.pswh_ptstm(p, t);
    // The mixing rule, in this order of operations; a dryness outside 0 to
    // 100 % extrapolates it.
    const std::string h = R6(((100.0 - dryness_percent) * h_water) / 100.0 + (h_steam * dryness_percent) / 100.0);
    const std::string s = R6(w.psws_ph(p, value_of(h)));
    const std::string v = R6(number(w.pswA_ph("v", p, value_of(h))));
    const double x = percent_of_rounded(w.pswA_ps("x", p, value_of(s)));
    return {p_text, t_text, v, h, s, x};
}

std::optional<std::string> solve_px(Press& press) {
    const Press::TypedPressure typed_p = press.typed_pressure();
    const double dryness = press.typed(kRowX);
    const double ts = props::pswsat_t(typed_p.value());
    return press.caption(wet_state_from_dryness(press, typed_p.rounded(), R6(ts), dryness));
}

}  // namespace entalix::steamcalc
