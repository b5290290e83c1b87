// The public property functions of IAPWS-IF97, with the names, units and selector
// texts of the IFC-67 library (props/public.h): MPa absolute, degC, kJ/kg,
// kJ/(kg K), m3/kg, x as a fraction 0 to 1. Failures throw props::PropertyError.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "if97/state.h"

namespace entalix::if97 {

// The same type as props::Selected, so that callers hold either library's answer.
using Selected = std::variant<double, std::string>;
inline constexpr std::string_view kNoSuchPara = "No such Para.";

// One calculation's access to IAPWS-IF97. The water functions give the state on the
// liquid side of (p, t), the steam functions the one on the vapour side; where (p, t)
// lies on the other side, that side's equation continued past the saturation line
// (marked extrapolated in state()), or PropertyError where no such state exists.
// Above the critical temperature or pressure both give the one fluid state.
class If97Properties {
public:
    double pswv_ptwtr(double p, double t);
    double pswv_ptstm(double p, double t);
    double pswh_ptwtr(double p, double t);
    double pswh_ptstm(double p, double t);
    double pswt_ph(double p, double h);
    double psws_ph(double p, double h);

    // "x" gives 0 from the water selector and 1 from the steam selector, the wet
    // fraction (or 0/1 by side) from the others.
    Selected pswA_ph(std::string_view name, double p, double h);
    Selected pswA_ps(std::string_view name, double p, double s);
    Selected pswA_hs(std::string_view name, double h, double s);
    Selected pswA_ptwtr(std::string_view name, double p, double t);
    Selected pswA_ptstm(std::string_view name, double p, double t);

    double psw_effi_pt(double p1, double t1, double p2, double t2);
    double psw_effi_ph(double p1, double h1, double p2, double h2);
    double pswt2_ptpeffi(double p1, double t1, double p2, double effi);

    double pswsat_p(double t);
    double pswsat_t(double p);

    // The state of the last successful call; a failed call leaves it as it was.
    const State& state() const { return state_; }

private:
    const State& keep(const State& state);
    const State& side(double p, double t, Phase phase);

    State state_;
};

// The number a selector gave for a name it knows; PropertyError for the text.
double selected_number(const Selected& selected);

}  // namespace entalix::if97
