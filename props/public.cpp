// The public property functions: MPa, degC and kJ outside, at and kcal in the core.
// Arguments are divided by the factors on the way in, results multiplied on the way out.
// With IAPWS-IF97 each call goes to its library, which works in the public units.
#include "props/public.h"

#include "props/inverse.h"
#include "props/property_error.h"
#include "props/steam.h"
#include "props/units.h"
#include "props/validity.h"
#include "props/water.h"

namespace entalix::props {
namespace {

double to_at(double p_mpa) { return p_mpa / kMPaPerAt; }
double to_kcal(double kj) { return kj / kKJPerKcal; }
double to_kj(double kcal) { return kcal * kKJPerKcal; }

// The member of an evaluated state that a name picks; names are exact and case-sensitive.
Selected select(const SteamState& state, std::string_view name) {
    if (name == "p") return state.p * kMPaPerAt;
    if (name == "t") return state.t;
    if (name == "v") return state.v;
    if (name == "h") return to_kj(state.h);
    if (name == "s") return to_kj(state.s);
    if (name == "x") return state.x;
    return std::string(kNoSuchPara);
}

// The isentropic efficiency in percent; a zero isentropic drop has none. An
// expansion that ends with more than the isentropic drop or with none at all
// cannot happen.
double efficiency(double h1, double h2, double h2s) {
    const double drop = h1 - h2s;
    if (drop == 0.0) throw PropertyError("no isentropic enthalpy drop");
    const double percent = finite(100.0 * (h1 - h2) / drop, "efficiency");
    if (!(percent > 0.0 && percent <= 100.0))
        throw PropertyRefusal("算得的效率不在0–100 %之间：出口状态不能由进口状态膨胀得到");
    return percent;
}

// An expansion goes from the inlet down to a lower outlet pressure.
void check_expansion(double p1, double p2) {
    check_pressure(p1);
    check_pressure(p2);
    if (!(p2 < p1)) throw PropertyRefusal("出口压力须低于进口压力");
}

constexpr if97::Phase vapour() { return if97::Phase::vapour; }

}  // namespace

// A call of IAPWS-IF97's library at (p, t): the range checked first, the state
// it kept marked.
template <typename Call>
auto SteamProperties::if97_at(double p, double t, Call call) {
    if (!checking_) return call();
    check_if97_state(p, t);
    auto result = call();
    if97_mark(if97_.state());
    return result;
}

// An inverse of IAPWS-IF97 at p: where it finds no state, none lies in the range.
template <typename Call>
auto SteamProperties::if97_inverse(double p, Call call) {
    if (!checking_) return call();
    check_pressure(p);
    try {
        return call();
    } catch (const PropertyRefusal&) {
        throw;
    } catch (const PropertyError&) {
        throw PropertyRefusal(kMsgOutsideIf97);
    }
}

void SteamProperties::if97_mark(const if97::State& state) {
    if (checking_ && state.extrapolated) extrapolation_.metastable = true;
}

double SteamProperties::if97_saturation_p(double t) {
    if (checking_ && !(t >= kLowestTemperature && t <= kIf97CriticalTemperature))
        throw PropertyRefusal(kMsgIf97SaturationRange);
    return if97_.pswsat_p(t);
}

double SteamProperties::if97_saturation_t(double p) {
    if (checking_ && !(p >= kIf97LowestSaturationPressure && p <= kIf97CriticalPressure))
        throw PropertyRefusal(kMsgIf97SaturationRange);
    return if97_.pswsat_t(p);
}

double SteamProperties::if97_effi_pt(double p1, double t1, double p2, double t2) {
    check_expansion(p1, p2);
    if (checking_) check_if97_state(p1, t1);
    const if97::State inlet = if97::state_pt_side(p1, t1, vapour());
    if97_mark(inlet);
    const if97::State ideal = if97_inverse(p2, [&] { return if97::state_ps(p2, inlet.s); });
    if (checking_) check_if97_state(p2, t2);
    const if97::State outlet = if97::state_pt_side(p2, t2, vapour());
    if97_mark(outlet);
    return efficiency(inlet.h, outlet.h, ideal.h);
}

double SteamProperties::if97_effi_ph(double p1, double h1, double p2, double h2) {
    check_expansion(p1, p2);
    const if97::State inlet = if97_inverse(p1, [&] { return if97::state_ph(p1, h1); });
    const if97::State ideal = if97_inverse(p2, [&] { return if97::state_ps(p2, inlet.s); });
    return efficiency(finite(h1, "inlet enthalpy"), finite(h2, "outlet enthalpy"), ideal.h);
}

double SteamProperties::if97_t2_ptpeffi(double p1, double t1, double p2, double effi) {
    check_expansion(p1, p2);
    if (!(effi > 0.0 && effi <= 100.0)) throw PropertyRefusal("效率须大于0且不超过100 %");
    if (checking_) check_if97_state(p1, t1);
    const if97::State inlet = if97::state_pt_side(p1, t1, vapour());
    if97_mark(inlet);
    const if97::State ideal = if97_inverse(p2, [&] { return if97::state_ps(p2, inlet.s); });
    const double h2 = finite(inlet.h + (ideal.h - inlet.h) * (effi * 0.01), "outlet enthalpy");
    // An outlet in the wet region gives the saturation temperature at p2.
    return if97_inverse(p2, [&] { return if97::state_ph(p2, h2); }).t;
}

void SteamProperties::water(double p, double t) {
    if (checking_) {
        check_pressure(p);
        check_temperature(t);
    }
    ifc_pt_water(state_, to_at(p), t);
    if (checking_) extrapolation_.add({water_tier(t), 0, false});
}

void SteamProperties::steam(double p, double t) {
    if (!checking_) return ifc_pt_steam(state_, to_at(p), t);
    check_pressure(p);
    check_temperature(t);
    // Refused before the evaluation where the equations mean nothing.
    const int tier = steam_tier(to_at(p), t);
    ifc_pt_steam(state_, to_at(p), t);
    extrapolation_.add({0, tier, false});
}

void SteamProperties::from_ph(double p, double h) {
    if (checking_) check_pressure(p);
    ifc_ph(state_, to_at(p), to_kcal(h));
    found();
}

void SteamProperties::from_ps(double p, double s) { from_ps_kcal(p, to_kcal(s)); }

void SteamProperties::from_ps_kcal(double p, double s_kcal) {
    if (checking_) check_pressure(p);
    ifc_ps(state_, to_at(p), s_kcal);
    found();
}

void SteamProperties::found() {
    if (!checking_) return;
    check_found_temperature(state_.t);
    extrapolation_.add(extrapolation_of(state_));
}

double SteamProperties::pswsat_p(double t) {
    if (if97()) return if97_saturation_p(t);
    if (!checking_) return ifc_pswsat_p(t);
    check_temperature(t);
    const double p = ifc_pswsat_p(t);
    check_pressure(p);
    extrapolation_.saturation = extrapolation_.saturation || reduced_temperature(t) > 1.0;
    return p;
}

double SteamProperties::pswsat_t(double p) {
    if (if97()) return if97_saturation_t(p);
    if (!checking_) return ifc_pswsat_t(p);
    check_pressure(p);
    const double t = ifc_pswsat_t(p);
    check_found_temperature(t);
    extrapolation_.saturation = extrapolation_.saturation || to_at(p) > kPc;
    return t;
}

double SteamProperties::pswv_ptwtr(double p, double t) {
    if (if97()) return if97_at(p, t, [&] { return if97_.pswv_ptwtr(p, t); });
    water(p, t);
    return state_.v;
}

double SteamProperties::pswv_ptstm(double p, double t) {
    if (if97()) return if97_at(p, t, [&] { return if97_.pswv_ptstm(p, t); });
    steam(p, t);
    return state_.v;
}

double SteamProperties::pswh_ptwtr(double p, double t) {
    if (if97()) return if97_at(p, t, [&] { return if97_.pswh_ptwtr(p, t); });
    water(p, t);
    return to_kj(state_.h);
}

double SteamProperties::pswh_ptstm(double p, double t) {
    if (if97()) return if97_at(p, t, [&] { return if97_.pswh_ptstm(p, t); });
    steam(p, t);
    return to_kj(state_.h);
}

double SteamProperties::pswt_ph(double p, double h) {
    if (if97()) return if97_inverse(p, [&] { return if97_.pswt_ph(p, h); });
    from_ph(p, h);
    return state_.t;
}

double SteamProperties::psws_ph(double p, double h) {
    if (if97()) return if97_inverse(p, [&] { return if97_.psws_ph(p, h); });
    from_ph(p, h);
    return to_kj(state_.s);
}

// Each selector evaluates first, so a failing state fails whatever the name.
Selected SteamProperties::pswA_ph(std::string_view name, double p, double h) {
    if (if97()) return if97_inverse(p, [&] { return if97_.pswA_ph(name, p, h); });
    from_ph(p, h);
    return select(state_, name);
}

Selected SteamProperties::pswA_ps(std::string_view name, double p, double s) {
    if (if97()) return if97_inverse(p, [&] { return if97_.pswA_ps(name, p, s); });
    from_ps(p, s);
    return select(state_, name);
}

Selected SteamProperties::pswA_ptwtr(std::string_view name, double p, double t) {
    if (if97()) return if97_at(p, t, [&] { return if97_.pswA_ptwtr(name, p, t); });
    water(p, t);
    return select(state_, name);
}

Selected SteamProperties::pswA_ptstm(std::string_view name, double p, double t) {
    if (if97()) return if97_at(p, t, [&] { return if97_.pswA_ptstm(name, p, t); });
    steam(p, t);
    return select(state_, name);
}

double SteamProperties::psw_effi_pt(double p1, double t1, double p2, double t2) {
    if (if97()) return if97_effi_pt(p1, t1, p2, t2);
    check_expansion(p1, p2);
    steam(p1, t1);
    const double h1 = state_.h;
    const double s1 = state_.s;
    from_ps_kcal(p2, s1);
    const double h2s = state_.h;
    steam(p2, t2);
    // All three in kcal/kg: the unit cancels.
    return efficiency(h1, state_.h, h2s);
}

double SteamProperties::psw_effi_ph(double p1, double h1, double p2, double h2) {
    if (if97()) return if97_effi_ph(p1, h1, p2, h2);
    check_expansion(p1, p2);
    from_ph(p1, h1);
    from_ps_kcal(p2, state_.s);
    return efficiency(finite(h1, "inlet enthalpy"), finite(h2, "outlet enthalpy"), to_kj(state_.h));
}

double SteamProperties::pswt2_ptpeffi(double p1, double t1, double p2, double effi) {
    if (if97()) return if97_t2_ptpeffi(p1, t1, p2, effi);
    check_expansion(p1, p2);
    if (!(effi > 0.0 && effi <= 100.0)) throw PropertyRefusal("效率须大于0且不超过100 %");
    const double h1 = pswh_ptstm(p1, t1);
    // The inlet entropy from the (p,h) inverse of the inlet, not from the evaluation above.
    const double s1 = psws_ph(p1, h1);
    const double h2s = selected_number(pswA_ps("h", p2, s1));
    const double h2 = finite(h1 + (h2s - h1) * (finite(effi, "efficiency") * 0.01), "outlet enthalpy");
    // An outlet in the wet region gives the saturation temperature at p2.
    return pswt_ph(p2, h2);
}

double selected_number(const Selected& selected) {
    if (const double* number = std::get_if<double>(&selected)) return *number;
    throw PropertyError("no such property: " + std::get<std::string>(selected));
}

}  // namespace entalix::props
