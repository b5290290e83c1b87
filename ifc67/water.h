// Compressed water (IFC-67 subregion 1) from pressure and temperature.
#pragma once

#include "ifc67/steam_state.h"

namespace entalix::props {

// p absolute in at, t in degC. Writes all of state: p and t as given, v, h and s
// from the subregion 1 equations, x = 0. The equations are evaluated wherever they
// stay finite, whether or not the state is liquid; the caller picks the region.
// Throws PropertyError (the square root of Z turns negative towards the critical
// point, t = -273.15, any argument that is not finite).
void ifc_pt_water(SteamState& state, double p, double t);

}  // namespace entalix::props
