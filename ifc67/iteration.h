// The three searches of the (p,h) and (p,s) inverses, apart from the physics they
// search in: each evaluates a SteamState per step, stops when the chosen member is
// within tolerance of its target, and fails after kMaxCorrections corrections.
#pragma once

#include <cmath>

#include "base/property_error.h"
#include "ifc67/steam_state.h"

namespace entalix::props {

// The property a search drives to its target (&SteamState::h or &SteamState::s).
using Member = double SteamState::*;

// One secant step towards target through (g_prev, y_prev) and (g, y).
// Two points of equal y give no step: PropertyError.
inline double secant_step(double g_prev, double y_prev, double g, double y, double target) {
    if (y == y_prev) throw PropertyError("secant step through two points of equal value");
    return finite(g_prev + (target - y_prev) * (g - g_prev) / (y - y_prev), "secant step");
}

// t += gain * (target - y(t)) from t0: a Newton step with an assumed constant slope
// 1/gain. Returns the last evaluation.
template <typename Evaluate>
SteamState fixed_gain_search(Evaluate evaluate, double t0, double target, Member member, double gain,
                             double tolerance) {
    double t = finite(t0, "start temperature");
    for (int corrections = 0;; ++corrections) {
        const SteamState state = evaluate(t);
        const double miss = target - state.*member;
        if (std::fabs(miss) < tolerance) return state;
        if (corrections == kMaxCorrections) throw PropertyError("temperature search does not converge");
        t = finite(t + gain * miss, "corrected temperature");
    }
}

// Search on a guess variable g that evaluate(g) turns into a state: from (g0, state0)
// one relaxation step g += relaxation * (target - y), then secant steps.
template <typename EvaluateAtGuess>
SteamState relaxed_secant_search(EvaluateAtGuess evaluate, double g0, const SteamState& state0, double target,
                                 Member member, double relaxation, double tolerance) {
    SteamState state = state0;
    double g = g0;
    double g_prev = 0.0;
    double y_prev = 0.0;
    for (int corrections = 0;; ++corrections) {
        const double y = state.*member;
        if (std::fabs(target - y) < tolerance) return state;
        if (corrections == kMaxCorrections) throw PropertyError("guess search does not converge");
        const double g_new = corrections == 0 ? finite(g + relaxation * (target - y), "relaxed guess")
                                              : secant_step(g_prev, y_prev, g, y, target);
        g_prev = g;
        y_prev = y;
        g = g_new;
        state = evaluate(g);
    }
}

// Regula falsi (Illinois variant) on t in [t_lo, t_hi], where y rises with t and
// y(t_lo) < target <= y(t_hi): never leaves the bracket, so it finds the root inside.
template <typename Evaluate>
SteamState bracketed_search(Evaluate evaluate, double t_lo, double y_lo, double t_hi, double y_hi, double target,
                            Member member, double tolerance) {
    double f_lo = y_lo - target;
    double f_hi = y_hi - target;
    if (!(f_lo < 0.0 && f_hi >= 0.0)) throw PropertyError("target outside the bracket");
    int kept = 0;  // +1: the upper end stayed in the last step, -1: the lower end
    for (int corrections = 0;; ++corrections) {
        const double t = t_hi - f_hi * (t_hi - t_lo) / (f_hi - f_lo);
        const SteamState state = evaluate(t);
        const double f = state.*member - target;
        if (std::fabs(f) < tolerance) return state;
        if (corrections == kMaxCorrections) throw PropertyError("bracketed search does not converge");
        // Halving the value kept twice in a row keeps the convergence superlinear.
        if (f < 0.0) {
            t_lo = t;
            f_lo = f;
            if (kept == +1) f_hi *= 0.5;
            kept = +1;
        } else {
            t_hi = t;
            f_hi = f;
            if (kept == -1) f_lo *= 0.5;
            kept = -1;
        }
    }
}

}  // namespace entalix::props
