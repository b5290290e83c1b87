// The saturation line of IFC-67: pressure from temperature and its inverse.
#pragma once

namespace entalix::props {

// Core units: t in degC, p in at (absolute). Both throw PropertyError.
double ifc_sat_p(double t);
double ifc_sat_t(double p);

// IFC-67 in public units: t in degC, p in MPa (absolute).
double ifc_pswsat_p(double t);
double ifc_pswsat_t(double p);

}  // namespace entalix::props
