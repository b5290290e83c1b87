// Time per call of the state procedures and of the derivatives over ordinary plant states.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/grid.h"
#include "ifc67/derivatives.h"
#include "ifc67/units.h"

namespace {

using entalix::bench::GridState;
using entalix::props::SteamState;

const entalix::bench::Grid& grid() {
    static const entalix::bench::Grid g = entalix::bench::make_grid();
    return g;
}

// Cycles through the states so that no branch or cache sees one state only.
template <typename Call>
void run(benchmark::State& bench, const std::vector<GridState>& states, Call call) {
    SteamState state;
    std::size_t i = 0;
    for (auto _ : bench) {
        call(state, states[i]);
        benchmark::DoNotOptimize(state);
        if (++i == states.size()) i = 0;
    }
    bench.counters["states"] = static_cast<double>(states.size());
}

// The same for the derivatives, which return their record and take p in MPa.
template <typename Call>
void run_derivatives(benchmark::State& bench, const std::vector<GridState>& states, Call call) {
    std::size_t i = 0;
    for (auto _ : bench) {
        const entalix::props::Derivatives67 d = call(states[i].p * entalix::props::kMPaPerAt, states[i].t);
        benchmark::DoNotOptimize(d);
        if (++i == states.size()) i = 0;
    }
    bench.counters["states"] = static_cast<double>(states.size());
}

void BM_ifc_pt_water(benchmark::State& bench) {
    run(bench, grid().water, [](SteamState& s, const GridState& g) { entalix::props::ifc_pt_water(s, g.p, g.t); });
}
void BM_ifc_pt_steam(benchmark::State& bench) {
    run(bench, grid().steam, [](SteamState& s, const GridState& g) { entalix::props::ifc_pt_steam(s, g.p, g.t); });
}
void BM_ifc_ph_water(benchmark::State& bench) {
    run(bench, grid().water, [](SteamState& s, const GridState& g) { entalix::props::ifc_ph(s, g.p, g.h); });
}
void BM_ifc_ph_steam(benchmark::State& bench) {
    run(bench, grid().steam, [](SteamState& s, const GridState& g) { entalix::props::ifc_ph(s, g.p, g.h); });
}
void BM_ifc_ps_water(benchmark::State& bench) {
    run(bench, grid().water, [](SteamState& s, const GridState& g) { entalix::props::ifc_ps(s, g.p, g.s); });
}
void BM_ifc_ps_steam(benchmark::State& bench) {
    run(bench, grid().steam, [](SteamState& s, const GridState& g) { entalix::props::ifc_ps(s, g.p, g.s); });
}
void BM_ifc_derivatives_water(benchmark::State& bench) {
    run_derivatives(bench, grid().water, entalix::props::ifc_derivatives_water);
}
void BM_ifc_derivatives_steam(benchmark::State& bench) {
    run_derivatives(bench, grid().steam, entalix::props::ifc_derivatives_steam);
}

BENCHMARK(BM_ifc_pt_water);
BENCHMARK(BM_ifc_pt_steam);
BENCHMARK(BM_ifc_ph_water);
BENCHMARK(BM_ifc_ph_steam);
BENCHMARK(BM_ifc_ps_water);
BENCHMARK(BM_ifc_ps_steam);
BENCHMARK(BM_ifc_derivatives_water);
BENCHMARK(BM_ifc_derivatives_steam);

}  // namespace

BENCHMARK_MAIN();
