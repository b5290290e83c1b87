// One pass of the forward procedures over the benchmark states, for counting
// instructions per evaluation under callgrind (see README.md): the inclusive cost
// of pass_water and pass_steam divided by the number of calls printed.
#include <cstdio>
#include <vector>

#include "bench/grid.h"

namespace {

using entalix::bench::GridState;

[[gnu::noinline]] double pass_water(const std::vector<GridState>& states) {
    entalix::props::SteamState state;
    double sum = 0.0;
    for (const GridState& g : states) {
        entalix::props::ifc_pt_water(state, g.p, g.t);
        sum += state.v + state.h + state.s;
    }
    return sum;
}

[[gnu::noinline]] double pass_steam(const std::vector<GridState>& states) {
    entalix::props::SteamState state;
    double sum = 0.0;
    for (const GridState& g : states) {
        entalix::props::ifc_pt_steam(state, g.p, g.t);
        sum += state.v + state.h + state.s;
    }
    return sum;
}

}  // namespace

int main() {
    const entalix::bench::Grid grid = entalix::bench::make_grid();
    const double sum = pass_water(grid.water) + pass_steam(grid.steam);
    std::printf(
        "pass_water: %zu calls of ifc_pt_water\npass_steam: %zu calls of ifc_pt_steam\n"
        "(checksum %.6f)\n",
        grid.water.size(), grid.steam.size(), sum);
}
