// The properties of a state beyond p, t, v, h, s and x, in public units: those
// that follow from the formulation's derivatives, and the transport properties
// of the IAPWS releases from the state's density and temperature.
#pragma once

#include <string_view>

#include "props/validity.h"

namespace entalix::props {

// rho (kg/m3), u (kJ/kg), cp and cv (kJ/(kg K)), w (m/s), kappa (the isentropic
// exponent w^2/(p v)), mu (Pa s), lambda (W/(m K)), nu (m2/s), Pr.
bool is_more_property(std::string_view name);

// A single-phase state and the derivatives of its formulation's equations.
struct SinglePhase {
    double p = 0.0;        // MPa, absolute
    double t = 0.0;        // degC
    double v = 0.0;        // m3/kg
    double h = 0.0;        // kJ/kg
    double cp = 0.0;       // kJ/(kg K)
    double cv = 0.0;       // kJ/(kg K)
    double w = 0.0;        // m/s
    double kappa_t = 0.0;  // 1/MPa, isothermal compressibility
};
// The named property of the state. With checking on, a transport property
// outside its release's range is refused with the range, and one near its
// edge marked in marks.
double more_property(std::string_view name, const SinglePhase& state, bool checking, Extrapolation& marks);

// A wet state of mixed v and h at p: rho and u follow the lever rule; the
// others have no meaning in two phases and are refused (PropertyRefusal).
double wet_property(std::string_view name, double p, double v, double h);

}  // namespace entalix::props
