// IFC-67 subregion 1: the reduced volume, enthalpy and entropy of compressed water,
// all three from one set of powers of theta and beta.
#include "ifc67/water.h"

#include <array>
#include <cmath>

#include "base/property_error.h"
#include "ifc67/units.h"

namespace entalix::props {
namespace {

// IFC-67, subregion 1, coefficients A0 .. A22.
struct ACoefficient {
    int nu;
    double A;
};
inline constexpr std::array<ACoefficient, 23> kA{{
    {0, 6.824687741e3},   {1, -5.422063673e2},   {2, -2.096666205e4},   {3, 3.941286787e4},   {4, -6.733277739e4},
    {5, 9.902381028e4},   {6, -1.093911774e5},   {7, 8.590841667e4},    {8, -4.511168742e4},  {9, 1.418138926e4},
    {10, -2.017271113e3}, {11, 7.982692717},     {12, -2.616571843e-2}, {13, 1.522411790e-3}, {14, 2.284279054e-2},
    {15, 2.421647003e2},  {16, 1.269716088e-10}, {17, 2.074838328e-7},  {18, 2.174020350e-8}, {19, 1.105710498e-9},
    {20, 1.293441934e1},  {21, 1.308119072e-5},  {22, 6.047626338e-14},
}};
static_assert(kA.size() == 23);

// IFC-67, subregion 1, auxiliary constants a1 .. a12.
struct AuxCoefficient {
    int i;
    double a;
};
inline constexpr std::array<AuxCoefficient, 12> ka{{
    {1, 8.438375405e-1},
    {2, 5.362162162e-4},
    {3, 1.72},
    {4, 7.342278489e-2},
    {5, 4.975858870e-2},
    {6, 6.537154300e-1},
    {7, 1.15e-6},
    {8, 1.5108e-5},
    {9, 1.4188e-1},
    {10, 7.002753165},
    {11, 2.995284926e-4},
    {12, 2.04e-1},
}};
static_assert(ka.size() == 12);

// The formulas below read A(11), a(5) as the formulation writes them.
constexpr double A(int nu) { return kA[nu].A; }
constexpr double a(int i) { return ka[i - 1].a; }

constexpr bool rows_in_order() {
    for (int nu = 0; nu < 23; ++nu)
        if (kA[nu].nu != nu) return false;
    for (int i = 1; i <= 12; ++i)
        if (ka[i - 1].i != i) return false;
    return true;
}
static_assert(rows_in_order());

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
    const double sigma = A(0) * std::log(theta) - entropy_sum(theta) +
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
