// IFC-67 subregion 1: the reduced volume, enthalpy and entropy of compressed water,
// all three from one set of powers of theta and beta.
#include "ifc67/water.h"

#include <cmath>

#include "base/elementary.h"
#include "base/property_error.h"
#include "ifc67/units.h"
#include "ifc67/water_coefficients.h"

namespace entalix::props {
namespace {

using namespace subregion1;

// Horner coefficients of the two polynomial sums of the caloric part:
// enthalpy  sum_{nu=1..10} (nu-2) A_nu theta^(nu-1),
// entropy   sum_{nu=2..10} (nu-1) A_nu theta^(nu-2).
constexpr double enthalpy_sum_coefficient(int nu) { return (nu - 2) * A(nu); }
constexpr double entropy_sum_coefficient(int nu) { return (nu - 1) * A(nu); }

// Both sums from the highest index down, as the formulation evaluates them.
double enthalpy_sum(double theta) {
    double sum = 0.0;
    for (int nu = 10; nu >= 1; --nu) sum = enthalpy_sum_coefficient(nu) + theta * sum;
    return sum;
}
double entropy_sum(double theta) {
    double sum = 0.0;
    for (int nu = 10; nu >= 2; --nu) sum = entropy_sum_coefficient(nu) + theta * sum;
    return sum;
}

}  // namespace

void ifc_pt_water(SteamState& state, double p, double t) {
    const double beta = finite(reduced_pressure(finite(p, "pressure")), "reduced pressure");
    const double theta = finite(reduced_temperature(finite(t, "temperature")), "reduced temperature");

    // Whole powers by products; every one is valid for any sign of its base.
    const double th2 = theta * theta;
    const double th4 = th2 * th2;
    const double th8 = th4 * th4;
    const double th10 = th8 * th2;
    const double th11 = th10 * theta;
    const double th16 = th8 * th8;
    const double th17 = th16 * theta;
    const double th18 = th16 * th2;
    const double th19 = th18 * theta;
    // Negative powers from one reciprocal; theta = 0 (absolute zero) fails here.
    const double inv_th = finite(1.0 / theta, "1/theta");
    const double inv_th2 = inv_th * inv_th;
    const double inv_th4 = inv_th2 * inv_th2;
    const double inv_th6 = inv_th4 * inv_th2;
    const double inv_th7 = inv_th6 * inv_th;
    const double inv_th16 = finite(inv_th4 * inv_th4 * (inv_th4 * inv_th4), "theta^-16");
    const double inv_th20 = inv_th16 * inv_th4;
    const double inv_th21 = finite(inv_th20 * inv_th, "theta^-21");
    finite(th19 * th2, "theta^21");  // the largest positive power met below

    // (a6 - theta) is negative above about 150 degC; its whole powers stay valid.
    const double d = a(6) - theta;
    const double d2 = d * d;
    const double d4 = d2 * d2;
    const double d8 = d4 * d4;
    const double d9 = d8 * d;
    const double d10 = d9 * d;

    const double inv_e = finite(1.0 / (a(10) + beta), "1/(a10 + beta)");
    const double inv_e3 = inv_e * inv_e * inv_e;
    const double inv_e4 = inv_e3 * inv_e;
    const double beta2 = beta * beta;
    const double beta3 = beta2 * beta;
    const double beta4 = finite(beta3 * beta, "beta^4");

    // Auxiliary functions Y, its derivative Y' and Z.
    const double Y = 1.0 - a(1) * th2 - a(2) * inv_th6;
    const double Yd = 6.0 * a(2) * inv_th7 - 2.0 * a(1) * theta;
    const double radicand = a(3) * Y * Y - 2.0 * a(4) * theta + 2.0 * a(5) * beta;
    // Negative towards the critical point: the subregion 1 equations end there.
    if (!(radicand >= 0.0)) throw PropertyError("negative radicand in the compressed-water equations");
    const double Z = Y + std::sqrt(radicand);
    const double Zp = fractional_pow(Z, -5.0 / 17.0, "Z^(-5/17)");

    const double den16 = finite(a(7) + th19, "a7 + theta^19");
    const double inv16 = 1.0 / den16;
    const double den17 = finite(a(8) + th11, "a8 + theta^11");
    const double inv17 = 1.0 / den17;
    const double inv17_2 = finite(inv17 * inv17, "1/(a8 + theta^11)^2");
    const double inv16_2 = finite(inv16 * inv16, "1/(a7 + theta^19)^2");
    const double pressure_poly = A(17) * beta + A(18) * beta2 + A(19) * beta3;
    const double bracket20 = inv_e3 + a(11) * beta;

    const double chi = A(11) * a(5) * Zp + A(12) + A(13) * theta + A(14) * th2 + A(15) * d10 + A(16) * inv16 -
                       (A(17) + 2.0 * A(18) * beta + 3.0 * A(19) * beta2) * inv17 -
                       A(20) * th18 * (a(9) + th2) * (a(11) - 3.0 * inv_e4) + 3.0 * A(21) * (a(12) - theta) * beta2 +
                       4.0 * A(22) * beta3 * inv_th20;

    const double eps =
        A(0) * theta - enthalpy_sum(theta) +
        A(11) *
            (Z * (17.0 * (Z / 29.0 - Y / 12.0) + 5.0 * theta * Yd / 12.0) + a(4) * theta -
             (a(3) - 1.0) * theta * Y * Yd) *
            Zp +
        (A(12) - A(14) * th2 + A(15) * (9.0 * theta + a(6)) * d9 + A(16) * (20.0 * th19 + a(7)) * inv16_2) * beta -
        (12.0 * th11 + a(8)) * pressure_poly * inv17_2 + A(20) * th18 * (17.0 * a(9) + 19.0 * th2) * bracket20 +
        A(21) * a(12) * beta3 + 21.0 * A(22) * beta4 * inv_th20;

    // ln(theta) of a negative theta is not a number and fails below.
    const double sigma = A(0) * elementary::log(theta) - entropy_sum(theta) +
                         A(11) * (Yd * (5.0 * Z / 12.0 - (a(3) - 1.0) * Y) + a(4)) * Zp +
                         (10.0 * A(15) * d9 - A(13) - 2.0 * A(14) * theta + 19.0 * A(16) * th18 * inv16_2) * beta -
                         11.0 * th10 * pressure_poly * inv17_2 + A(20) * th17 * (18.0 * a(9) + 20.0 * th2) * bracket20 +
                         A(21) * beta3 + 20.0 * A(22) * beta4 * inv_th21;

    // The record is written once, whole, and only when every value is a number.
    const double v = finite(kVc * chi, "specific volume of water");
    const double h = finite(kPcVc * eps, "enthalpy of water");
    const double s = finite(kPcVcOverTc * sigma, "entropy of water");
    state = SteamState{p, t, v, h, s, 0.0};
}

}  // namespace entalix::props
