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
    for (auto _ : bench) benchmark::DoNotOptimize(entalix::charts::chart_drawing(request, *water));
}

BENCHMARK_CAPTURE(BM_chart, hs_if97, ChartKind::HS, Formulation::IF97, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, hs_ifc67, ChartKind::HS, Formulation::IFC67, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, hs_full_if97, ChartKind::HS, Formulation::IF97, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, ts_if97, ChartKind::TS, Formulation::IF97, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_chart, ts_ifc67, ChartKind::TS, Formulation::IFC67, false)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
