// The basic equations of IAPWS-IF97 in SI units: p in MPa, T in K, rho in kg/m3,
// v in m3/kg, h and u in kJ/kg, s, cp and cv in kJ/(kg K), w in m/s.
#pragma once

namespace entalix::if97 {

// One state evaluated by a basic equation, with what the inverses need besides
// the tabulated properties: alpha_v (1/K) and kappa_T (1/MPa).
struct Point {
    double p = 0.0;
    double T = 0.0;
    double v = 0.0;
    double h = 0.0;
    double u = 0.0;
    double s = 0.0;
    double cp = 0.0;
    double cv = 0.0;
    double w = 0.0;
    double alpha_v = 0.0;
    double kappa_t = 0.0;
};

// How much of a Point an evaluation works out; what it leaves out is NaN.
enum class Extent {
    vhs,     // p, T, v, h, u and s, at half the work
    newton,  // those, cp and alpha_v: what a Newton step in T or (p, T) needs
    whole,
};

// Regions 1, 2 and 5: Gibbs free energy in (p, T), the whole Point or of the
// extent in the name. They evaluate anywhere the arithmetic is defined; the
// range is the callers' business.
Point region1(double p, double T);
Point region2(double p, double T);
Point region5(double p, double T);
Point region1_newton(double p, double T);
Point region2_newton(double p, double T);
Point region5_newton(double p, double T);
Point region1_vhs(double p, double T);
Point region2_vhs(double p, double T);
Point region5_vhs(double p, double T);

// What the iterations in T at constant p need, at a third of the work of a Point:
// h in kJ/kg, s and cp in kJ/(kg K).
struct Thermal {
    double h;
    double s;
    double cp;
};
Thermal region1_thermal(double p, double T);
Thermal region2_thermal(double p, double T);
Thermal region5_thermal(double p, double T);

// Region 3: Helmholtz free energy in (rho, T); p is a result.
Point region3(double rho, double T);
// p, v, h, u and s alone, at half the work; the other members are NaN.
Point region3_vhs(double rho, double T);

// Region 3 pressure and its derivatives by density and temperature, for the
// Newton steps of the inverses (MPa, MPa m3/kg, MPa/K), with h and s.
struct Region3Slopes {
    double p;
    double dp_drho;
    double dp_dT;
    double h;
    double dh_drho;
    double dh_dT;
    double s;
    double ds_drho;
    double ds_dT;
};
// With the Point at (rho, T), from the same evaluation of the equation.
Region3Slopes region3_slopes(double rho, double T, Point& point);

// p and dp/drho alone, at a third of the work, for the iterations on the density.
struct Region3Pressure {
    double p;
    double dp_drho;
};
Region3Pressure region3_pressure(double rho, double T);

// A Point moved by a small step in T (regions 1, 2, 5 at constant p) or in rho
// and T (region 3), to first order: for the last Newton step of an inverse,
// which is far below 1e-6 of the state, so that the error is of its square.
// v, h, u, s and T move; cp, cv, w, alpha_v and kappa_t stay.
Point moved_at_constant_p(const Point& point, double dT);
Point moved_region3(const Point& point, const Region3Slopes& at, double d_rho, double d_t);

// Region 4, the saturation line: psat(T) for 273.15 K <= T <= Tc and Tsat(p)
// for 611.213 Pa <= p <= pc; PropertyError outside.
double saturation_pressure(double T);
double saturation_temperature(double p);

// The boundary between regions 2 and 3 (B23), 623.15 K <= T <= 863.15 K.
double b23_pressure(double T);
double b23_temperature(double p);

}  // namespace entalix::if97
