// The saturation line: pressure from temperature and its inverse, IFC-67's,
// and in public units that of the formulation of the running calculation.
#pragma once

namespace entalix::props {

// Core units: t in degC, p in at (absolute). Both throw PropertyError.
double ifc_sat_p(double t);
double ifc_sat_t(double p);

// IFC-67 in public units: t in degC, p in MPa (absolute).
double ifc_pswsat_p(double t);
double ifc_pswsat_t(double p);

// The bare line of current_formulation(), for region tests: IFC-67's above, or
// IAPWS-IF97's from 0 degC (611.213 Pa) to its critical point (373.946 degC,
// 22.064 MPa). IAPWS-IF97 has no line beyond: pswsat_p throws PropertyError
// there, while pswsat_t gives the critical temperature above the critical
// pressure (where both sides' equations give the one fluid) and 0 degC below
// 611.213 Pa (where no liquid exists from 0 degC up), so that a test "t below
// the saturation temperature: water" keeps its meaning.
double pswsat_p(double t);
double pswsat_t(double p);

}  // namespace entalix::props
