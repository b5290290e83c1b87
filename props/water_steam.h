// Water and steam of one formulation, as one press asks for it: the public
// property functions in MPa, degC, kJ/kg and kJ/(kg K), behind one interface
// with an IFC-67 and an IAPWS-IF97 implementation.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "props/formulation.h"
#include "props/more_properties.h"
#include "props/validity.h"

namespace entalix::props {

// A selector gives a number, or the text "No such Para." for an unknown name.
using Selected = std::variant<double, std::string>;
inline constexpr std::string_view kNoSuchPara = "No such Para.";

// A state found from a pair of known quantities, in public units; x the
// vapour fraction 0 to 1.
struct FluidState {
    double p = 0.0;
    double t = 0.0;
    double v = 0.0;
    double h = 0.0;
    double s = 0.0;
    double x = 0.0;
};

// The names the selectors know beyond p, t, v, h, s and x (props/more_properties.h):
// rho, u, cp, cv, w, kappa, mu, lambda, nu and Pr, of a single-phase state; of a
// wet state rho and u alone.

// The pairs a state can be found from, first quantity p or t.
enum class KnownPair { PT, PH, PS, PV, PX, TH, TS, TV, TX };

// One press's water and steam. The host builds one per press, for the
// formulation the user chose, and hands it to the event: there is no other
// way to a property, so a press cannot compute in a formulation it was not
// given. The object records whether anything was asked of it, which decides
// whether a result names its formulation.
//
// Every checked call refuses a state outside the range of the formulation
// (PropertyRefusal) and marks a result that an equation gave beyond the range
// where it is valid: the object gathers the marks of its calls, and warning()
// says what they mean, so that every caller can show it.
class WaterSteam {
public:
    virtual ~WaterSteam() = default;
    WaterSteam(const WaterSteam&) = delete;
    WaterSteam& operator=(const WaterSteam&) = delete;

    Formulation formulation() {
        used_ = true;
        return formulation_;
    }
    // Whether the press asked anything of its water and steam.
    bool used() const { return used_; }

    // The saturation line, range-checked and marked beyond the critical point.
    double pswsat_p(double t) { return use().sat_p(t); }
    double pswsat_t(double p) { return use().sat_t(p); }
    // The bare line, for region tests, never checked. IAPWS-IF97 has no line
    // beyond its critical point: saturation_line_p fails there, while
    // saturation_line_t gives the critical temperature above the critical
    // pressure (where both sides' equations give the one fluid) and 0 degC
    // below 611.213 Pa (where no liquid exists from 0 degC up), so that a test
    // "t below the saturation temperature: water" keeps its meaning.
    double saturation_line_p(double t) { return use().line_p(t); }
    double saturation_line_t(double p) { return use().line_t(p); }

    double pswv_ptwtr(double p, double t) { return number(use().pt("v", p, t, Side::Water)); }
    double pswv_ptstm(double p, double t) { return number(use().pt("v", p, t, Side::Steam)); }
    double pswh_ptwtr(double p, double t) { return number(use().pt("h", p, t, Side::Water)); }
    double pswh_ptstm(double p, double t) { return number(use().pt("h", p, t, Side::Steam)); }
    double pswt_ph(double p, double h) { return number(use().ph("t", p, h)); }
    double psws_ph(double p, double h) { return number(use().ph("s", p, h)); }

    // Each selector evaluates first, so a failing state fails whatever the name.
    Selected pswA_ph(std::string_view name, double p, double h) { return use().ph(name, p, h); }
    Selected pswA_ps(std::string_view name, double p, double s) { return use().ps(name, p, s); }
    // The state of a given enthalpy and entropy, as read off the h-s chart:
    // single phase, or wet with its saturation pressure and temperature.
    Selected pswA_hs(std::string_view name, double h, double s) { return use().hs(name, h, s); }
    double pswp_hs(double h, double s) { return number(use().hs("p", h, s)); }
    double pswt_hs(double h, double s) { return number(use().hs("t", h, s)); }
    Selected pswA_ptwtr(std::string_view name, double p, double t) { return use().pt(name, p, t, Side::Water); }
    Selected pswA_ptstm(std::string_view name, double p, double t) { return use().pt(name, p, t, Side::Steam); }

    // Every property of the state at (p, t) on the water or the steam side in
    // one evaluation: the state and its region's derivatives once, the
    // viscosity once. Refuses as the selectors do; a wet state (the
    // saturation line itself, IFC-67) gives the lever-rule members alone.
    PropertySet pswA_ptwtr_all(double p, double t) { return use().pt_all(p, t, Side::Water); }
    PropertySet pswA_ptstm_all(double p, double t) { return use().pt_all(p, t, Side::Steam); }

