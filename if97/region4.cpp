// Region 4, the saturation line: the quadratic of Eq. 29 solved for p or for T.
#include <array>
#include <cmath>
#include <string>

#include "base/property_error.h"
#include "if97/constants.h"
#include "if97/regions.h"

namespace entalix::if97 {
namespace {

using props::finite;
using props::PropertyError;

// IAPWS-IF97 (revised release 2007), saturation equation, Eq. 29, Table 34: n1 to n10.
inline constexpr auto kSaturation = std::to_array<double>({
    0.0,
    0.11670521452767e4,
    -0.72421316703206e6,
    -0.17073846940092e2,
    0.1202082470247e5,
    -0.32325550322333e7,
    0.1491510861353e2,
    -0.48232657361591e4,
    0.40511340542057e6,
    -0.23855557567849,
    0.65017534844798e3,
});
static_assert(kSaturation.size() == 11);

// The table above starts with a zero so that kSaturation[i] is n_i as printed.
static_assert(kSaturation[0] == 0.0);

}  // namespace

double saturation_pressure(double T) {
    if (!(T >= kTmin && T <= kTc))
        throw PropertyError("saturation temperature outside 273.15 K to 647.096 K: " + std::to_string(T));
    const auto& n = kSaturation;
    const double theta = T + n[9] / (T - n[10]);
    const double A = theta * theta + n[1] * theta + n[2];
    const double B = n[3] * theta * theta + n[4] * theta + n[5];
    const double C = n[6] * theta * theta + n[7] * theta + n[8];
    const double root = std::sqrt(finite(B * B - 4.0 * A * C, "saturation discriminant"));
    const double ratio = 2.0 * C / (-B + root);
    const double squared = ratio * ratio;
    return finite(squared * squared, "saturation pressure");
}

double saturation_temperature(double p) {
    // 611.212677 Pa is psat at 273.15 K; a rounding tolerance lets the end points in.
    if (!(p >= kPsatMin * (1.0 - 1e-9) && p <= kPc))
        throw PropertyError("saturation pressure outside 611.213 Pa to 22.064 MPa: " + std::to_string(p));
    const auto& n = kSaturation;
    const double beta = std::sqrt(std::sqrt(p));
    const double E = beta * beta + n[3] * beta + n[6];
    const double F = n[1] * beta * beta + n[4] * beta + n[7];
    const double G = n[2] * beta * beta + n[5] * beta + n[8];
    const double D = 2.0 * G / (-F - std::sqrt(finite(F * F - 4.0 * E * G, "saturation discriminant")));
    const double sum = n[10] + D;
    const double inner = finite(sum * sum - 4.0 * (n[9] + n[10] * D), "saturation discriminant");
    return finite(0.5 * (sum - std::sqrt(inner)), "saturation temperature");
}

}  // namespace entalix::if97
