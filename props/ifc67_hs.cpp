// IFC-67 states from (h, s). The single-phase states by Newton on (p, t): with
// dh = T ds + v dp and ds = cp dT / T - v alpha_v dp the steps are closed
// forms in cp and alpha_v of the equation's own derivatives. The wet states by
// Newton in t along the saturation line, where the lever-rule h at the given
// s rises with t by about (s - s') + v' dp/dT (Clapeyron). Every iteration is
// bounded, and a start from the IAPWS-IF97 state of the pair (the two
// formulations differ by tenths of a kelvin) settles in a few steps.
#include "props/ifc67_hs.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/property_error.h"
#include "ifc67/derivatives.h"
#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "ifc67/water.h"

namespace entalix::props {
namespace {

constexpr int kMaxNewton = 40;
constexpr int kMaxWet = 100;
// The saturation line of IFC-67 ends at its critical temperature.
constexpr double kCriticalC = kTc - kKelvinOffset;
// v in m3/kg times MPa gives 1000 kJ/kg.
constexpr double kKJPerMPaM3 = 1000.0;

double at_of(double p_mpa) { return p_mpa / kMPaPerAt; }

// One side's equations at (p MPa, t degC), in kJ units; nothing where they fail.
struct Side67 {
    SteamState state;  // core units
    double h = 0.0;    // kJ/kg
    double s = 0.0;    // kJ/(kg K)
};

std::optional<Side67> side_at(bool water, double p, double t) {
    try {
        Side67 out;
        water ? ifc_pt_water(out.state, at_of(p), t) : ifc_pt_steam(out.state, at_of(p), t);
        out.h = out.state.h * kKJPerKcal;
        out.s = out.state.s * kKJPerKcal;
        if (!std::isfinite(out.h) || !std::isfinite(out.s) || !(out.state.v > 0.0)) return std::nullopt;
        return out;
    } catch (const PropertyError&) {
        return std::nullopt;
    }
}

// Whether (p, t) lies on the side of the saturation line its equation is for;
// above the critical temperature either side's equation may hold.
bool on_its_side(bool water, double p, double t) {
    if (!(p > 0.0)) return false;
    if (t >= kCriticalC) return true;
    const double psat = ifc_pswsat_p(t);
    return water ? p >= psat * (1.0 - 1e-9) : p <= psat * (1.0 + 1e-9);
}

std::optional<SteamState> single(bool water, double h, double s, double p, double t) {
    try {
        for (int step = 0; step < kMaxNewton; ++step) {
            const auto at = side_at(water, p, t);
            if (!at) return std::nullopt;
            const Derivatives67 d = water ? ifc_derivatives_water(p, t) : ifc_derivatives_steam(p, t);
            const double T = t + kKelvinOffset;
            const double dh = h - at->h;
            const double ds = s - at->s;
            // In compressed water at low pressure p hardly moves h - T s:
            // the rounding of the equations moves the steps in p more than
            // any tolerance on them, while h and s already match.
            // The water equations round h to about 1e-10 kJ/kg.
            if (std::fabs(dh) <= 1e-9 * std::fmax(std::fabs(h), 100.0) &&
                std::fabs(ds) <= 1e-11 * std::fmax(std::fabs(s), 1.0)) {
                if (!on_its_side(water, p, t)) return std::nullopt;
                SteamState out = at->state;
                out.x = water ? 0.0 : 1.0;
                return out;
            }
            double dp = (dh - T * ds) / (kKJPerMPaM3 * at->state.v);
            double dt = T * ((1.0 - T * d.alpha_v) * ds + d.alpha_v * dh) / d.cp;
            if (!std::isfinite(dp) || !std::isfinite(dt)) return std::nullopt;
            const bool small = std::fabs(dp) <= 1e-10 * p && std::fabs(dt) <= 1e-9 * T;
            dp = std::fmin(std::fmax(dp, -0.5 * p), p);
            dt = std::fmin(std::fmax(dt, -50.0), 50.0);
            p += dp;
            t += dt;
            if (small) {
                const auto last = side_at(water, p, t);
                if (!last || !on_its_side(water, p, t)) return std::nullopt;
                SteamState out = last->state;
                out.x = water ? 0.0 : 1.0;
                return out;
            }
        }
    } catch (const PropertyError&) {
        // Derivatives where the equations give no real fluid: no state there.
    }
    return std::nullopt;
}

std::optional<SteamState> wet(double h, double s, double t0) {
    double lo = 0.0;
    double hi = kCriticalC;
    double t = t0 > lo && t0 < hi ? t0 : 100.0;
    const double tolerance = 1e-11 * std::fmax(std::fabs(h), 1.0);
    for (int step = 0; step < kMaxWet; ++step) {
        const double p = ifc_pswsat_p(t);
        const auto liquid = side_at(true, p, t);
        const auto vapour = liquid ? side_at(false, p, t) : std::nullopt;
        double next = 0.0;
        if (!liquid || !vapour || !(vapour->s > liquid->s) || s < liquid->s || s > vapour->s) {
            // Too hot for a wet state of this s, or past where the liquid
            // equations reach the saturation line.
            hi = t;
            next = 0.5 * (lo + hi);
        } else {
            const double ds = vapour->s - liquid->s;
            const double x = (s - liquid->s) / ds;
            const double miss = liquid->h + x * (vapour->h - liquid->h) - h;
            if (std::fabs(miss) <= tolerance) {
                const SteamState& l = liquid->state;
                const SteamState& v = vapour->state;
                return SteamState{l.p, t, l.v + x * (v.v - l.v), l.h + x * (v.h - l.h), s / kKJPerKcal, x};
            }
            (miss > 0.0 ? hi : lo) = t;
            const double slope = (s - liquid->s) + liquid->state.v * ds / (vapour->state.v - liquid->state.v);
            next = t - miss / slope;
            if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        }
        if (!(hi - lo > 1e-11 * (hi + kKelvinOffset))) break;
        t = next;
    }
    return std::nullopt;
}

}  // namespace

SteamState ifc67_state_hs(double h, double s, double p0, double t0, Hs67Start first) {
    finite(h, "enthalpy");
    finite(s, "entropy");
    const auto water = [&] { return single(true, h, s, p0, t0); };
    const auto steam = [&] { return single(false, h, s, p0, t0); };
    const auto mixed = [&] { return wet(h, s, t0); };
    std::optional<SteamState> found;
    switch (first) {
        case Hs67Start::Water:
            if (!(found = water()) && !(found = mixed())) found = steam();
            break;
        case Hs67Start::Wet:
            if (!(found = mixed()) && !(found = water())) found = steam();
            break;
        case Hs67Start::Steam:
            if (!(found = steam()) && !(found = mixed())) found = water();
            break;
    }
    if (!found)
        throw PropertyError("no IFC-67 state with h = " + std::to_string(h) + " kJ/kg and s = " + std::to_string(s) +
                            " kJ/(kg K)");
    return *found;
}

}  // namespace entalix::props
