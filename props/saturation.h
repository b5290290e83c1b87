// The IFC-67 saturation line: pressure from temperature and its inverse.
#pragma once

namespace entalix::props {

// Core units: t in degC, p in at (absolute). Both throw PropertyError.
double ifc_sat_p(double t);
double ifc_sat_t(double p);

// Public units: t in degC, p in MPa (absolute).
double pswsat_p(double t);
double pswsat_t(double p);

}  // namespace entalix::props
