// States from pressure and enthalpy or entropy: the region test against the
// saturated liquid and vapour, the lever rule, and searches on the forward equations.
#pragma once

#include "ifc67/steam_state.h"

namespace entalix::props {

// p absolute in at, h in kcal/kg. Writes all of state (h as given); x = 0 for
// compressed water, 1 for superheated steam, the lever-rule fraction for wet steam.
// Throws PropertyError, among others for every p above 201.36 at, where the
// saturated-liquid equations end.
void ifc_ph(SteamState& state, double p, double h);

// p absolute in at, s in kcal/(kg K). Writes all of state; compressed water keeps
// the entropy of its last evaluation, the other regions the given s.
void ifc_ps(SteamState& state, double p, double s);

}  // namespace entalix::props
