// Public property functions in MPa, degC, kJ/kg and kJ/(kg K).
// Each call converts its arguments to the core's technical units, evaluates one
// state afresh into the owner's SteamState and converts the chosen member back.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "if97/properties.h"
#include "props/formulation.h"
#include "props/saturation.h"
#include "props/steam_state.h"
#include "props/validity.h"

namespace entalix::props {

// A selector gives a number, or the text "No such Para." for an unknown name.
using Selected = std::variant<double, std::string>;
inline constexpr std::string_view kNoSuchPara = "No such Para.";

// One calculation's access to the library. A screen's press owns one, and with
// it the SteamState through which every call evaluates; nothing is shared
// between owners and nothing is reused from one call to the next.
//
// Every call checks that its state lies in the range of the formulation
// (0-800 degC, pressures up to 100 MPa) and fails with PropertyRefusal where
// it does not. A result that an equation gave beyond the range where it is
// valid is marked: the object gathers the marks of its calls, and its
// warning() says what they mean, so that every caller can show it.
//
// The formulation is chosen at construction: by default the one of the running
// calculation (current_formulation()). With IAPWS-IF97 every call goes to
// if97::If97Properties, in the same units; its range (0-800 degC up to
// 100 MPa, 800-2000 degC up to 50 MPa) is checked as IFC-67's is, and a state
// that an equation gave past the saturation line (metastable) is marked.
class SteamProperties {
public:
    SteamProperties() : SteamProperties(current_formulation()) {}
    explicit SteamProperties(Formulation formulation) : formulation_(formulation) {}
    Formulation formulation() const { return formulation_; }

    // The saturation line, range-checked and marked beyond the critical point.
    // (The free pswsat_p and pswsat_t are the bare line, for region tests.)
    double pswsat_p(double t);
    double pswsat_t(double p);

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

    // The state of the last call, in the core units of IFC-67 (at, kcal); with
    // IAPWS-IF97 that of if97_state() instead.
    const SteamState& state() const { return state_; }
    const if97::State& if97_state() const { return if97_.state(); }

    // Off: the calls neither check the range nor mark, nor refuse the
    // near-critical region. For evaluations that test a region or probe a
    // scan, which nobody is shown; on by default.
    void set_checking(bool on) { checking_ = on; }
    bool checking() const { return checking_; }

    // The extrapolations of the calls since construction or the last clear.
    const Extrapolation& extrapolation() const { return extrapolation_; }
    std::string warning() const { return warning_text(extrapolation_); }
    void clear_extrapolation() { extrapolation_ = {}; }

private:
    void water(double p, double t);  // public units in, checked, marked
    void steam(double p, double t);
    void from_ph(double p, double h);
    void from_ps(double p, double s);
    void from_ps_kcal(double p, double s_kcal);  // the entropy already in core units
    void found();                                // checks and marks the state an inverse found

    // IAPWS-IF97: a call at (p, t) checked and marked, an inverse at p checked.
    bool if97() const { return formulation_ == Formulation::IF97; }
    template <typename Call>
    auto if97_at(double p, double t, Call call);
    template <typename Call>
    auto if97_inverse(double p, Call call);
    void if97_mark(const if97::State& state);
    double if97_saturation_p(double t);
    double if97_saturation_t(double p);
    double if97_effi_pt(double p1, double t1, double p2, double t2);
    double if97_effi_ph(double p1, double h1, double p2, double h2);
    double if97_t2_ptpeffi(double p1, double t1, double p2, double effi);

    Formulation formulation_;
    if97::If97Properties if97_;
    SteamState state_;
    Extrapolation extrapolation_;
    bool checking_ = true;
};

// The number a selector gave for a name it knows; PropertyError for the text.
double selected_number(const Selected& selected);

}  // namespace entalix::props
