// Superheated steam (IFC-67 subregion 2) from pressure and temperature.
#pragma once

#include "ifc67/steam_state.h"

namespace entalix::props {

// p absolute in at, t in degC. Writes all of state: p and t as given, v, h and s
// from the subregion 2 equations, x = 1. Below the saturation temperature the
// equations give the metastable (extrapolated) vapour; the caller picks the region.
// Throws PropertyError (p <= 0, t <= -273.15, any argument that is not finite).
void ifc_pt_steam(SteamState& state, double p, double t);

// A pressure of the superheated-steam equations with its logarithm taken once, for
// a search along an isobar that evaluates them at many temperatures. The state of
// an isobar and a temperature is, to the last bit, that of (p, t).
struct SteamIsobar {
    double p;        // at, absolute
    double beta;     // reduced pressure
    double ln_beta;  // its natural logarithm
};
// Throws PropertyError as ifc_pt_steam does for the pressure.
SteamIsobar ifc_steam_isobar(double p);
void ifc_pt_steam(SteamState& state, const SteamIsobar& isobar, double t);

// The boundary of subregion 2 towards the critical region above 350 degC, in at:
// the L-function beta_L(theta) times the critical pressure. The superheated-steam
// equations hold at pressures up to it.
double ifc_boundary_p(double t);
// Its inverse: the temperature in degC at which the boundary reaches p (in at),
// on the rising branch of the L-function above 350 degC.
double ifc_boundary_t(double p);

}  // namespace entalix::props
