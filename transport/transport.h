// The transport properties of water and steam and its surface tension, from the
// IAPWS releases on viscosity (2008), thermal conductivity (2011) and surface
// tension (1976/2014), with the ranges where each holds. SI units inside: T in K,
// rho in kg/m^3, p in MPa. The functions evaluate wherever their arithmetic is
// defined (props::PropertyError elsewhere); whether a state lies in a release's
// range is asked of its Range.
#pragma once

namespace entalix::transport {

// Dynamic viscosity after the IAPWS 2008 release for industrial use (IAPWS-IF97 densities), without the critical
// enhancement (mu2 = 1): Pa s.
double viscosity(double T, double rho);

// What the thermal conductivity needs of the state beside T and rho, from the formulation in use.
struct ConductivityState {
    double T = 0.0;          // K
    double rho = 0.0;        // kg/m^3
    double cp = 0.0;         // kJ/(kg K)
    double cv = 0.0;         // kJ/(kg K)
    double drho_dp_T = 0.0;  // (d rho / d p) at constant T, kg/(m^3 MPa)
    double mu = 0.0;         // Pa s, the viscosity above
};

// Thermal conductivity after the IAPWS 2011 release, with the critical enhancement computed the way the release
// describes for industrial use (with IAPWS-IF97): W/(m K).
double thermal_conductivity(const ConductivityState& state);

// Surface tension of water against its vapour on the saturation line after the IAPWS release on surface tension
// (1976/2014): N/m. T from the triple point to the critical point.
double surface_tension(double T);

// Where a release holds, as data. Inside the box [T_min, T_max] x (0, p_max] the
// release holds; in the wider box [warn_T_min, warn_T_max] x (0, warn_p_max] a
// result is an extrapolation the release calls physically reasonable and is shown
// with a warning; beyond it the result is refused. Where the release names a
// region of larger uncertainty inside its range (the critical point for the
// thermal conductivity), a state in that box is warned about too. A range of T
// alone (surface tension) has p_max = warn_p_max = 0 and ignores p.
struct Box {
    double T_min = 0.0;  // K
    double T_max = 0.0;  // K
    double p_min = 0.0;  // MPa
    double p_max = 0.0;  // MPa
};
struct Range {
    const char* release;  // the release as the screens name it
    double T_min, T_max;  // K, where the release holds
    double p_max;         // MPa, where the release holds; 0: p does not limit
    double warn_T_min, warn_T_max;
    double warn_p_max;
    Box uncertain;  // inside the range but less certain; empty (all zero) when none
    const char* outside_words;
    const char* extrapolated_words;
    const char* uncertain_words;
};

enum class Standing { inside, warn, refuse };
struct Verdict {
    Standing standing = Standing::inside;
    const char* words = "";  // what the screen shows beside (warn) or instead of (refuse) the result
};
// A non-finite T or p is refused.
Verdict judge(const Range& range, double T, double p = 0.0);

extern const Range kViscosityRange;
extern const Range kConductivityRange;
extern const Range kSurfaceTensionRange;

}  // namespace entalix::transport