    // The saturated states at t (degC) or at p (MPa absolute): p, t; v1, rho1,
    // h1, s1, cp1, w1, mu1, lambda1 of the saturated water and the same with 2
    // of the saturated steam; the latent heat r = h2 - h1 (kJ/kg); sigma, the
    // surface tension (N/m). The line is evaluated first, so a failing state
    // fails whatever the name.
    Selected pswA_sat_t(std::string_view name, double t) { return use().saturated(name, sat_p(t), t); }
    Selected pswA_sat_p(std::string_view name, double p) {
        use();
        const double t = sat_t(p);
        return saturated(name, p, t);
    }
    // The surface tension of water against its vapour at t on the saturation line, N/m.
    double pswsigma_t(double t) { return use().sigma(t); }

    double psw_effi_pt(double p1, double t1, double p2, double t2) { return use().effi_pt(p1, t1, p2, t2); }
    double psw_effi_ph(double p1, double h1, double p2, double h2) { return use().effi_ph(p1, h1, p2, h2); }
    double pswt2_ptpeffi(double p1, double t1, double p2, double effi) { return use().t2_ptpeffi(p1, t1, p2, effi); }

    // Whether the formulation finds the state of any pair straight from its
    // own inverses (IAPWS-IF97), where IFC-67 has its step lists.
    virtual bool solves_pairs() const = 0;
    // That state, unchecked: PropertyError where the formulation holds none.
    FluidState pair_state(KnownPair pair, double a, double b) { return use().pair(pair, a, b); }

    // Off: the calls neither check the range nor mark, nor refuse the
    // near-critical region. For evaluations that test a region or probe a
    // scan, which nobody is shown; on when built.
    void set_checking(bool on) { checking_ = on; }
    bool checking() const { return checking_; }

    // The extrapolations of the calls since construction or the last clear.
    const Extrapolation& extrapolation() const { return extrapolation_; }
    std::string warning() const { return warning_text(extrapolation_); }
    void clear_extrapolation() { extrapolation_ = {}; }

protected:
    explicit WaterSteam(Formulation formulation) : formulation_(formulation) {}
    enum class Side { Water, Steam };

    virtual double sat_p(double t) = 0;
    virtual double sat_t(double p) = 0;
    virtual double line_p(double t) = 0;
    virtual double line_t(double p) = 0;
    // The state on one side of (p, t), or from (p, h), (p, s); then the named member.
    virtual Selected pt(std::string_view name, double p, double t, Side side) = 0;
    virtual Selected ph(std::string_view name, double p, double h) = 0;
    virtual PropertySet pt_all(double p, double t, Side side) = 0;
    virtual Selected ps(std::string_view name, double p, double s) = 0;
    virtual Selected hs(std::string_view name, double h, double s) = 0;
    virtual double effi_pt(double p1, double t1, double p2, double t2) = 0;
    virtual double effi_ph(double p1, double h1, double p2, double h2) = 0;
    virtual double t2_ptpeffi(double p1, double t1, double p2, double effi) = 0;
    virtual FluidState pair(KnownPair pair, double a, double b) = 0;

    Extrapolation& marks() { return extrapolation_; }

private:
    WaterSteam& use() {
        used_ = true;
        return *this;
    }
    static double number(const Selected& selected);
    Selected saturated(std::string_view name, double p, double t);
    double sigma(double t);

    Formulation formulation_;
    Extrapolation extrapolation_;
    bool checking_ = true;
    bool used_ = false;
};

// The water and steam of a formulation, for one press or one call, on the heap.
std::unique_ptr<WaterSteam> make_water_steam(Formulation formulation);

// The same held in place, without the heap: what a press or a call of the
// command line builds (a batch line costs a few thousand instructions; an
// allocation would be a tenth of them).
class WaterSteamFor {
public:
    explicit WaterSteamFor(Formulation formulation);
    ~WaterSteamFor() { object_->~WaterSteam(); }
    WaterSteamFor(const WaterSteamFor&) = delete;
    WaterSteamFor& operator=(const WaterSteamFor&) = delete;
    WaterSteam& operator*() const { return *object_; }
    WaterSteam* operator->() const { return object_; }

    // Room for either implementation; each checks that it fits.
    static constexpr std::size_t kCapacity = 512;

private:
    alignas(std::max_align_t) unsigned char storage_[kCapacity];
    WaterSteam* object_;
};

// The number a selector gave for a name it knows; PropertyError for the text.
double selected_number(const Selected& selected);

// What both implementations share: the isentropic efficiency in percent from
// the inlet, outlet and isentropic outlet enthalpies, and the checks of an
// expansion's pressures and efficiency.
double expansion_efficiency(double h1, double h2, double h2s);
void check_expansion(double p1, double p2);
void check_efficiency(double effi);

}  // namespace entalix::props
