// The record into which a core state procedure writes one evaluated state.
#pragma once

namespace entalix::props {

// Core units: p in at (absolute), t in degC, v in m^3/kg, h in kcal/kg,
// s in kcal/(kg K), x the vapour mass fraction (0 water, 1 superheated steam).
// Each screen owns one; after a failed call its content is not to be relied on.
struct SteamState {
    double p = 0.0;
    double t = 0.0;
    double v = 0.0;
    double h = 0.0;
    double s = 0.0;
    double x = 0.0;
};

}  // namespace entalix::props
