// Viscosity of water and steam after the IAPWS 2008 release, as recommended for
// industrial use: densities from IAPWS-IF97 and no critical enhancement (mu2 = 1).
#include <array>
#include <cmath>

#include "base/elementary.h"
#include "base/property_error.h"
#include "transport/reference.h"
#include "transport/transport.h"

namespace entalix::transport {
namespace {

inline constexpr double kMuStar = 1.0e-6;  // Pa s

// IAPWS 2008 viscosity release, Table 1: the dilute-gas term mu0.
inline constexpr std::array<double, 4> kH = {1.67752, 2.20462, 0.6366564, -0.241605};

// Table 2: the residual term mu1; row i multiplies (1/Tbar - 1)^i,
// column j (rhobar - 1)^j.
inline constexpr std::array<std::array<double, 7>, 6> kHij = {{
    {5.20094e-1, 2.22531e-1, -2.81378e-1, 1.61913e-1, -3.25372e-2, 0.0, 0.0},
    {8.50895e-2, 9.99115e-1, -9.06851e-1, 2.57399e-1, 0.0, 0.0, 0.0},
    {-1.08374, 1.88797, -7.72479e-1, 0.0, 0.0, 0.0, 0.0},
    {-2.89555e-1, 1.26613, -4.89837e-1, 0.0, 6.98452e-2, 0.0, -4.35673e-3},
    {0.0, 0.0, -2.57040e-1, 0.0, 0.0, 8.72102e-3, 0.0},
    {0.0, 1.20573e-1, 0.0, 0.0, 0.0, 0.0, -5.93264e-4},
}};

}  // namespace

double viscosity(double T, double rho) {
    props::finite(T, "viscosity: T");
    props::finite(rho, "viscosity: rho");
    if (!(T > 0.0) || rho < 0.0) throw props::PropertyError("viscosity: T not positive or rho negative");
    const double t = T / kTstar;
    const double r = rho / kRhoStar;
    const double mu0 = 100.0 * std::sqrt(t) / props::finite(inverse_horner(kH, t), "viscosity: mu0");
    const double mu1 = elementary::exp(r * double_horner(kHij, 1.0 / t - 1.0, r - 1.0));
    return props::finite(mu0 * mu1 * kMuStar, "viscosity");
}

}  // namespace entalix::transport
