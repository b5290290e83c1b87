// Water and steam after IAPWS-IF97, whose library works in the public units:
// each call checked against the formulation's range (0-800 degC up to 100 MPa,
// 800-2000 degC up to 50 MPa) and marked where an equation gave a state past
// the saturation line (metastable).
#include <new>

#include "base/property_error.h"
#include "if97/point.h"
#include "if97/properties.h"
#include "if97/state.h"
#include "props/implementations.h"
#include "props/more_properties.h"

namespace entalix::props {
namespace {

constexpr if97::Phase vapour() { return if97::Phase::vapour; }

class If97WaterSteam final : public WaterSteam {
public:
    If97WaterSteam() : WaterSteam(Formulation::IF97) {}
    bool solves_pairs() const override { return true; }

private:
    // A call at (p, t): the range checked first, the state it kept marked.
    template <typename Call>
    auto at(double p, double t, Call call) {
        if (!checking()) return call();
        check_if97_state(p, t);
        auto result = call();
        mark(if97_.state());
        return result;
    }

    // An inverse at p: where it finds no state, none lies in the range.
    template <typename Call>
    auto inverse(double p, Call call) {
        if (!checking()) return call();
        check_pressure(p);
        try {
            return call();
        } catch (const PropertyRefusal&) {
            throw;
        } catch (const PropertyError&) {
            throw PropertyRefusal(kMsgOutsideIf97);
        }
    }

    double sat_p(double t) override {
        if (checking() && !(t >= kLowestTemperature && t <= kIf97CriticalTemperature))
            throw PropertyRefusal(kMsgIf97SaturationRange);
        return if97_.pswsat_p(t);
    }

    double sat_t(double p) override {
        if (checking() && !(p >= kIf97LowestSaturationPressure && p <= kIf97CriticalPressure))
            throw PropertyRefusal(kMsgIf97SaturationRange);
        return if97_.pswsat_t(p);
    }

    double line_p(double t) override { return if97::saturation_pressure_c(t); }

    double line_t(double p) override {
        if (!(finite(p, "pressure") > 0.0)) throw PropertyError("no saturation temperature at or below zero pressure");
        if (p > kIf97CriticalPressure) return kIf97CriticalTemperature;
        if (p < kIf97LowestSaturationPressure) return kLowestTemperature;
        return if97::saturation_temperature_c(p);
    }

    Selected pt(std::string_view name, double p, double t, Side side) override {
        Selected own =
            at(p, t, [&] { return side == Side::Water ? if97_.pswA_ptwtr(name, p, t) : if97_.pswA_ptstm(name, p, t); });
        return chosen(std::move(own), name);
    }
    PropertySet pt_all(double p, double t, Side side) override {
        at(p, t, [&] { return side == Side::Water ? if97_.pswA_ptwtr("v", p, t) : if97_.pswA_ptstm("v", p, t); });
        const if97::State& s = if97_.state();
        if (s.region == if97::Region::four && s.x > 0.0 && s.x < 1.0) return wet_set(s.p, s.t, s.v, s.h, s.s, s.x);
        const if97::Phase phase = s.x == 0.0 ? if97::Phase::liquid : vapour();
        const double T = s.t + 273.15;
        const if97::Region region = s.region == if97::Region::four ? if97::region_of(s.p, T, phase) : s.region;
        const if97::Point d = if97::point_in(region, s.p, T, phase);
        return single_phase_set({s.p, s.t, s.v, s.h, d.cp, d.cv, d.w, d.kappa_t}, s.s, s.x, checking(), marks());
    }
    Selected ph(std::string_view name, double p, double h) override {
        return chosen(inverse(p, [&] { return if97_.pswA_ph(name, p, h); }), name);
    }
    Selected ps(std::string_view name, double p, double s) override {
        return chosen(inverse(p, [&] { return if97_.pswA_ps(name, p, s); }), name);
    }
    // Every pair the range holds has its state; any other is outside it.
    Selected hs(std::string_view name, double h, double s) override {
        if (!checking()) return chosen(if97_.pswA_hs(name, h, s), name);
        try {
            return chosen(if97_.pswA_hs(name, h, s), name);
        } catch (const PropertyRefusal&) {
            throw;
        } catch (const PropertyError&) {
            throw PropertyRefusal(kMsgOutsideIf97);
        }
    }

