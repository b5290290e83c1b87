// Derivatives of compressed water (IFC-67 subregion 1): the reduced volume chi and
// enthalpy epsilon of the state procedure, with their partials by beta and theta.
#include "base/property_error.h"
#include "ifc67/derivatives.h"
#include "ifc67/reduced_derivatives.h"
#include "ifc67/units.h"
#include "ifc67/water_coefficients.h"

namespace entalix::props {
namespace {

using namespace subregion1;

// sum_{nu=1..10} (nu-2) A_nu theta^(nu-1) by Horner's rule, as the enthalpy has it.
Dual enthalpy_sum(const Dual& theta) {
    Dual sum;
    for (int nu = 10; nu >= 1; --nu) sum = (nu - 2) * A(nu) + theta * sum;
    return sum;
}

}  // namespace

Derivatives67 ifc_derivatives_water(double p_mpa, double t) {
    const Dual beta = Dual::beta(finite(reduced_pressure(finite(p_mpa, "pressure") / kMPaPerAt), "reduced pressure"));
    const Dual theta = Dual::theta(finite(reduced_temperature(finite(t, "temperature")), "reduced temperature"));

    const Dual th2 = theta * theta;
    const Dual th11 = powi(theta, 11, "theta^11");
    const Dual th18 = powi(theta, 18, "theta^18");
    const Dual th19 = th18 * theta;
    const Dual inv_th6 = powi(theta, -6, "theta^-6");
    const Dual inv_th7 = powi(theta, -7, "theta^-7");
    const Dual inv_th20 = powi(theta, -20, "theta^-20");

    // (a6 - theta) is negative above about 150 degC; its whole powers stay valid.
    const Dual d = a(6) - theta;
    const Dual d9 = powi(d, 9, "(a6 - theta)^9");
    const Dual d10 = d9 * d;

    const Dual e = a(10) + beta;
    const Dual inv_e3 = powi(e, -3, "(a10 + beta)^-3");
    const Dual inv_e4 = powi(e, -4, "(a10 + beta)^-4");
    const Dual beta2 = beta * beta;
    const Dual beta3 = beta2 * beta;
    const Dual beta4 = beta3 * beta;

    // Y, its theta-derivative Y' (itself a function of theta here) and Z.
    const Dual Y = 1.0 - a(1) * th2 - a(2) * inv_th6;
    const Dual Yd = 6.0 * a(2) * inv_th7 - 2.0 * a(1) * theta;
    const Dual radicand = a(3) * Y * Y - 2.0 * a(4) * theta + 2.0 * a(5) * beta;
    // Zero or negative towards the critical point: the subregion 1 equations end there,
    // and at zero the partials of the square root have a pole.
    if (!(radicand.v > 0.0)) throw PropertyError("negative radicand in the compressed-water equations");
    const Dual Z = Y + sqrt(radicand, "radicand");
    const Dual Zp = pow(Z, -5.0 / 17.0, "Z^(-5/17)");

    const Dual inv16 = reciprocal(a(7) + th19, "1/(a7 + theta^19)");
    const Dual inv17 = reciprocal(a(8) + th11, "1/(a8 + theta^11)");
    const Dual pressure_poly = A(17) * beta + A(18) * beta2 + A(19) * beta3;
    const Dual bracket20 = inv_e3 + a(11) * beta;

    const Dual chi = finite(A(11) * a(5) * Zp + A(12) + A(13) * theta + A(14) * th2 + A(15) * d10 + A(16) * inv16 -
                                (A(17) + 2.0 * A(18) * beta + 3.0 * A(19) * beta2) * inv17 -
                                A(20) * th18 * (a(9) + th2) * (a(11) - 3.0 * inv_e4) +
                                3.0 * A(21) * (a(12) - theta) * beta2 + 4.0 * A(22) * beta3 * inv_th20,
                            "reduced volume of water");

    const Dual eps = finite(
        A(0) * theta - enthalpy_sum(theta) +
            A(11) *
                (Z * (17.0 * (Z / 29.0 - Y / 12.0) + 5.0 * theta * Yd / 12.0) + a(4) * theta -
                 (a(3) - 1.0) * theta * Y * Yd) *
                Zp +
            (A(12) - A(14) * th2 + A(15) * (9.0 * theta + a(6)) * d9 + A(16) * (20.0 * th19 + a(7)) * inv16 * inv16) *
                beta -
            (12.0 * th11 + a(8)) * pressure_poly * inv17 * inv17 +
            A(20) * th18 * (17.0 * a(9) + 19.0 * th2) * bracket20 + A(21) * a(12) * beta3 +
            21.0 * A(22) * beta4 * inv_th20,
        "reduced enthalpy of water");

    return public_derivatives(theta.v, chi, eps.dt);
}

}  // namespace entalix::props
