// The caloric and acoustic derivatives of the subregion 1 and 2 equations at one
// single-phase state: heat capacities, speed of sound, expansion and compressibility.
#pragma once

namespace entalix::props {

struct Derivatives67 {     // public units
    double cp = 0.0;       // kJ/(kg K), (dh/dT)_p
    double cv = 0.0;       // kJ/(kg K)
    double w = 0.0;        // m/s, speed of sound
    double alpha_v = 0.0;  // 1/K, cubic expansion coefficient (1/v)(dv/dT)_p
    double kappa_t = 0.0;  // 1/MPa, isothermal compressibility -(1/v)(dv/dp)_T
};

// p absolute in MPa, t in degC; water from the subregion 1 equations, steam from the
// subregion 2 equations (the same equations ifc_pt_water / ifc_pt_steam evaluate).
// Throws PropertyError where those fail, and where the equations give a state with
// no real speed of sound (cp, cv or kappa_t not positive, far beyond the subregion).
Derivatives67 ifc_derivatives_water(double p_mpa, double t);
Derivatives67 ifc_derivatives_steam(double p_mpa, double t);

}  // namespace entalix::props
