// IAPWS-IF97 states for the benchmarks, by region: pressures on a log scale from
// 1 kPa to 100 MPa, temperatures every 7 K from 1 to 2000 degC, 1 K clear of
// saturation; wet states (region 4) at dryness 0.02 to 0.98 up to 22 MPa; and
// region 3 below the critical pressure, which the log scale passes over, with
// the wet states there.
#pragma once

#include <cmath>
#include <vector>

#include "if97/state.h"

namespace entalix::bench {

struct If97Grid {
    std::vector<if97::State> by_region[6];
    std::vector<if97::State> single_phase;
    std::vector<if97::State> region2_high;            // region 2 above 10 MPa, up to the B23 line
    std::vector<if97::State> region3_below_critical;  // region 3 from 17 to 22 MPa, water and steam
    std::vector<if97::State> wet_above_623K;          // the wet states of the same pressures
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
    for (const double p : {17.0, 18.5, 20.0, 21.0, 22.0})
        for (double t = 351.0; t <= 400.0; t += 2.0) {
            const if97::State s = if97::state_pt(p, t);
            if (s.region == if97::Region::three && std::fabs(t - if97::saturation_temperature_c(p)) >= 1.0)
                grid.region3_below_critical.push_back(s);
        }
    for (const double p : {17.0, 18.5, 20.0, 21.0, 22.0})
        for (double x = 0.02; x < 1.0; x += 0.12) {
            grid.by_region[4].push_back(if97::state_px(p, x));
            grid.wet_above_623K.push_back(grid.by_region[4].back());
        }
    return grid;
}

inline const If97Grid& if97_grid() {
    static const If97Grid grid = make_if97_grid();
    return grid;
}

}  // namespace entalix::bench
