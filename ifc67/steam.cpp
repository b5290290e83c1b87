// IFC-67 subregion 2: the reduced volume, enthalpy and entropy of superheated steam,
// all three from one set of powers of X = exp(b (1 - theta)) and of beta.
#include "ifc67/steam.h"

#include <array>
#include <cmath>
#include <utility>

#include "base/elementary.h"
#include "base/property_error.h"
#include "ifc67/steam_coefficients.h"
#include "ifc67/units.h"

namespace entalix::props {
namespace {

using namespace subregion2;

// The small-term thresholds: below them the omitted terms shift h by under
// 2e-6 kJ/kg and s by under 1e-8 kJ/(kg K), so no step shows at either.
inline constexpr double kBetaHighTerms = 0.005;  // mu = 6 .. 8 in h and s
inline constexpr double kBetaLTerm = 0.1;        // the L-function term everywhere

// The powers of X that the exponents z and x call for, each a product of earlier ones.
struct XPowers {
    double x1, x2, x3, x10, x11, x12, x13, x14, x18, x19, x24, x25, x27, x28, x32, x54;

    explicit XPowers(double x) : x1(x) {
        x2 = x * x;
        x3 = x2 * x;
        const double x4 = x2 * x2;
        const double x8 = x4 * x4;
        x10 = x8 * x2;
        x11 = x10 * x;
        x12 = x8 * x4;
        x13 = x12 * x;
        x14 = x12 * x2;
        x18 = x14 * x4;
        x19 = x18 * x;
        x24 = x12 * x12;
        x25 = x24 * x;
        x27 = x24 * x3;
        x28 = x24 * x4;
        x32 = x24 * x8;
        x54 = x27 * x27;
    }

