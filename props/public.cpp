// The public property functions: MPa, degC and kJ outside, at and kcal in the core.
// Arguments are divided by the factors on the way in, results multiplied on the way out.
#include "props/public.h"

#include "props/inverse.h"
#include "props/property_error.h"
#include "props/steam.h"
#include "props/units.h"
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

// The isentropic efficiency in percent; a zero isentropic drop has none.
double efficiency(double h1, double h2, double h2s) {
    const double drop = h1 - h2s;
    if (drop == 0.0) throw PropertyError("no isentropic enthalpy drop");
    return finite(100.0 * (h1 - h2) / drop, "efficiency");
}

}  // namespace

double SteamProperties::pswv_ptwtr(double p, double t) {
    ifc_pt_water(state_, to_at(p), t);
    return state_.v;
}

double SteamProperties::pswv_ptstm(double p, double t) {
    ifc_pt_steam(state_, to_at(p), t);
    return state_.v;
}

double SteamProperties::pswh_ptwtr(double p, double t) {
    ifc_pt_water(state_, to_at(p), t);
    return to_kj(state_.h);
}

double SteamProperties::pswh_ptstm(double p, double t) {
    ifc_pt_steam(state_, to_at(p), t);
    return to_kj(state_.h);
}

double SteamProperties::pswt_ph(double p, double h) {
    ifc_ph(state_, to_at(p), to_kcal(h));
    return state_.t;
}

double SteamProperties::psws_ph(double p, double h) {
    ifc_ph(state_, to_at(p), to_kcal(h));
    return to_kj(state_.s);
}

// Each selector evaluates first, so a failing state fails whatever the name.
Selected SteamProperties::pswA_ph(std::string_view name, double p, double h) {
    ifc_ph(state_, to_at(p), to_kcal(h));
    return select(state_, name);
}

Selected SteamProperties::pswA_ps(std::string_view name, double p, double s) {
    ifc_ps(state_, to_at(p), to_kcal(s));
    return select(state_, name);
}

Selected SteamProperties::pswA_ptwtr(std::string_view name, double p, double t) {
    ifc_pt_water(state_, to_at(p), t);
    return select(state_, name);
}

Selected SteamProperties::pswA_ptstm(std::string_view name, double p, double t) {
    ifc_pt_steam(state_, to_at(p), t);
    return select(state_, name);
}

double SteamProperties::psw_effi_pt(double p1, double t1, double p2, double t2) {
    ifc_pt_steam(state_, to_at(p1), t1);
    const double h1 = state_.h;
    const double s1 = state_.s;
    ifc_ps(state_, to_at(p2), s1);
    const double h2s = state_.h;
    ifc_pt_steam(state_, to_at(p2), t2);
    // All three in kcal/kg: the unit cancels.
    return efficiency(h1, state_.h, h2s);
}

double SteamProperties::psw_effi_ph(double p1, double h1, double p2, double h2) {
    ifc_ph(state_, to_at(p1), to_kcal(h1));
    ifc_ps(state_, to_at(p2), state_.s);
    return efficiency(finite(h1, "inlet enthalpy"), finite(h2, "outlet enthalpy"), to_kj(state_.h));
}

double SteamProperties::pswt2_ptpeffi(double p1, double t1, double p2, double effi) {
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
