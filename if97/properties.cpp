// The public IAPWS-IF97 functions over the state solvers.
#include "if97/properties.h"

#include "base/property_error.h"

namespace entalix::if97 {
namespace {

using props::finite;
using props::PropertyError;

// Names are exact and case-sensitive.
Selected select(const State& state, std::string_view name) {
    if (name == "p") return state.p;
    if (name == "t") return state.t;
    if (name == "v") return state.v;
    if (name == "h") return state.h;
    if (name == "s") return state.s;
    if (name == "x") return state.x;
    return std::string(kNoSuchPara);
}

double efficiency(double h1, double h2, double h2s) {
    const double drop = h1 - h2s;
    if (drop == 0.0) throw PropertyError("no isentropic enthalpy drop");
    return finite(100.0 * (h1 - h2) / drop, "efficiency");
}

}  // namespace

const State& If97Properties::keep(const State& state) {
    state_ = state;
    return state_;
}

const State& If97Properties::side(double p, double t, Phase phase) {
    State state = state_pt_side(p, t, phase);
    state.x = phase == Phase::liquid ? 0.0 : 1.0;
    return keep(state);
}

double If97Properties::pswv_ptwtr(double p, double t) { return side(p, t, Phase::liquid).v; }
double If97Properties::pswv_ptstm(double p, double t) { return side(p, t, Phase::vapour).v; }
double If97Properties::pswh_ptwtr(double p, double t) { return side(p, t, Phase::liquid).h; }
double If97Properties::pswh_ptstm(double p, double t) { return side(p, t, Phase::vapour).h; }
double If97Properties::pswt_ph(double p, double h) { return keep(state_ph(p, h)).t; }
double If97Properties::psws_ph(double p, double h) { return keep(state_ph(p, h)).s; }

Selected If97Properties::pswA_ph(std::string_view name, double p, double h) {
    return select(keep(state_ph(p, h)), name);
}

Selected If97Properties::pswA_ps(std::string_view name, double p, double s) {
    return select(keep(state_ps(p, s)), name);
}

Selected If97Properties::pswA_hs(std::string_view name, double h, double s) {
    return select(keep(state_hs(h, s)), name);
}

Selected If97Properties::pswA_ptwtr(std::string_view name, double p, double t) {
    return select(side(p, t, Phase::liquid), name);
}

Selected If97Properties::pswA_ptstm(std::string_view name, double p, double t) {
    return select(side(p, t, Phase::vapour), name);
}

double If97Properties::psw_effi_pt(double p1, double t1, double p2, double t2) {
    const State inlet = state_pt_side(p1, t1, Phase::vapour);
    const State ideal = state_ps(p2, inlet.s);
    const State outlet = state_pt_side(p2, t2, Phase::vapour);
    const double result = efficiency(inlet.h, outlet.h, ideal.h);
    keep(outlet);
    return result;
}

double If97Properties::psw_effi_ph(double p1, double h1, double p2, double h2) {
    const State inlet = state_ph(p1, h1);
    const State ideal = state_ps(p2, inlet.s);
    const double result = efficiency(inlet.h, finite(h2, "outlet enthalpy"), ideal.h);
    keep(ideal);
    return result;
}

double If97Properties::pswt2_ptpeffi(double p1, double t1, double p2, double effi) {
    const State inlet = state_pt_side(p1, t1, Phase::vapour);
    const State ideal = state_ps(p2, inlet.s);
    const double h2 = finite(inlet.h + (ideal.h - inlet.h) * (finite(effi, "efficiency") * 0.01), "outlet enthalpy");
    // An outlet in the wet region gives the saturation temperature at p2.
    return keep(state_ph(p2, h2)).t;
}

double If97Properties::pswsat_p(double t) { return saturation_pressure_c(t); }

double If97Properties::pswsat_t(double p) { return saturation_temperature_c(p); }

double selected_number(const Selected& selected) {
    if (const double* number = std::get_if<double>(&selected)) return *number;
    throw PropertyError("no such property: " + std::get<std::string>(selected));
}

}  // namespace entalix::if97
