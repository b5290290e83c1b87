// Region 3, near the critical point: 623.15 K <= T <= T_B23(p), p_B23(T) <= p <= 100 MPa.
#include <array>
#include <cmath>

#include "base/elementary.h"
#include "base/property_error.h"
#include "if97/coefficients.h"
#include "if97/constants.h"
#include "if97/regions.h"

namespace entalix::if97 {
namespace {

using props::finite;

// IAPWS-IF97 (revised release 2007), region 3 basic equation, Eq. 28, Table 30:
// n1 multiplies ln(delta), n2 to n40 the powers.
inline constexpr double kRegion3Log = 0.10658070028513e1;
inline constexpr auto kRegion3 = std::to_array<IJn>({
    {0, 0, -0.15732845290239e2},   {0, 1, 0.20944396974307e2},    {0, 2, -0.76867707878716e1},
    {0, 7, 0.26185947787954e1},    {0, 10, -0.2808078114862e1},   {0, 12, 0.12053369696517e1},
    {0, 23, -0.84566812812502e-2}, {1, 2, -0.12654315477714e1},   {1, 6, -0.11524407806681e1},
    {1, 15, 0.88521043984318},     {1, 17, -0.64207765181607},    {2, 0, 0.38493460186671},
    {2, 2, -0.85214708824206},     {2, 6, 0.48972281541877e1},    {2, 7, -0.30502617256965e1},
    {2, 22, 0.39420536879154e-1},  {2, 26, 0.12558408424308},     {3, 0, -0.2799932969871},
    {3, 2, 0.1389979956946e1},     {3, 4, -0.2018991502357e1},    {3, 16, -0.82147637173963e-2},
    {3, 26, -0.47596035734923},    {4, 0, 0.439840744735e-1},     {4, 2, -0.44476435428739},
    {4, 4, 0.90572070719733},      {4, 26, 0.70522450087967},     {5, 1, 0.10770512626332},
    {5, 3, -0.32913623258954},     {5, 26, -0.50871062041158},    {6, 0, -0.22175400873096e-1},
    {6, 2, 0.94260751665092e-1},   {6, 26, 0.16436278447961},     {7, 2, -0.13503372241348e-1},
    {8, 26, -0.14834345352472e-1}, {9, 2, 0.57922953628084e-3},   {9, 26, 0.32308904703711e-2},
    {10, 0, 0.80964802996215e-4},  {10, 1, -0.16557679795037e-3}, {11, 26, -0.44923899061815e-4},
});
static_assert(kRegion3.size() == 39);

// phi(delta, tau) with its derivatives (a: delta, b: tau).
Derivatives helmholtz(double delta, double tau) {
    Derivatives f = derivative_sum<kRegion3>(delta, tau);
    f.f += kRegion3Log * finite(elementary::log(delta), "log of reduced density");
    f.fa += kRegion3Log / delta;
    f.faa -= kRegion3Log / (delta * delta);
    return f;
}

// T, p, v, u, h and s from phi and its derivatives at (delta, tau).
Point heat_of(double rho, double T, double delta, double tau, const Derivatives& f) {
    const double rt = kR * T;
    Point out;
    out.T = T;
    out.p = finite(rho * rt * delta * f.fa / 1000.0, "pressure");
    out.v = 1.0 / rho;
    out.u = finite(rt * tau * f.fb, "internal energy");
    out.h = finite(rt * (tau * f.fb + delta * f.fa), "enthalpy");
    out.s = finite(kR * (tau * f.fb - f.f), "entropy");
    return out;
}

// The properties of a Point from phi and its derivatives at (delta, tau).
Point point_of(double rho, double T, double delta, double tau, const Derivatives& f) {
    const double rt = kR * T;
    Point out = heat_of(rho, T, delta, tau, f);
    out.cv = finite(-kR * tau * tau * f.fbb, "isochoric heat capacity");
    const double stiffness = 2.0 * delta * f.fa + delta * delta * f.faa;
    const double mixed = delta * f.fa - delta * tau * f.fab;
    out.cp = finite(kR * (-tau * tau * f.fbb + mixed * mixed / stiffness), "isobaric heat capacity");
    const double w2 = 1000.0 * rt * (stiffness - mixed * mixed / (tau * tau * f.fbb));
    // A metastable continuation may be mechanically unstable: no speed of sound there.
    out.w = w2 > 0.0 ? std::sqrt(w2) : std::nan("");
    out.alpha_v = finite((f.fa - tau * f.fab) / ((2.0 * f.fa + delta * f.faa) * T), "expansion coefficient");
    out.kappa_t = finite(1000.0 / (stiffness * rho * rt), "compressibility");
    return out;
}

Region3Slopes slopes_of(double rho, double T, double delta, double tau, const Derivatives& f) {
    const double rt = kR * T;
    Region3Slopes out;
    out.p = finite(rho * rt * delta * f.fa / 1000.0, "pressure");
    out.dp_drho = rt * (2.0 * delta * f.fa + delta * delta * f.faa) / 1000.0;
    out.dp_dT = rho * kR * delta * (f.fa - tau * f.fab) / 1000.0;
    out.h = finite(rt * (tau * f.fb + delta * f.fa), "enthalpy");
    out.dh_drho = rt * (delta / rho) * (tau * f.fab + f.fa + delta * f.faa);
    out.dh_dT = kR * (delta * f.fa - tau * tau * f.fbb - delta * tau * f.fab);
    out.s = finite(kR * (tau * f.fb - f.f), "entropy");
    out.ds_drho = kR * (delta / rho) * (tau * f.fab - f.fa);
    out.ds_dT = -kR * tau * tau * f.fbb / T;
    return out;
}

}  // namespace

Point region3(double rho, double T) {
    const double delta = finite(rho, "density") / kRhoc;
    const double tau = kTc / T;
    return point_of(rho, T, delta, tau, helmholtz(delta, tau));
}

Point region3_vhs(double rho, double T) {
    const double delta = finite(rho, "density") / kRhoc;
    const double tau = kTc / T;
    Derivatives f = derivative_sum<kRegion3, kVolumeHeatSet>(delta, tau);
    f.f += kRegion3Log * finite(elementary::log(delta), "log of reduced density");
    f.fa += kRegion3Log / delta;
    Point out = heat_of(rho, T, delta, tau, f);
    out.cp = out.cv = out.w = out.alpha_v = out.kappa_t = std::nan("");
    return out;
}

Region3Pressure region3_pressure(double rho, double T) {
    const double delta = finite(rho, "density") / kRhoc;
    Derivatives f = derivative_sum<kRegion3, kPressureSet>(delta, kTc / T);
    f.fa += kRegion3Log / delta;
    f.faa -= kRegion3Log / (delta * delta);
    const double rt = kR * T;
    return {finite(rho * rt * delta * f.fa / 1000.0, "pressure"),
            rt * (2.0 * delta * f.fa + delta * delta * f.faa) / 1000.0};
}

Region3Slopes region3_slopes(double rho, double T, Point& point) {
    const double delta = finite(rho, "density") / kRhoc;
    const double tau = kTc / T;
    const Derivatives f = helmholtz(delta, tau);
    point = point_of(rho, T, delta, tau, f);
    return slopes_of(rho, T, delta, tau, f);
}

Point moved_region3(const Point& point, const Region3Slopes& at, double d_rho, double d_t) {
    Point out = point;
    out.T += d_t;
    out.p += at.dp_drho * d_rho + at.dp_dT * d_t;
    out.h += at.dh_drho * d_rho + at.dh_dT * d_t;
    out.s += at.ds_drho * d_rho + at.ds_dT * d_t;
    out.v = 1.0 / (1.0 / point.v + d_rho);
    out.u = out.h - 1000.0 * out.p * out.v;
    return out;
}

}  // namespace entalix::if97
