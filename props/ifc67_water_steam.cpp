// Water and steam after IFC-67: MPa, degC and kJ outside, at and kcal in the
// equations. Arguments are divided by the factors on the way in, results
// multiplied on the way out.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <new>

#include "base/property_error.h"
#include "if97/backward.h"
#include "if97/state.h"
#include "ifc67/derivatives.h"
#include "ifc67/inverse.h"
#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/steam_state.h"
#include "ifc67/units.h"
#include "ifc67/water.h"
#include "props/ifc67_hs.h"
#include "props/implementations.h"
#include "props/more_properties.h"

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

// The last answer of one of the (p, h) and (p, s) searches, kept for the next
// call with the same arguments: a press asks one state for t, v, h and x in
// turn, and at high pressure the search behind it takes a thousand and more
// evaluations of the steam equations. The search is a function of its two
// arguments alone, so what is kept is what a new search would give, its
// failure included.
// A double's bits, so that a kept argument matches only the very same number
// (std::bit_cast, which the WebAssembly build's library lacks).
std::uint64_t bits_of(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

struct KeptInverse {
    std::uint64_t p_bits = 0;
    std::uint64_t y_bits = 0;
    bool held = false;
    SteamState state;
    std::exception_ptr failure;

    bool holds(double p, double y) const { return held && bits_of(p) == p_bits && bits_of(y) == y_bits; }
    void solve(void (*search)(SteamState&, double, double), double p, double y) {
        if (holds(p, y)) return;
        held = false;
        failure = nullptr;
        try {
            search(state, p, y);
        } catch (const PropertyError&) {
            failure = std::current_exception();
        }
        p_bits = bits_of(p);
        y_bits = bits_of(y);
        held = true;
    }
};

// Every call evaluates one state into state_ and converts the chosen member
// back; only the (p, h) and (p, s) searches are kept from one call to the next.
class Ifc67WaterSteam final : public WaterSteam {
public:
    Ifc67WaterSteam() : WaterSteam(Formulation::IFC67) {}
    bool solves_pairs() const override { return false; }

private:
    double sat_p(double t) override {
        if (!checking()) return ifc_pswsat_p(t);
        check_temperature(t);
        const double p = ifc_pswsat_p(t);
        check_pressure(p);
        marks().saturation = marks().saturation || reduced_temperature(t) > 1.0;
        return p;
    }

    double sat_t(double p) override {
        if (!checking()) return saturation_t(p);
        check_pressure(p);
        const double t = saturation_t(p);
        check_found_temperature(t);
        marks().saturation = marks().saturation || to_at(p) > kPc;
        return t;
    }

    double line_p(double t) override { return ifc_pswsat_p(t); }
    double line_t(double p) override { return saturation_t(p); }

    // The saturation temperature of the last few pressures asked: the checks
    // of one press ask it of the same pressures again and again, and above
    // the critical pressure, where the line is extrapolated, each answer takes
    // a hundred Newton steps. A failure is not kept: it is asked afresh.
    double saturation_t(double p) {
        const std::uint64_t bits = bits_of(p);
        for (const KeptLine& kept : kept_lines_)
            if (kept.held && kept.p_bits == bits) return kept.t;
        const double t = ifc_pswsat_t(p);
        kept_lines_[next_line_] = {bits, t, true};
        next_line_ = (next_line_ + 1) % kept_lines_.size();
        return t;
    }

    Selected pt(std::string_view name, double p, double t, Side side) override {
        side == Side::Water ? water(p, t) : steam(p, t);
        return chosen(name);
    }
    PropertySet pt_all(double p, double t, Side side) override {
        side == Side::Water ? water(p, t) : steam(p, t);
        const double pm = state_.p * kMPaPerAt;
        const double v = state_.v;
        const double h = to_kj(state_.h);
        const double s = to_kj(state_.s);
        if (state_.x > 0.0 && state_.x < 1.0) return wet_set(pm, state_.t, v, h, s, state_.x);
        const Derivatives67 d =
            state_.x == 0.0 ? ifc_derivatives_water(pm, state_.t) : ifc_derivatives_steam(pm, state_.t);
        return single_phase_set({pm, state_.t, v, h, d.cp, d.cv, d.w, d.kappa_t}, s, state_.x, checking(), marks());
    }
    Selected ph(std::string_view name, double p, double h) override {
        from_ph(p, h);
        return chosen(name);
    }
    Selected ps(std::string_view name, double p, double s) override {
        from_ps_kcal(p, to_kcal(s));
        return chosen(name);
    }
    Selected hs(std::string_view name, double h, double s) override {
        from_hs(h, s);
        return chosen(name);
    }

    // The named property of the state just evaluated: the six of the state
    // itself, or one that follows from the derivatives of its subregion's
    // equations (water x = 0, steam x = 1) or, wet, from the lever rule.
    Selected chosen(std::string_view name) {
        Selected own = select(state_, name);
        if (std::holds_alternative<double>(own) || !is_more_property(name)) return own;
        const double p = state_.p * kMPaPerAt;
        const double v = state_.v;
        const double h = to_kj(state_.h);
        if (state_.x > 0.0 && state_.x < 1.0) return wet_property(name, p, v, h);
        const Derivatives67 d =
            state_.x == 0.0 ? ifc_derivatives_water(p, state_.t) : ifc_derivatives_steam(p, state_.t);
        return more_property(name, {p, state_.t, v, h, d.cp, d.cv, d.w, d.kappa_t}, checking(), marks());
    }

    double effi_pt(double p1, double t1, double p2, double t2) override {
        check_expansion(p1, p2);
        steam(p1, t1);
        const double h1 = state_.h;
        const double s1 = state_.s;
        from_ps_kcal(p2, s1);
        const double h2s = state_.h;
        steam(p2, t2);
        // All three in kcal/kg: the unit cancels.
        return expansion_efficiency(h1, state_.h, h2s);
    }

    double effi_ph(double p1, double h1, double p2, double h2) override {
        check_expansion(p1, p2);
        from_ph(p1, h1);
        from_ps_kcal(p2, state_.s);
        return expansion_efficiency(finite(h1, "inlet enthalpy"), finite(h2, "outlet enthalpy"), to_kj(state_.h));
    }

    double t2_ptpeffi(double p1, double t1, double p2, double effi) override {
        check_expansion(p1, p2);
        check_efficiency(effi);
        steam(p1, t1);
        const double h1 = to_kj(state_.h);
        // The inlet entropy from the (p,h) inverse of the inlet, not from the evaluation above.
        from_ph(p1, h1);
        const double s1 = to_kj(state_.s);
        from_ps_kcal(p2, to_kcal(s1));
        const double h2s = to_kj(state_.h);
        const double h2 = finite(h1 + (h2s - h1) * (finite(effi, "efficiency") * 0.01), "outlet enthalpy");
        // An outlet in the wet region gives the saturation temperature at p2.
        from_ph(p2, h2);
        return state_.t;
    }

    FluidState pair(KnownPair, double, double) override {
        throw PropertyError("IFC-67 finds the state of a pair by its step lists");
    }

    void water(double p, double t) {
        if (checking()) {
            check_pressure(p);
            check_temperature(t);
        }
        ifc_pt_water(state_, to_at(p), t);
        if (checking()) marks().add({water_tier(t), 0, false});
    }

    void steam(double p, double t) {
        if (!checking()) return ifc_pt_steam(state_, to_at(p), t);
        check_pressure(p);
        check_temperature(t);
        // Refused before the evaluation where the equations mean nothing.
        const int tier = steam_tier(to_at(p), t);
        ifc_pt_steam(state_, to_at(p), t);
        marks().add({0, tier, false});
    }

    void from_ph(double p, double h) {
        if (checking()) check_pressure(p);
        searched(kept_ph_, ifc_ph, to_at(p), to_kcal(h));
        found();
    }

    void from_ps_kcal(double p, double s_kcal) {
        if (checking()) check_pressure(p);
        searched(kept_ps_, ifc_ps, to_at(p), s_kcal);
        found();
    }

    // The pair's IAPWS-IF97 state, within tenths of a kelvin of IFC-67's,
    // starts the search on IFC-67's own equations, on the side it lies. Near
    // the saturated-liquid line at low pressure the two formulations may
    // disagree on the side, or IAPWS-IF97 may find no state at all (h - T s
    // hardly changes with p there): the search then starts from water at
    // 1 MPa below the critical entropy, from steam at 0.1 MPa above it.
    void from_hs(double h, double s) {
        finite(h, "enthalpy");
        finite(s, "entropy");
        if97::State start;
        Hs67Start first = Hs67Start::Steam;
        try {
            start = if97::state_hs(h, s);
            first = start.region == if97::Region::four ? Hs67Start::Wet
                    : start.x == 0.0                   ? Hs67Start::Water
                                                       : Hs67Start::Steam;
        } catch (const PropertyError&) {
            const bool water = s < if97::kSc;
            start.p = water ? 1.0 : 0.1;
            start.t = water ? std::fmin(std::fmax(h / 4.19, 1.0), 350.0) : 200.0;
            first = water ? Hs67Start::Water : Hs67Start::Steam;
        }
        try {
            state_ = ifc67_state_hs(h, s, start.p, start.t, first);
        } catch (const PropertyError&) {
            // Inside the range, above 350 degC, the pair lies where neither
            // the water nor the steam equations hold: the near-critical region.
            if (checking())
                throw PropertyRefusal(start.t > kWaterEquationLimit && start.p <= kHighestPressure
                                          ? kMsgNearCritical
                                          : kMsgOutsideFormulation);
            throw;
        }
        if (checking()) check_pressure(state_.p * kMPaPerAt);
        found();
    }

    void searched(KeptInverse& kept, void (*search)(SteamState&, double, double), double p_at, double y) {
        kept.solve(search, p_at, y);
        if (kept.failure) std::rethrow_exception(kept.failure);
        state_ = kept.state;
    }

    // Checks and marks the state an inverse found.
    void found() {
        if (!checking()) return;
        check_found_temperature(state_.t);
        marks().add(extrapolation_of(state_));
    }

    struct KeptLine {
        std::uint64_t p_bits = 0;
        double t = 0.0;
        bool held = false;
    };
    std::array<KeptLine, 4> kept_lines_{};
    std::size_t next_line_ = 0;
    SteamState state_;
    KeptInverse kept_ph_;
    KeptInverse kept_ps_;
};

}  // namespace

std::unique_ptr<WaterSteam> make_ifc67_water_steam() { return std::make_unique<Ifc67WaterSteam>(); }

WaterSteam* build_ifc67_water_steam(void* storage) {
    static_assert(sizeof(Ifc67WaterSteam) <= WaterSteamFor::kCapacity &&
                  alignof(Ifc67WaterSteam) <= alignof(std::max_align_t));
    return new (storage) Ifc67WaterSteam();
}

}  // namespace entalix::props
