// The backward equations of IAPWS-IF97 and its supplementary releases, in SI units
// (p in MPa, T in K, h in kJ/kg, s in kJ/(kg K), v in m3/kg). Each gives a start
// within a few mK (or a few parts in 1e5 of v) of the basic equations; the solvers
// refine it. None checks its range: the solvers choose the equation.
#pragma once

namespace entalix::if97 {

// Region 1.
double region1_t_ph(double p, double h);
double region1_t_ps(double p, double s);
double region1_p_hs(double h, double s);

// Region 2: the subregion (2a below 4 MPa, 2b/2c split by B2bc or s = 5.85) is chosen inside.
double region2_t_ph(double p, double h);
double region2_t_ps(double p, double s);
double region2_p_hs(double h, double s);
double b2bc_pressure(double h);
double b2bc_enthalpy(double p);
double b2ab_enthalpy(double s);  // the 2a/2b boundary of the p(h,s) equations

// Region 3: 3a below the boundary h3ab(p) or the critical entropy, 3b above.
double b3ab_enthalpy(double p);
inline constexpr double kSc = 4.41202148223476;  // critical entropy, kJ/(kg K)
double region3_t_ph(double p, double h);
double region3_v_ph(double p, double h);
double region3_t_ps(double p, double s);
double region3_v_ps(double p, double s);
double region3_p_hs(double h, double s);

// Region 3 v(p,T): the subregion letter 'a' to 'z' for (p, T) in region 3, its
// equation, and the two together. The saturation variants give the liquid and the
// vapour volume at (psat(T), T) for 623.15 K < T < Tc.
char region3_subregion(double p, double T);
double region3_v_pt(char subregion, double p, double T);
double region3_v_pt(double p, double T);
double region3_v_saturated_liquid(double p, double T);
double region3_v_saturated_vapour(double p, double T);

// The subregion boundaries of v(p,T), named by the two subregions they divide
// ("ab", "cd", "ef", "gh", "ij", "jk", "mn", "op", "qu", "rx", "uv", "wx"): T in K.
double region3_boundary_temperature(const char* boundary, double p);

}  // namespace entalix::if97
