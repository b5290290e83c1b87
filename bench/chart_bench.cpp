// Time to draw the h-s and T-s charts with every line, in each formulation.
#include <benchmark/benchmark.h>

#include "charts/chart.h"

namespace {

using entalix::charts::ChartKind;
using entalix::props::Formulation;

void BM_chart(benchmark::State& bench, ChartKind kind, Formulation formulation, bool full) {
    auto water = entalix::props::make_water_steam(formulation);
    entalix::charts::ChartRequest request;
    request.kind = kind;
    request.view = full ? entalix::charts::full_view(kind) : entalix::charts::default_view(kind);
    request.width = 900;
    request.height = 700;
    request.states.push_back({{1.0, 300.0, 0.2579, 3051.7, 7.1247, 1.0}, ""});
    for (auto _ : bench) {
        entalix::charts::forget_chart_lines();
        benchmark::DoNotOptimize(entalix::charts::chart_drawing(request, *water));
    }
}

// A press that moves only the state, on a chart already drawn: its lines come
// from the kept ones, two states taking turns so that each draw is a new one.
void BM_state_change(benchmark::State& bench, ChartKind kind, Formulation formulation) {
    auto water = entalix::props::make_water_steam(formulation);
    entalix::charts::ChartRequest request;
    request.kind = kind;
    request.view = entalix::charts::default_view(kind);
    request.width = 720;
    request.height = 540;
    const entalix::props::FluidState states[2] = {{1.0, 300.0, 0.2579, 3051.7, 7.1247, 1.0},
                                                  {0.1, 99.61, 1.5, 2500.0, 6.9, 0.93}};
    request.states.push_back({states[0], ""});
    entalix::charts::chart_drawing(request, *water);
    int turn = 0;
    for (auto _ : bench) {
        request.states[0].state = states[++turn % 2];
        benchmark::DoNotOptimize(entalix::charts::chart_drawing(request, *water));
    }
}

BENCHMARK_CAPTURE(BM_chart, hs_if97, ChartKind::HS, Formulation::IF97, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, hs_ifc67, ChartKind::HS, Formulation::IFC67, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, hs_full_if97, ChartKind::HS, Formulation::IF97, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, ts_if97, ChartKind::TS, Formulation::IF97, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, ts_ifc67, ChartKind::TS, Formulation::IFC67, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_state_change, hs_if97, ChartKind::HS, Formulation::IF97)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_state_change, hs_ifc67, ChartKind::HS, Formulation::IFC67)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_state_change, ts_if97, ChartKind::TS, Formulation::IF97)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
