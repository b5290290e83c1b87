// What IFC-67's step lists test beside the properties: its critical point in
// the units of its equations, and the boundary line between its superheated
// steam and the critical region.
#pragma once

namespace entalix::props::ifc67 {

// Above the critical pressure of IFC-67 (225.56 at, about 22.12 MPa), compared
// in at as the equations reduce it.
bool above_critical_pressure(double p_mpa);
// At or below the critical temperature (374.15 degC), as a reduced temperature.
bool at_or_below_critical_temperature(double t);
// The boundary line L of the superheated-steam equations: its pressure (MPa)
// at t (degC), and its temperature at p (MPa).
double boundary_pressure(double t);
double boundary_temperature(double p_mpa);

}  // namespace entalix::props::ifc67