    // The library's own answer for the six names; for a name beyond them it
    // has evaluated and kept the state, which more() then takes further.
    Selected chosen(Selected own, std::string_view name) {
        if (std::holds_alternative<double>(own) || !is_more_property(name)) return own;
        return more(name);
    }

    // A property beyond the six of the state just evaluated: from the
    // derivatives of its region's basic equation, in the region it was
    // evaluated in (a metastable state in the region of its side), or wet from
    // the lever rule.
    Selected more(std::string_view name) {
        const if97::State& s = if97_.state();
        if (s.region == if97::Region::four && s.x > 0.0 && s.x < 1.0) return wet_property(name, s.p, s.v, s.h);
        const if97::Phase side = s.x == 0.0 ? if97::Phase::liquid : vapour();
        const double T = s.t + 273.15;
        const if97::Region region = s.region == if97::Region::four ? if97::region_of(s.p, T, side) : s.region;
        const if97::Point d = if97::point_in(region, s.p, T, side);
        return more_property(name, {s.p, s.t, s.v, s.h, d.cp, d.cv, d.w, d.kappa_t}, checking(), marks());
    }

    double effi_pt(double p1, double t1, double p2, double t2) override {
        check_expansion(p1, p2);
        if (checking()) check_if97_state(p1, t1);
        const if97::State inlet = if97::state_pt_side(p1, t1, vapour());
        mark(inlet);
        const if97::State ideal = inverse(p2, [&] { return if97::state_ps(p2, inlet.s); });
        if (checking()) check_if97_state(p2, t2);
        const if97::State outlet = if97::state_pt_side(p2, t2, vapour());
        mark(outlet);
        return expansion_efficiency(inlet.h, outlet.h, ideal.h);
    }

    double effi_ph(double p1, double h1, double p2, double h2) override {
        check_expansion(p1, p2);
        const if97::State inlet = inverse(p1, [&] { return if97::state_ph(p1, h1); });
        const if97::State ideal = inverse(p2, [&] { return if97::state_ps(p2, inlet.s); });
        return expansion_efficiency(finite(h1, "inlet enthalpy"), finite(h2, "outlet enthalpy"), ideal.h);
    }

    double t2_ptpeffi(double p1, double t1, double p2, double effi) override {
        check_expansion(p1, p2);
        check_efficiency(effi);
        if (checking()) check_if97_state(p1, t1);
        const if97::State inlet = if97::state_pt_side(p1, t1, vapour());
        mark(inlet);
        const if97::State ideal = inverse(p2, [&] { return if97::state_ps(p2, inlet.s); });
        const double h2 = finite(inlet.h + (ideal.h - inlet.h) * (effi * 0.01), "outlet enthalpy");
        // An outlet in the wet region gives the saturation temperature at p2.
        return inverse(p2, [&] { return if97::state_ph(p2, h2); }).t;
    }

    // On the saturation line itself a (p, t) state counts as steam.
    FluidState pair(KnownPair pair, double a, double b) override {
        const if97::State s = [&] {
            switch (pair) {
                case KnownPair::PT:
                    return if97::state_pt(a, b, vapour());
                case KnownPair::PH:
                    return if97::state_ph(a, b);
                case KnownPair::PS:
                    return if97::state_ps(a, b);
                case KnownPair::PV:
                    return if97::state_pv(a, b);
                case KnownPair::PX:
                    return if97::state_px(a, b);
                case KnownPair::TH:
                    return if97::state_th(a, b);
                case KnownPair::TS:
                    return if97::state_ts(a, b);
                case KnownPair::TV:
                    return if97::state_tv(a, b);
                case KnownPair::TX:
                    break;
            }
            return if97::state_tx(a, b);
        }();
        return FluidState{s.p, s.t, s.v, s.h, s.s, s.x};
    }

    void mark(const if97::State& state) {
        if (checking() && state.extrapolated) marks().metastable = true;
    }

    if97::If97Properties if97_;
};

}  // namespace

std::unique_ptr<WaterSteam> make_if97_water_steam() { return std::make_unique<If97WaterSteam>(); }

WaterSteam* build_if97_water_steam(void* storage) {
    static_assert(sizeof(If97WaterSteam) <= WaterSteamFor::kCapacity &&
                  alignof(If97WaterSteam) <= alignof(std::max_align_t));
    return new (storage) If97WaterSteam();
}

}  // namespace entalix::props
