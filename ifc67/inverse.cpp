// ifc_ph and ifc_ps: the state of water or steam from pressure with enthalpy or
// entropy. Wet steam by the lever rule; compressed water and superheated steam by
// searching the temperature on the forward equations of subregions 1 and 2.
#include "ifc67/inverse.h"

#include <cmath>

#include "base/elementary.h"
#include "base/property_error.h"
#include "ifc67/iteration.h"
#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "ifc67/water.h"

namespace entalix::props {
namespace {

// Tolerances of the searches, in core units.
inline constexpr double kWaterEnthalpyTolerance = 0.001;  // kcal/kg
inline constexpr double kWaterEntropyTolerance = 5e-6;    // kcal/(kg K)
inline constexpr double kSteamEnthalpyTolerance = 0.005;  // kcal/kg
inline constexpr double kSteamEntropyTolerance = 1e-6;    // kcal/(kg K)

// Between 1 K below saturation and 2600 degC the subregion 2 enthalpy and entropy
// rise with temperature at every pressure up to 201.36 at: they peak near 2612 degC,
// and below saturation the extrapolated vapour turns back within some 10 K at high
// pressure. A root outside this band is a second, unphysical solution of the equations.
inline constexpr double kBelowSaturationMargin = 1.0;  // K
inline constexpr double kRisingLimit = 2600.0;         // degC

// Saturated liquid and vapour at the given pressure: the two ends of the wet region.
struct SaturationEnds {
    double ts;
    SteamState liquid;
    SteamState vapour;
};

SaturationEnds saturation_ends(double p) {
    SaturationEnds ends{};
    ends.ts = ifc_sat_t(p);
    // Above 201.36 at the liquid equations fail at saturation: no region test possible.
    ifc_pt_water(ends.liquid, p, ends.ts);
    ifc_pt_steam(ends.vapour, p, ends.ts);
    return ends;
}

double lever(double liquid, double vapour, double x) { return liquid + (vapour - liquid) * x; }

SteamState water_at(double p, double t) {
    SteamState state;
    ifc_pt_water(state, p, t);
    return state;
}

SteamState steam_at(const SteamIsobar& isobar, double t) {
    SteamState state;
    ifc_pt_steam(state, isobar, t);
    return state;
}

// How the superheated search drives one property: a correlation turns the guess
// variable g into a temperature; g starts from the given value or from an estimate
// at saturation, whichever is larger.
struct SteamSearch {
    double target;
    Member member;
    double g_start;
    double g_saturated;
    double relaxation;
    double tolerance;
};

// The superheated state. The correlation-and-secant search stands whenever it
// reaches the physical root; its unguarded steps can leave the domain of the
// equations near saturation, or settle on the unphysical root thousands of kelvin
// too high, and then a search bracketed by saturation and kRisingLimit takes over.
template <typename TemperatureGuess>
SteamState find_superheated(double p, const SteamSearch& search, const SaturationEnds& ends, TemperatureGuess t_of_g) {
    // Every step of a search lies on the one isobar: its logarithm is taken once.
    const SteamIsobar isobar = ifc_steam_isobar(p);
    try {
        const auto at_guess = [&](double g) { return steam_at(isobar, t_of_g(g)); };
        const bool from_start =
            finite(search.g_saturated, "saturation estimate") < finite(search.g_start, "start guess");
        // Starting at saturation reuses the saturated vapour already evaluated.
        const SteamState steam =
            from_start ? relaxed_secant_search(at_guess, search.g_start, at_guess(search.g_start), search.target,
                                               search.member, search.relaxation, search.tolerance)
                       : relaxed_secant_search(at_guess, search.g_saturated, ends.vapour, search.target, search.member,
                                               search.relaxation, search.tolerance);
        if (steam.t >= ends.ts - kBelowSaturationMargin && steam.t <= kRisingLimit) return steam;
    } catch (const PropertyError&) {
        // A guess outside the equations' domain, a flat secant or no convergence.
    }
    const SteamState top = steam_at(isobar, kRisingLimit);
    if (top.*search.member < search.target) {
        if (search.target - top.*search.member < search.tolerance) return top;
        throw PropertyError("beyond the superheated-steam range of the equations");
    }
    return bracketed_search([&](double t) { return steam_at(isobar, t); }, ends.ts, ends.vapour.*search.member,
                            kRisingLimit, top.*search.member, search.target, search.member, search.tolerance);
}

}  // namespace

void ifc_ph(SteamState& state, double p, double h) {
    finite(p, "pressure");
    finite(h, "enthalpy");
    const SaturationEnds ends = saturation_ends(p);

    if (h <= ends.liquid.h) {
        // Start at 0.9189 degC per kcal/kg; correct with an assumed cp of 1 kcal/(kg K).
        const SteamState w = fixed_gain_search([p](double t) { return water_at(p, t); }, 0.9189 * h, h, &SteamState::h,
                                               1.0, kWaterEnthalpyTolerance);
        state = SteamState{p, w.t, w.v, h, w.s, 0.0};
    } else if (h <= ends.vapour.h) {
        // Equal to h'' is still wet steam, with x = 1 exactly.
        const double x = (h - ends.liquid.h) / (ends.vapour.h - ends.liquid.h);
        state = SteamState{
            p, ends.ts, lever(ends.liquid.v, ends.vapour.v, x), h, lever(ends.liquid.s, ends.vapour.s, x), x};
    } else {
        // Correlation in g = h/1000 (h in kcal/kg), independent of pressure:
        // T/1000 = sqrt(g/0.085 - 0.96685) - 2.2035.
        const double tau = (ends.ts + kKelvinOffset) / 1000.0;
        const double root = 0.085 * tau + 0.1837;
        const SteamSearch search{h,      &SteamState::h,         h / 1000.0, root * root / 0.085 + 0.08218,
                                 0.0002, kSteamEnthalpyTolerance};
        const SteamState st = find_superheated(p, search, ends, [](double g) {
            return 1000.0 * (fractional_pow(g / 0.085 - 0.96685, 0.5, "enthalpy guess") - 2.2035) - kKelvinOffset;
        });
        state = SteamState{p, st.t, st.v, h, st.s, 1.0};
    }
}

void ifc_ps(SteamState& state, double p, double s) {
    finite(p, "pressure");
    finite(s, "entropy");
    const SaturationEnds ends = saturation_ends(p);

    if (s <= ends.liquid.s) {
        // Start at 376 K per kcal/(kg K): ds = cp dT / T with cp = 1 near T = 376 K.
        // The entropy stored is the evaluated one, within the tolerance of s.
        const SteamState w = fixed_gain_search([p](double t) { return water_at(p, t); }, 376.0 * s, s, &SteamState::s,
                                               376.0, kWaterEntropyTolerance);
        state = SteamState{p, w.t, w.v, w.h, w.s, 0.0};
    } else if (s <= ends.vapour.s) {
        const double x = (s - ends.liquid.s) / (ends.vapour.s - ends.liquid.s);
        state = SteamState{p, ends.ts, lever(ends.liquid.v, ends.vapour.v, x), lever(ends.liquid.h, ends.vapour.h, x),
                           s, x};
    } else {
        // Correlation in g = s (kcal/(kg K)): T/1000 = exp(2.6696 (g - 1.44)) (p/1000)^0.2943.
        const double ln_p = finite(elementary::log(p / 1000.0), "ln p");
        const double tau = (ends.ts + kKelvinOffset) / 1000.0;
        const SteamSearch search{s,   &SteamState::s,        s, 1.44 + 0.3746 * elementary::log(tau) - 0.1102 * ln_p,
                                 0.8, kSteamEntropyTolerance};
        const SteamState st = find_superheated(p, search, ends, [ln_p](double g) {
            return finite(1000.0 * elementary::exp(2.6696 * (g - 1.44) + 0.2943 * ln_p), "entropy guess") -
                   kKelvinOffset;
        });
        state = SteamState{p, st.t, st.v, st.h, s, 1.0};
    }
}

}  // namespace entalix::props
