// Derivatives of superheated steam (IFC-67 subregion 2): the reduced volume chi and
// enthalpy epsilon of the state procedure, with their partials by beta and theta.
// Every term is kept at every pressure: the state procedure leaves the mu = 6 .. 8
// and L-function terms out where they cannot show in v, h or s; there they change
// these derivatives by at most 1.5e-8 of cp (just above saturation near 0.11 MPa)
// and 2e-9 of alpha_v and kappa_t (near 2.21 MPa), measured against difference
// quotients of the state procedure.
#include <array>

#include "base/property_error.h"
#include "ifc67/derivatives.h"
#include "ifc67/reduced_derivatives.h"
#include "ifc67/steam_coefficients.h"
#include "ifc67/units.h"

namespace entalix::props {
namespace {

using namespace subregion2;

// Per mu: S = sum B X^z and R = sum z B X^z over the B-function terms, and for
// mu = 6 .. 8 the denominator sums P = sum b X^x and Q = sum x b X^x.
struct MuSums {
    std::array<Dual, 9> S, R, P, Q;
};
MuSums mu_sums(const Dual& X) {
    MuSums sums;
    for (const BTerm& term : kB) {
        const Dual x_z = term.B * powi(X, term.z, "X^z");
        sums.S[term.mu] += x_z;
        sums.R[term.mu] += term.z * x_z;
    }
    for (const bTerm& term : kb) {
        const Dual x_x = term.b * powi(X, term.x, "X^x");
        sums.P[term.mu] += x_x;
        sums.Q[term.mu] += term.x * x_x;
    }
    return sums;
}

}  // namespace

Derivatives67 ifc_derivatives_steam(double p_mpa, double t) {
    const Dual beta = Dual::beta(reduced_pressure(finite(p_mpa, "pressure") / kMPaPerAt));
    const Dual theta = Dual::theta(reduced_temperature(finite(t, "temperature")));
    // p and T must be positive, as for the logarithms of the entropy.
    if (!(beta.v > 0.0) || !(theta.v > 0.0)) throw PropertyError("pressure or temperature not positive");
    const Dual X = exp(b * (1.0 - theta));
    const MuSums m = mu_sums(X);
    const Dual b_theta = b * theta;

    Dual chi = finite(I1 * theta / beta, "I1 theta/beta");
    Dual eps = B0 * theta;
    for (int rho = 1; rho <= 5; ++rho) eps = eps - (rho - 2) * kB0rho[rho] * powi(theta, rho - 1, "theta^(rho-1)");

    for (int mu = 1; mu <= 5; ++mu) {
        chi = chi - mu * powi(beta, mu - 1, "beta^(mu-1)") * m.S[mu];
        eps = eps - powi(beta, mu, "beta^mu") * (m.S[mu] + b_theta * m.R[mu]);
    }
    for (int mu = 6; mu <= 8; ++mu) {
        const Dual beta_mu_2 = powi(beta, mu - 2, "beta^(mu-2)");
        const Dual den = finite(1.0 + beta_mu_2 * m.P[mu], "volume denominator");
        chi = chi - (mu - 2) * powi(beta, mu - 3, "beta^(mu-3)") * m.S[mu] / (den * den);
        // D = beta^(2-mu) + P = (1 + beta^(mu-2) P) / beta^(mu-2).
        const Dual inv_D = beta_mu_2 / den;
        const Dual W = (m.R[mu] - m.S[mu] * m.Q[mu] * inv_D) * inv_D;
        eps = eps - (m.S[mu] * inv_D + b_theta * W);
    }

    // The L-function term, beta_L(theta) = L0 + L1 theta + L2 theta^2.
    const Dual beta_L = L0 + L1 * theta + L2 * theta * theta;
    const Dual beta_L_d = L1 + 2.0 * L2 * theta;
    const Dual r10 = powi(beta / beta_L, 10, "(beta/beta_L)^10");
    const Dual c = 10.0 * beta_L_d / beta_L;
    Dual F, Fh;
    for (int nu = 6; nu >= 0; --nu) {
        F = kB9[nu].B + X * F;
        Fh = kB9[nu].B * (1.0 + theta * (c + nu * b)) + X * Fh;
    }
    chi = finite(chi + 11.0 * r10 * F, "reduced volume of steam");
    eps = finite(eps + beta * r10 * Fh, "reduced enthalpy of steam");

    return public_derivatives(theta.v, chi, eps.dt);
}

}  // namespace entalix::props
