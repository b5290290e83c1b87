// IFC-67 states from enthalpy and entropy, solved on the formulation's own
// equations from a start near the answer (the IAPWS-IF97 state of the pair).
#pragma once

#include "ifc67/steam_state.h"

namespace entalix::props {

// Where the IFC-67 state of (h, s) is sought first.
enum class Hs67Start { Water, Wet, Steam };

// The state of enthalpy h (kJ/kg) and entropy s (kJ/(kg K)) in core units,
// searched from p0 (MPa) and t0 (degC): compressed water on the water
// equations, superheated steam on the steam equations, each on its own side
// of the saturation line; a wet state by the lever rule between them.
// PropertyError where none of the three holds the pair. The range is the
// caller's to check.
SteamState ifc67_state_hs(double h, double s, double p0, double t0, Hs67Start first);

}  // namespace entalix::props
