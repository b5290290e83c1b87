// The properties of a state beyond p, t, v, h, s and x, in public units: those
// that follow from the formulation's derivatives, and the transport properties
// of the IAPWS releases from the state's density and temperature.
#pragma once

#include <string>
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

// Every property of one state at once. For a wet state (wet true) cp to Pr
// are NaN; where a transport release refuses the state (with checking on) mu,
// lambda, nu and Pr are NaN and refusal holds its words.
struct PropertySet {
    double p = 0.0, t = 0.0, v = 0.0, h = 0.0, s = 0.0, x = 0.0;
    double rho = 0.0, u = 0.0;
    double cp = 0.0, cv = 0.0, w = 0.0, kappa = 0.0;
    double mu = 0.0, lambda = 0.0, nu = 0.0, Pr = 0.0;
    bool wet = false;
    std::string refusal;
};
// The set of a single-phase state with its entropy s and vapour fraction x:
// the viscosity is computed once and serves lambda, nu and Pr.
PropertySet single_phase_set(const SinglePhase& state, double s, double x, bool checking, Extrapolation& marks);
// The member of a set by its selector name (p, t, v, h, s, x and the names
// above); one the state does not have refused with the set's refusal.
double set_member(const PropertySet& set, std::string_view name);
// The set of a wet state: rho and u from the lever rule, the rest NaN.
PropertySet wet_set(double p, double t, double v, double h, double s, double x);

// A wet state of mixed v and h at p: rho and u follow the lever rule; the
// others have no meaning in two phases and are refused (PropertyRefusal).
double wet_property(std::string_view name, double p, double v, double h);

}  // namespace entalix::props
