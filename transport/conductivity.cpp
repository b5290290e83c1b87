// Thermal conductivity of water and steam after the IAPWS 2011 release: the
// dilute-gas term, the residual term and the critical enhancement, the last with
// the susceptibility at the reference temperature from the release's density
// polynomials, the form it gives for industrial use with IAPWS-IF97.
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "base/elementary.h"
#include "base/property_error.h"
#include "transport/reference.h"
#include "transport/transport.h"

namespace entalix::transport {
namespace {

inline constexpr double kMuStar = 1.0e-6;           // Pa s
inline constexpr double kLambdaStar = 1.0e-3;       // W/(m K)
inline constexpr double kGasConstant = 0.46151805;  // kJ/(kg K), R of the release

// IAPWS 2011 conductivity release, Table 1: the dilute-gas term lambda0.
inline constexpr std::array<double, 5> kL = {2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3, 4.096266e-4};

// Table 2: the residual term lambda1; row i multiplies (1/Tbar - 1)^i,
// column j (rhobar - 1)^j.
inline constexpr std::array<std::array<double, 6>, 5> kLij = {{
    {1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258},
    {2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245},
    {2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816},
    {-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0.0, 0.0},
    {-2.7203370, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842},
}};

// Table 3: the constants of the critical enhancement lambda2.
inline constexpr double kLambda = 177.8514;
inline constexpr double kQd = 1.0 / 0.40;  // 1/nm
inline constexpr double kNu = 0.630;
inline constexpr double kGamma = 1.239;
inline constexpr double kXi0 = 0.13;  // nm
inline constexpr double kGamma0 = 0.06;
inline constexpr double kTbarR = 1.5;  // the reference temperature, 1.5 Tc
// Below this y the enhancement is set to zero, where Z(y) loses its digits.
inline constexpr double kSmallestY = 1.2e-7;

// Table 6: the reduced susceptibility zeta = (d rhobar / d pbar)_T at the reference
// temperature for industrial use, zeta = 1 / sum A_j rhobar^j, one polynomial per
// range of rhobar; each row lists A_0 .. A_5 of one range.
struct ZetaRange {
    double rhobar_max;  // the range ends here (the last has no end)
    std::array<double, 6> A;
};
inline constexpr std::array<ZetaRange, 5> kZetaReference = {{
    {0.310559006,
     {6.53786807199516, -5.61149954923348, 3.39624167361325, -2.27492629730878, 10.2631854662709, 1.97815050331519}},
    {0.776397516,
     {6.52717759281799, -6.30816983387575, 8.08379285492595, -9.82240510197603, 12.1358413791395, -5.54349664571295}},
    {1.242236025,
     {5.35500529896124, -3.96415689925446, 8.91990208918795, -12.0338729505790, 9.19494865194302, -2.16866274479712}},
    {1.863354037,
     {1.55225959906681, 0.464621290821181, 8.93237374861479, -11.0321960061126, 6.16780999933360, -0.965458722086812}},
    {std::numeric_limits<double>::infinity(),
     {1.11999926419994, 0.595748562571649, 9.88952565078920, -10.3255051147040, 4.66861294457414, -0.503243546373842}},
}};

double dilute_gas(double t) { return std::sqrt(t) / props::finite(inverse_horner(kL, t), "conductivity: lambda0"); }

double residual(double t, double r) { return elementary::exp(r * double_horner(kLij, 1.0 / t - 1.0, r - 1.0)); }

double zeta_reference(double r) {
    for (const ZetaRange& range : kZetaReference) {
        if (r > range.rhobar_max) continue;
        double sum = 0.0;
        for (std::size_t j = range.A.size(); j-- > 0;) sum = sum * r + range.A[j];
        return 1.0 / sum;
    }
    throw props::PropertyError("conductivity: no reference susceptibility");  // r is finite: not reached
}

// The critical enhancement lambda2bar in mW/(m K). A state
// without susceptibility (drho_dp_T = 0, as in the dilute gas) has none.
double critical_enhancement(const ConductivityState& s, double t, double r) {
    const double cp_bar = s.cp / kGasConstant;
    const double mu_bar = s.mu / kMuStar;
    const double zeta = props::finite(s.drho_dp_T * kPstar / kRhoStar, "conductivity: zeta");
    // The susceptibility in excess of its background at 1.5 Tc; none where it is not in excess.
    const double delta_chi = props::finite(r * (zeta - zeta_reference(r) * kTbarR / t), "conductivity: delta chi");
    if (!(delta_chi > 0.0)) return 0.0;
    if (!(s.cp > 0.0) || !(s.cv > 0.0) || !(s.mu > 0.0))
        throw props::PropertyError("conductivity: cp, cv and mu must be positive");
    const double xi = kXi0 * props::fractional_pow(delta_chi / kGamma0, kNu / kGamma, "conductivity: xi");
    const double y = kQd * xi;
    if (y < kSmallestY) return 0.0;
    const double kappa_inv = s.cv / s.cp;
    const double z = 2.0 / (std::numbers::pi * y) *
                     (((1.0 - kappa_inv) * elementary::atan(y) + kappa_inv * y) -
                      (1.0 - elementary::exp(-1.0 / (1.0 / y + y * y / (3.0 * r * r)))));
    return props::finite(kLambda * r * cp_bar * t / mu_bar * z, "conductivity: lambda2");
}

}  // namespace

double thermal_conductivity(const ConductivityState& state) {
    const double T = props::finite(state.T, "conductivity: T");
    const double rho = props::finite(state.rho, "conductivity: rho");
    props::finite(state.cp, "conductivity: cp");
    props::finite(state.cv, "conductivity: cv");
    props::finite(state.mu, "conductivity: mu");
    if (!(T > 0.0) || rho < 0.0) throw props::PropertyError("conductivity: T not positive or rho negative");
    const double t = T / kTstar;
    const double r = rho / kRhoStar;
    const double lambda_bar = dilute_gas(t) * residual(t, r) + critical_enhancement(state, t, r);
    return props::finite(lambda_bar * kLambdaStar, "thermal conductivity");
}

}  // namespace entalix::transport
