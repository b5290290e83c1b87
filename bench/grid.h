// Ordinary plant states for the benchmarks: 0.001 to 19 MPa, 1 to 800 degC, each
// in its own region, with the enthalpy and entropy of each for the inverses.
#pragma once

#include <cmath>
#include <vector>

#include "base/property_error.h"
#include "ifc67/inverse.h"
#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "ifc67/water.h"

namespace entalix::bench {

struct GridState {
    double p;  // at
    double t;  // degC
    double h;  // kcal/kg
    double s;  // kcal/(kg K)
};

struct Grid {
    std::vector<GridState> water;
    std::vector<GridState> steam;
};

// About 20 pressures on a log scale and temperatures every 10 K, at least 1 K
// from saturation; states whose inverse fails (water close to saturation at high
// pressure) are left out, so every timed call succeeds.
inline Grid make_grid() {
    using namespace entalix::props;
    Grid grid;
    for (double p_mpa = 0.001; p_mpa <= 19.0 * 1.0001; p_mpa *= std::pow(19000.0, 1.0 / 19.0)) {
        const double p = p_mpa / kMPaPerAt;
        const double ts = ifc_sat_t(p);
        for (double t = 1.0; t <= 800.0; t += 10.0) {
            if (std::fabs(t - ts) < 1.0) continue;
            SteamState state, check;
            try {
                if (t < ts) {
                    ifc_pt_water(state, p, t);
                    ifc_ph(check, p, state.h);
                    ifc_ps(check, p, state.s);
                    grid.water.push_back({p, t, state.h, state.s});
                } else {
                    ifc_pt_steam(state, p, t);
                    ifc_ph(check, p, state.h);
                    ifc_ps(check, p, state.s);
                    grid.steam.push_back({p, t, state.h, state.s});
                }
            } catch (const PropertyError&) {
            }
        }
    }
    return grid;
}

}  // namespace entalix::bench
