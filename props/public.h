// Public property functions in MPa, degC, kJ/kg and kJ/(kg K).
// Each call converts its arguments to the core's technical units, evaluates one
// state afresh into the owner's SteamState and converts the chosen member back.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "props/saturation.h"
#include "props/steam_state.h"

namespace entalix::props {

// A selector gives a number, or the text "No such Para." for an unknown name.
using Selected = std::variant<double, std::string>;
inline constexpr std::string_view kNoSuchPara = "No such Para.";

// One calculation's access to the library. A screen's press owns one, and with
// it the SteamState through which every call evaluates; nothing is shared
// between owners and nothing is reused from one call to the next.
class SteamProperties {
public:
    double pswv_ptwtr(double p, double t);
    double pswv_ptstm(double p, double t);
    double pswh_ptwtr(double p, double t);
    double pswh_ptstm(double p, double t);
    double pswt_ph(double p, double h);
    double psws_ph(double p, double h);

    Selected pswA_ph(std::string_view name, double p, double h);
    Selected pswA_ps(std::string_view name, double p, double s);
    Selected pswA_ptwtr(std::string_view name, double p, double t);
    Selected pswA_ptstm(std::string_view name, double p, double t);

    double psw_effi_pt(double p1, double t1, double p2, double t2);
    double psw_effi_ph(double p1, double h1, double p2, double h2);
    double pswt2_ptpeffi(double p1, double t1, double p2, double effi);

    const SteamState& state() const { return state_; }

private:
    SteamState state_;
};

// The number a selector gave for a name it knows; PropertyError for the text.
double selected_number(const Selected& selected);

}  // namespace entalix::props