    // clang-format off
    template <int n>
    double get() const {
        if constexpr (n == 1) return x1;
        else if constexpr (n == 2) return x2;
        else if constexpr (n == 3) return x3;
        else if constexpr (n == 10) return x10;
        else if constexpr (n == 11) return x11;
        else if constexpr (n == 12) return x12;
        else if constexpr (n == 13) return x13;
        else if constexpr (n == 14) return x14;
        else if constexpr (n == 18) return x18;
        else if constexpr (n == 19) return x19;
        else if constexpr (n == 24) return x24;
        else if constexpr (n == 25) return x25;
        else if constexpr (n == 27) return x27;
        else if constexpr (n == 28) return x28;
        else if constexpr (n == 32) return x32;
        else if constexpr (n == 54) return x54;
        else static_assert(n == 1, "power of X not prepared");
    }
    // clang-format on
};

// For one mu: S = sum B X^z and R = sum z B X^z over the terms of kB.
struct BSums {
    double S = 0.0;
    double R = 0.0;
};
template <int mu>
BSums b_sums(const XPowers& X) {
    BSums sums;
    [&]<std::size_t... i>(std::index_sequence<i...>) {
        (
            [&] {
                if constexpr (kB[i].mu == mu) {
                    const double term = kB[i].B * X.get<kB[i].z>();
                    sums.S += term;
                    sums.R += kB[i].z * term;
                }
            }(),
            ...);
    }
    (std::make_index_sequence<kB.size()>{});
    return sums;
}

// For mu = 6 .. 8: P = sum b X^x and Q = sum x b X^x over the terms of kb.
struct bSums {
    double P = 0.0;
    double Q = 0.0;
};
template <int mu>
bSums small_b_sums(const XPowers& X) {
    bSums sums;
    [&]<std::size_t... i>(std::index_sequence<i...>) {
        (
            [&] {
                if constexpr (kb[i].mu == mu) {
                    const double term = kb[i].b * X.get<kb[i].x>();
                    sums.P += term;
                    sums.Q += kb[i].x * term;
                }
            }(),
            ...);
    }
    (std::make_index_sequence<kb.size()>{});
    return sums;
}

// One term mu = 6 .. 8: its share of the volume, and the bracket W shared by
// enthalpy and entropy, (1/D) sum B X^z (z - Q/D), with D = beta^(2-mu) + P.
struct HighTerm {
    double chi;     // (mu-2) beta^(mu-3) S / (1 + beta^(mu-2) P)^2
    double S_by_D;  // S / D
    double W;       // (R - S Q/D) / D
};
template <int mu>
HighTerm high_term(const XPowers& X, double beta_mu_3, double beta_mu_2, bool caloric) {
    const BSums s = b_sums<mu>(X);
    const bSums q = small_b_sums<mu>(X);
    const double den = finite(1.0 + beta_mu_2 * q.P, "volume denominator");
    HighTerm term{};
    term.chi = finite((mu - 2) * beta_mu_3 * s.S / (den * den), "volume term");
    if (caloric) {
        // D = beta^(2-mu) + P = (1 + beta^(mu-2) P) / beta^(mu-2).
        const double inv_D = finite(beta_mu_2 / den, "1/D");
        const double q_by_d = q.Q * inv_D;
        term.S_by_D = s.S * inv_D;
        term.W = (s.R - s.S * q_by_d) * inv_D;
    }
    return term;
}

// Horner's rule in X from B96 down to B90 with the coefficient B9nu * weight(nu).
template <typename Weight>
double l_sum(double X, Weight weight) {
    double sum = 0.0;
    for (int nu = 6; nu >= 0; --nu) sum = kB9[nu].B * weight(nu) + X * sum;
    return sum;
}

// The equations at reduced pressure beta and temperature theta, with their
// logarithms already taken.
[[gnu::noinline]] void steam_equations(SteamState& state, double p, double t, double beta, double theta, double ln_beta,
                                       double ln_theta) {
    // With theta > 0, X lies between 0 and e^b: every power of it is finite.
    const double X0 = elementary::exp(b * (1.0 - theta));
    const XPowers X(X0);

    const double beta2 = beta * beta;
    const double beta3 = beta2 * beta;
    const double beta4 = beta3 * beta;
    const double beta5 = beta4 * beta;
    const double beta6 = finite(beta5 * beta, "beta^6");
    const double b_theta = b * theta;

    const BSums s1 = b_sums<1>(X);
    const BSums s2 = b_sums<2>(X);
    const BSums s3 = b_sums<3>(X);
    const BSums s4 = b_sums<4>(X);
    const BSums s5 = b_sums<5>(X);
    // T_mu = sum B (1 + z b theta) X^z = S_mu + b theta R_mu.
    const double T1 = s1.S + b_theta * s1.R;
    const double T2 = s2.S + b_theta * s2.R;
    const double T3 = s3.S + b_theta * s3.R;
    const double T4 = s4.S + b_theta * s4.R;
    const double T5 = s5.S + b_theta * s5.R;

    const bool caloric_high = beta >= kBetaHighTerms;
    const HighTerm m6 = high_term<6>(X, beta3, beta4, caloric_high);
    const HighTerm m7 = high_term<7>(X, beta4, beta5, caloric_high);
    const HighTerm m8 = high_term<8>(X, beta5, beta6, caloric_high);

    double chi = finite(I1 * theta / beta, "I1 theta/beta") -
                 (s1.S + beta * (2.0 * s2.S + beta * (3.0 * s3.S + beta * (4.0 * s4.S + beta * 5.0 * s5.S)))) -
                 (m6.chi + m7.chi + m8.chi);

    // Ideal-gas part; both sums by Horner's rule in theta from rho = 5 down.
    double ideal_h = 0.0;
    for (int rho = 5; rho >= 1; --rho) ideal_h = (rho - 2) * kB0rho[rho] + theta * ideal_h;
    double ideal_s = 0.0;
    for (int rho = 5; rho >= 2; --rho) ideal_s = (rho - 1) * kB0rho[rho] + theta * ideal_s;

    double eps = B0 * theta - ideal_h - beta * (T1 + beta * (T2 + beta * (T3 + beta * (T4 + beta * T5))));
    double sigma = B0 * ln_theta - I1 * ln_beta - ideal_s -
                   b * beta * (s1.R + beta * (s2.R + beta * (s3.R + beta * (s4.R + beta * s5.R))));
    if (caloric_high) {
        eps -= (m6.S_by_D + b_theta * m6.W) + (m7.S_by_D + b_theta * m7.W) + (m8.S_by_D + b_theta * m8.W);
        sigma -= b * (m6.W + m7.W + m8.W);
    }

    if (beta >= kBetaLTerm) {
        const double beta_L = L0 + L1 * theta + L2 * theta * theta;
        const double beta_L_d = L1 + 2.0 * L2 * theta;
        const double r = finite(beta / beta_L, "beta/beta_L");
        const double r2 = r * r;
        const double r4 = r2 * r2;
        const double r8 = r4 * r4;
        const double r10 = finite(r8 * r2, "(beta/beta_L)^10");
        const double c = finite(10.0 * beta_L_d / beta_L, "10 beta_L'/beta_L");
        const double F = l_sum(X0, [](int) { return 1.0; });
        const double Fh = l_sum(X0, [&](int nu) { return 1.0 + theta * (c + nu * b); });
        const double Fs = l_sum(X0, [&](int nu) { return c + nu * b; });
        chi += 11.0 * r10 * F;
        eps += beta * r10 * Fh;
        sigma += beta * r10 * Fs;
    }

    // The record is written once, whole, and only when every value is a number.
    const double v = finite(kVc * chi, "specific volume of steam");
    const double h = finite(kPcVc * eps, "enthalpy of steam");
    const double s = finite(kPcVcOverTc * sigma, "entropy of steam");
    state = SteamState{p, t, v, h, s, 1.0};
}

}  // namespace

void ifc_pt_steam(SteamState& state, double p, double t) {
    const double beta = reduced_pressure(finite(p, "pressure"));
    const double theta = reduced_temperature(finite(t, "temperature"));
    // Logarithms of beta <= 0 or theta <= 0 are not numbers: p and T must be positive.
    const double ln_beta = finite(elementary::log(beta), "ln beta");
    const double ln_theta = finite(elementary::log(theta), "ln theta");
    steam_equations(state, p, t, beta, theta, ln_beta, ln_theta);
}

SteamIsobar ifc_steam_isobar(double p) {
    const double beta = reduced_pressure(finite(p, "pressure"));
    return {p, beta, finite(elementary::log(beta), "ln beta")};
}

void ifc_pt_steam(SteamState& state, const SteamIsobar& isobar, double t) {
    const double theta = reduced_temperature(finite(t, "temperature"));
    const double ln_theta = finite(elementary::log(theta), "ln theta");
    steam_equations(state, isobar.p, t, isobar.beta, theta, isobar.ln_beta, ln_theta);
}

double ifc_boundary_p(double t) {
    const double theta = reduced_temperature(t);
    return (L0 + L1 * theta + L2 * theta * theta) * kPc;
}

double ifc_boundary_t(double p) {
    const double beta = reduced_pressure(p);
    const double root = fractional_pow(L1 * L1 - 4.0 * L2 * (L0 - beta), 0.5, "boundary temperature");
    return (-L1 + root) / (2.0 * L2) * kTc - kKelvinOffset;
}

}  // namespace entalix::props
