// A reduced quantity with its two partial derivatives, carried through the subregion
// equations by the chain rule, and the public derivatives made from chi and epsilon.
#pragma once

#include <cmath>
#include <string>

#include "base/elementary.h"
#include "base/property_error.h"
#include "ifc67/derivatives.h"
#include "ifc67/units.h"

namespace entalix::props {

// Value with d/dbeta (theta held) and d/dtheta (beta held). Every operation applies
// the chain rule exactly, so the partials are those of the closed expressions, with
// no step size and only rounding error.
struct Dual {
    double v = 0.0;
    double db = 0.0;
    double dt = 0.0;

    static Dual beta(double value) { return {value, 1.0, 0.0}; }
    static Dual theta(double value) { return {value, 0.0, 1.0}; }
};

inline Dual operator+(const Dual& x, const Dual& y) { return {x.v + y.v, x.db + y.db, x.dt + y.dt}; }
inline Dual operator-(const Dual& x, const Dual& y) { return {x.v - y.v, x.db - y.db, x.dt - y.dt}; }
inline Dual operator-(const Dual& x) { return {-x.v, -x.db, -x.dt}; }
inline Dual operator*(const Dual& x, const Dual& y) {
    return {x.v * y.v, x.db * y.v + x.v * y.db, x.dt * y.v + x.v * y.dt};
}
inline Dual operator+(const Dual& x, double c) { return {x.v + c, x.db, x.dt}; }
inline Dual operator+(double c, const Dual& x) { return x + c; }
inline Dual operator-(const Dual& x, double c) { return {x.v - c, x.db, x.dt}; }
inline Dual operator-(double c, const Dual& x) { return {c - x.v, -x.db, -x.dt}; }
inline Dual operator*(const Dual& x, double c) { return {x.v * c, x.db * c, x.dt * c}; }
inline Dual operator*(double c, const Dual& x) { return x * c; }
inline Dual operator/(const Dual& x, double c) { return {x.v / c, x.db / c, x.dt / c}; }
inline Dual& operator+=(Dual& x, const Dual& y) { return x = x + y; }

// Every component must be a number; a pole (1/0, the square root at zero) fails here.
inline Dual finite(const Dual& x, const char* what) {
    finite(x.v, what);
    finite(x.db, what);
    finite(x.dt, what);
    return x;
}

// f(x) with its derivative f'(x) at x.v.
inline Dual apply(const Dual& x, double f, double f_prime) { return {f, f_prime * x.db, f_prime * x.dt}; }

inline Dual reciprocal(const Dual& x, const char* what) {
    const double r = finite(1.0 / x.v, what);
    return finite(apply(x, r, -r * r), what);
}
inline Dual operator/(const Dual& x, const Dual& y) { return x * reciprocal(y, "divisor"); }
inline Dual operator/(double c, const Dual& x) { return c * reciprocal(x, "divisor"); }

inline Dual sqrt(const Dual& x, const char* what) {
    const double r = fractional_pow(x.v, 0.5, what);
    return finite(apply(x, r, 0.5 / r), what);
}
inline Dual pow(const Dual& x, double exponent, const char* what) {
    const double r = fractional_pow(x.v, exponent, what);
    return finite(apply(x, r, exponent * r / x.v), what);
}
inline Dual exp(const Dual& x) {
    const double e = elementary::exp(x.v);
    return apply(x, e, e);
}

// x^n for a whole n (|n| <= 64) by repeated squaring; negative n through 1/x.
inline Dual powi(const Dual& x, int n, const char* what) {
    const int m = n < 0 ? -n : n;
    if (m > 64) throw PropertyError(std::string("power out of range: ") + what);
    if (m == 0) return {1.0, 0.0, 0.0};
    const double base = n < 0 ? finite(1.0 / x.v, what) : x.v;
    double below = 1.0;  // base^(m-1)
    double square = base;
    for (int k = m - 1; k > 0; k >>= 1) {  // at most seven halvings
        if (k & 1) below *= square;
        square *= square;
    }
    // d(x^n)/dx = n x^(n-1); for n < 0 that is n base^(m+1).
    const double value = below * base;
    const double slope = n < 0 ? n * value * base : n * below;
    return finite(apply(x, value, slope), what);
}

// The public derivatives from the reduced volume chi (with both partials) and the
// temperature partial of the reduced enthalpy epsilon, at reduced temperature theta.
inline Derivatives67 public_derivatives(double theta, const Dual& chi, double eps_theta) {
    const double T = theta * kTc;                                // K
    const double v = kVc * chi.v;                                // m^3/kg
    const double cp = kKJPerKcal * kPcVc * eps_theta / kTc;      // kJ/(kg K)
    const double alpha_v = chi.dt / (chi.v * kTc);               // 1/K
    const double kappa_t = -chi.db / (chi.v * kPc * kMPaPerAt);  // 1/MPa
    // T v alpha^2 / kappa is in MPa m^3/(kg K), a thousand kJ/(kg K).
    const double cv = cp - 1e3 * T * v * alpha_v * alpha_v / kappa_t;
    // Beyond the limit of mechanical or thermal stability the equations still give
    // numbers, but no speed of sound: cp, cv and kappa must be positive.
    if (!(kappa_t > 0.0) || !(cv > 0.0) || !(cp > 0.0))
        throw PropertyError("no speed of sound: cp, cv or kappa_t not positive");
    // w^2 = (cp/cv) / (rho kappa) with kappa in 1/Pa.
    const double w = fractional_pow(cp / cv * v / (kappa_t * 1e-6), 0.5, "speed of sound");
    return {finite(cp, "cp"), finite(cv, "cv"), w, finite(alpha_v, "alpha_v"), finite(kappa_t, "kappa_t")};
}

}  // namespace entalix::props
