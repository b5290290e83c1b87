// The reference constants the three releases reduce their variables by, and the
// sums of the viscosity and conductivity equations over (1/Tbar - 1) and (rhobar - 1).
#pragma once

#include <array>
#include <cstddef>

namespace entalix::transport {

inline constexpr double kTstar = 647.096;  // K, the critical temperature
inline constexpr double kRhoStar = 322.0;  // kg/m^3, the critical density
inline constexpr double kPstar = 22.064;   // MPa, the critical pressure

// sum over i of x^i sum over j of c[i][j] y^j, both by Horner's rule: the shape of
// the finite-density terms of viscosity and conductivity.
template <std::size_t I, std::size_t J>
double double_horner(const std::array<std::array<double, J>, I>& c, double x, double y) {
    double outer = 0.0;
    for (std::size_t i = I; i-- > 0;) {
        double inner = 0.0;
        for (std::size_t j = J; j-- > 0;) inner = inner * y + c[i][j];
        outer = outer * x + inner;
    }
    return outer;
}

// sum over k of c[k] / x^k, by Horner's rule in 1/x: the dilute-gas denominators.
template <std::size_t K>
double inverse_horner(const std::array<double, K>& c, double x) {
    const double u = 1.0 / x;
    double sum = 0.0;
    for (std::size_t k = K; k-- > 0;) sum = sum * u + c[k];
    return sum;
}

}  // namespace entalix::transport
