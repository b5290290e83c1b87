// IAPWS-IF97 states for the benchmarks, by region: pressures on a log scale from
// 1 kPa to 100 MPa, temperatures every 7 K from 1 to 2000 degC, 1 K clear of
// saturation; wet states (region 4) at dryness 0.02 to 0.98 up to 22 MPa.
#pragma once

#include <cmath>
#include <vector>

#include "if97/state.h"

namespace entalix::bench {

struct If97Grid {
    std::vector<if97::State> by_region[6];
    std::vector<if97::State> single_phase;
    std::vector<if97::State> region2_high;  // region 2 above 10 MPa, up to the B23 line
};

inline If97Grid make_if97_grid() {
    If97Grid grid;
    for (double step = 0.0; step <= 25.0; step += 1.0) {
        const double p = std::fmin(0.001 * std::pow(1e5, step / 25.0), 100.0);
        for (double t = 1.0; t <= 2000.0; t += 7.0) {
            if (t > 800.0 && p > 50.0) break;
            if (p > 0.000611213 && p < 22.064 && std::fabs(t - if97::saturation_temperature_c(p)) < 1.0) continue;
            const if97::State s = if97::state_pt(p, t);
            grid.by_region[static_cast<int>(s.region)].push_back(s);
            grid.single_phase.push_back(s);
            if (s.region == if97::Region::two && p > 10.0) grid.region2_high.push_back(s);
        }
        if (p < 22.0)
            for (double x = 0.02; x < 1.0; x += 0.12) grid.by_region[4].push_back(if97::state_px(p, x));
    }
    return grid;
}

inline const If97Grid& if97_grid() {
    static const If97Grid grid = make_if97_grid();
    return grid;
}

}  // namespace entalix::bench
