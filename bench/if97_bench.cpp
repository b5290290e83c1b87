// Time per call of the IAPWS-IF97 states: (p, T) by region, and the (p, h) and
// (p, s) inverses by region (region 2 also above 10 MPa alone, and the wet
// states), over states from 1 kPa to 100 MPa and 1 to 2000 degC (bench/if97_grid.h);
// then IAPWS-IF97 beside IFC-67 on the same ordinary states (bench/grid.h), in
// one run so that both see the same machine.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "base/property_error.h"
#include "bench/grid.h"
#include "bench/if97_grid.h"
#include "bench/if97_minimal.h"
#include "if97/state.h"

namespace {

using entalix::if97::Region;
using entalix::if97::State;

const entalix::bench::If97Grid& grid() { return entalix::bench::if97_grid(); }

// Cycles through the states so that no branch or cache sees one state only.
template <typename Call>
void run(benchmark::State& bench, const std::vector<State>& states, Call call) {
    std::size_t i = 0;
    for (auto _ : bench) {
        State out = call(states[i]);
        benchmark::DoNotOptimize(out);
        if (++i == states.size()) i = 0;
    }
    bench.counters["states"] = static_cast<double>(states.size());
}

void BM_if97_pt_region1(benchmark::State& bench) {
    run(bench, grid().by_region[1], [](const State& s) { return entalix::if97::state_pt(s.p, s.t); });
}
void BM_if97_pt_region2(benchmark::State& bench) {
    run(bench, grid().by_region[2], [](const State& s) { return entalix::if97::state_pt(s.p, s.t); });
}
// The floor: a minimal evaluation of v, h and s on the same states (bench/if97_minimal.h).
void BM_minimal_pt_region1(benchmark::State& bench) {
    run(bench, grid().by_region[1], [](const State& s) {
        const entalix::bench::Vhs m = entalix::bench::minimal_region1(s.p, s.t + 273.15);
        return State{s.p, s.t, m.v, m.h, m.s};
    });
}
void BM_minimal_pt_region2(benchmark::State& bench) {
    run(bench, grid().by_region[2], [](const State& s) {
        const entalix::bench::Vhs m = entalix::bench::minimal_region2(s.p, s.t + 273.15);
        return State{s.p, s.t, m.v, m.h, m.s};
    });
}
void BM_if97_pt_region3(benchmark::State& bench) {
    run(bench, grid().by_region[3], [](const State& s) { return entalix::if97::state_pt(s.p, s.t); });
}
void BM_if97_pt_region5(benchmark::State& bench) {
    run(bench, grid().by_region[5], [](const State& s) { return entalix::if97::state_pt(s.p, s.t); });
}
void BM_if97_ph_region1(benchmark::State& bench) {
    run(bench, grid().by_region[1], [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ph_region2(benchmark::State& bench) {
    run(bench, grid().by_region[2], [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ph_region3(benchmark::State& bench) {
    run(bench, grid().by_region[3], [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ph_region2_high(benchmark::State& bench) {
    run(bench, grid().region2_high, [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ph_region3_below_critical(benchmark::State& bench) {
    run(bench, grid().region3_below_critical, [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ph_wet(benchmark::State& bench) {
    run(bench, grid().by_region[4], [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ph_wet_above_623K(benchmark::State& bench) {
    run(bench, grid().wet_above_623K, [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ph_region5(benchmark::State& bench) {
    run(bench, grid().by_region[5], [](const State& s) { return entalix::if97::state_ph(s.p, s.h); });
}
void BM_if97_ps_region1(benchmark::State& bench) {
    run(bench, grid().by_region[1], [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_ps_region2(benchmark::State& bench) {
    run(bench, grid().by_region[2], [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_ps_region3(benchmark::State& bench) {
    run(bench, grid().by_region[3], [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_ps_region2_high(benchmark::State& bench) {
    run(bench, grid().region2_high, [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_ps_region3_below_critical(benchmark::State& bench) {
    run(bench, grid().region3_below_critical, [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_ps_wet(benchmark::State& bench) {
    run(bench, grid().by_region[4], [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_ps_wet_above_623K(benchmark::State& bench) {
    run(bench, grid().wet_above_623K, [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_ps_region5(benchmark::State& bench) {
    run(bench, grid().by_region[5], [](const State& s) { return entalix::if97::state_ps(s.p, s.s); });
}
void BM_if97_th_all(benchmark::State& bench) {
    run(bench, grid().single_phase, [](const State& s) { return entalix::if97::state_th(s.t, s.h); });
}

// The ordinary states of the IFC-67 benchmarks, in each formulation's units.
const entalix::bench::Grid& ordinary() {
    static const entalix::bench::Grid g = entalix::bench::make_grid();
    return g;
}

template <typename Call>
void over(benchmark::State& bench, const std::vector<entalix::bench::GridState>& states, Call call) {
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(call(states[i]));
        if (++i == states.size()) i = 0;
    }
    bench.counters["states"] = static_cast<double>(states.size());
}

using entalix::bench::GridState;
using entalix::props::kKJPerKcal;
using entalix::props::kMPaPerAt;

void BM_side_by_side_ifc67_pt_water(benchmark::State& bench) {
    over(bench, ordinary().water, [](const GridState& g) {
        entalix::props::SteamState s;
        entalix::props::ifc_pt_water(s, g.p, g.t);
        return s.v + s.h + s.s;
    });
}
void BM_side_by_side_if97_pt_water(benchmark::State& bench) {
    over(bench, ordinary().water, [](const GridState& g) {
        const State s = entalix::if97::state_pt(g.p * kMPaPerAt, g.t);
        return s.v + s.h + s.s;
    });
}
void BM_side_by_side_ifc67_pt_steam(benchmark::State& bench) {
    over(bench, ordinary().steam, [](const GridState& g) {
        entalix::props::SteamState s;
        entalix::props::ifc_pt_steam(s, g.p, g.t);
        return s.v + s.h + s.s;
    });
}
void BM_side_by_side_if97_pt_steam(benchmark::State& bench) {
    over(bench, ordinary().steam, [](const GridState& g) {
        const State s = entalix::if97::state_pt(g.p * kMPaPerAt, g.t);
        return s.v + s.h + s.s;
    });
}
void BM_side_by_side_ifc67_ph_steam(benchmark::State& bench) {
    over(bench, ordinary().steam, [](const GridState& g) {
        entalix::props::SteamState s;
        entalix::props::ifc_ph(s, g.p, g.h);
        return s.t;
    });
}
void BM_side_by_side_if97_ph_steam(benchmark::State& bench) {
    over(bench, ordinary().steam,
         [](const GridState& g) { return entalix::if97::state_ph(g.p * kMPaPerAt, g.h * kKJPerKcal).t; });
}
void BM_side_by_side_ifc67_ps_steam(benchmark::State& bench) {
    over(bench, ordinary().steam, [](const GridState& g) {
        entalix::props::SteamState s;
        entalix::props::ifc_ps(s, g.p, g.s);
        return s.t;
    });
}
void BM_side_by_side_if97_ps_steam(benchmark::State& bench) {
    over(bench, ordinary().steam,
         [](const GridState& g) { return entalix::if97::state_ps(g.p * kMPaPerAt, g.s * kKJPerKcal).t; });
}

BENCHMARK(BM_if97_pt_region1);
BENCHMARK(BM_if97_pt_region2);
BENCHMARK(BM_minimal_pt_region1);
BENCHMARK(BM_minimal_pt_region2);
BENCHMARK(BM_if97_pt_region3);
BENCHMARK(BM_if97_pt_region5);
BENCHMARK(BM_if97_ph_region1);
BENCHMARK(BM_if97_ph_region2);
BENCHMARK(BM_if97_ph_region3);
BENCHMARK(BM_if97_ph_region2_high);
BENCHMARK(BM_if97_ph_region3_below_critical);
BENCHMARK(BM_if97_ph_wet);
BENCHMARK(BM_if97_ph_wet_above_623K);
BENCHMARK(BM_if97_ph_region5);
BENCHMARK(BM_if97_ps_region1);
BENCHMARK(BM_if97_ps_region2);
BENCHMARK(BM_if97_ps_region3);
BENCHMARK(BM_if97_ps_region2_high);
BENCHMARK(BM_if97_ps_region3_below_critical);
BENCHMARK(BM_if97_ps_wet);
BENCHMARK(BM_if97_ps_wet_above_623K);
BENCHMARK(BM_if97_ps_region5);
BENCHMARK(BM_if97_th_all);
BENCHMARK(BM_side_by_side_ifc67_pt_water);
BENCHMARK(BM_side_by_side_if97_pt_water);
BENCHMARK(BM_side_by_side_ifc67_pt_steam);
BENCHMARK(BM_side_by_side_if97_pt_steam);
BENCHMARK(BM_side_by_side_ifc67_ph_steam);
BENCHMARK(BM_side_by_side_if97_ph_steam);
BENCHMARK(BM_side_by_side_ifc67_ps_steam);
BENCHMARK(BM_side_by_side_if97_ps_steam);

}  // namespace

BENCHMARK_MAIN();
