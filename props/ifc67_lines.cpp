// The critical point and the boundary line of IFC-67 in public units.
#include "props/ifc67_lines.h"

#include "ifc67/steam.h"
#include "ifc67/units.h"

namespace entalix::props::ifc67 {

bool above_critical_pressure(double p_mpa) { return p_mpa / kMPaPerAt > kPc; }
bool at_or_below_critical_temperature(double t) { return reduced_temperature(t) <= 1.0; }
double boundary_pressure(double t) { return ifc_boundary_p(t) * kMPaPerAt; }
double boundary_temperature(double p_mpa) { return ifc_boundary_t(p_mpa / kMPaPerAt); }

}  // namespace entalix::props::ifc67
