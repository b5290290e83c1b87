// Time per call of the transport properties over liquid, steam and near-critical
// states: what a screen showing every property of a state adds to the state itself.
#include <benchmark/benchmark.h>

#include <array>

#include "transport/transport.h"

namespace {

using entalix::transport::ConductivityState;

// Roughly (T in K, rho in kg/m^3, cp and cv in kJ/(kg K), d rho/d p in kg/(m^3 MPa)):
// cold water, feedwater, steam at 0.3 MPa, near the critical point, hot steam.
constexpr std::array<ConductivityState, 5> kStates = {{
    {298.15, 997.0, 4.18, 4.13, 0.45, 0.0},
    {493.15, 850.0, 4.50, 3.50, 0.92, 0.0},
    {650.0, 1.0, 2.07, 1.60, 3.3, 0.0},
    {647.35, 322.0, 400.0, 6.0, 1.2e4, 0.0},
    {800.0, 218.0, 5.9, 2.5, 9.0, 0.0},
}};

template <typename Call>
void run(benchmark::State& bench, Call call) {
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(call(kStates[i]));
        if (++i == kStates.size()) i = 0;
    }
}

void BM_viscosity(benchmark::State& bench) {
    run(bench, [](const ConductivityState& s) { return entalix::transport::viscosity(s.T, s.rho); });
}
void BM_thermal_conductivity(benchmark::State& bench) {
    run(bench, [](ConductivityState s) {
        s.mu = entalix::transport::viscosity(s.T, s.rho);
        return entalix::transport::thermal_conductivity(s);
    });
}
void BM_surface_tension(benchmark::State& bench) {
    run(bench,
        [](const ConductivityState& s) { return entalix::transport::surface_tension(s.T < 647.0 ? s.T : 600.0); });
}

BENCHMARK(BM_viscosity);
BENCHMARK(BM_thermal_conductivity);
BENCHMARK(BM_surface_tension);

}  // namespace

BENCHMARK_MAIN();
