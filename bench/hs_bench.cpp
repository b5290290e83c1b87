// Time of one state from (h, s), as a press or a call asks for it through the
// water and steam of a formulation (range checked): plant states per
// IAPWS-IF97 region and of the wet band, and the same pairs with IFC-67. The
// pairs are made once, before the timing, from (p, t) or (p, x).
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "if97/state.h"
#include "props/water_steam.h"

namespace {

using entalix::props::Formulation;
using entalix::props::WaterSteamFor;
using Pair = std::pair<double, double>;  // h kJ/kg, s kJ/(kg K)

std::vector<Pair> from_pt(std::initializer_list<double> ps, std::initializer_list<double> ts) {
    std::vector<Pair> all;
    for (double p : ps)
        for (double t : ts) {
            const auto s = entalix::if97::state_pt(p, t);
            all.emplace_back(s.h, s.s);
        }
    return all;
}

std::vector<Pair> from_px(std::initializer_list<double> ps, std::initializer_list<double> xs) {
    std::vector<Pair> all;
    for (double p : ps)
        for (double x : xs) {
            const auto s = entalix::if97::state_px(p, x);
            all.emplace_back(s.h, s.s);
        }
    return all;
}

// Cycles through the pairs so that no branch or cache sees one state only.
void run(benchmark::State& bench, Formulation formulation, const std::vector<Pair>& pairs) {
    WaterSteamFor water(formulation);
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(water->pswt_hs(pairs[i].first, pairs[i].second));
        if (++i == pairs.size()) i = 0;
    }
    bench.counters["states"] = static_cast<double>(pairs.size());
}

// Compressed water, 20 to 250 degC.
const std::vector<Pair>& water() {
    static const auto all = from_pt({0.5, 3.0, 10.0, 19.0}, {20.0, 80.0, 150.0, 250.0});
    return all;
}
// Superheated steam, 0.01 to 17 MPa.
const std::vector<Pair>& steam() {
    static const auto all = from_pt({0.01, 0.1, 1.0, 10.0, 17.0}, {380.0, 450.0, 550.0, 700.0});
    return all;
}
// Wet steam of a turbine's last stages and of heaters, 4 kPa to 3 MPa.
const std::vector<Pair>& wet() {
    static const auto all = from_px({0.004, 0.01, 0.1, 0.5, 3.0}, {0.86, 0.92, 0.98});
    return all;
}
// Region 3: supercritical water and steam at 25 and 30 MPa.
const std::vector<Pair>& dense() {
    static const auto all = from_pt({25.0, 30.0}, {355.0, 372.0, 380.0, 390.0});
    return all;
}
// The wet band above 623.15 K, where its saturated states are region 3's.
const std::vector<Pair>& wet_near_critical() {
    static const auto all = from_px({17.0, 19.0, 21.0}, {0.2, 0.8});
    return all;
}

// Region 3 within 10 K and 1 MPa of the critical point, on both sides.
const std::vector<Pair>& near_critical() {
    static const auto all = from_pt({22.1, 22.5, 23.0}, {374.5, 376.0, 378.0, 381.0, 385.0});
    return all;
}
// Saturated water and steam, 0.01 to 21 MPa.
const std::vector<Pair>& saturated() {
    static const auto all = from_px({0.01, 1.0, 10.0, 16.0, 19.0, 21.0}, {0.0, 1.0});
    return all;
}
// The range's edges and the lines between regions: 0 degC, 623.15 K above
// 16.5 MPa, 100 MPa, 800 and 2000 degC.
const std::vector<Pair>& edges() {
    static const auto all = [] {
        auto pairs = from_pt({1.0, 19.0, 30.0, 100.0}, {0.0, 350.0});
        for (const Pair& pair : from_pt({100.0}, {490.0, 590.0, 800.0})) pairs.push_back(pair);
        for (const Pair& pair : from_pt({0.1, 10.0, 50.0}, {800.0, 1200.0, 2000.0})) pairs.push_back(pair);
        return pairs;
    }();
    return all;
}

void BM_hs_if97_water(benchmark::State& b) { run(b, Formulation::IF97, water()); }
void BM_hs_if97_steam(benchmark::State& b) { run(b, Formulation::IF97, steam()); }
void BM_hs_if97_wet(benchmark::State& b) { run(b, Formulation::IF97, wet()); }
void BM_hs_if97_region3(benchmark::State& b) { run(b, Formulation::IF97, dense()); }
void BM_hs_if97_wet_near_critical(benchmark::State& b) { run(b, Formulation::IF97, wet_near_critical()); }
void BM_hs_if97_near_critical(benchmark::State& b) { run(b, Formulation::IF97, near_critical()); }
void BM_hs_if97_saturated(benchmark::State& b) { run(b, Formulation::IF97, saturated()); }
void BM_hs_if97_edges(benchmark::State& b) { run(b, Formulation::IF97, edges()); }
void BM_hs_ifc67_water(benchmark::State& b) { run(b, Formulation::IFC67, water()); }
void BM_hs_ifc67_steam(benchmark::State& b) { run(b, Formulation::IFC67, steam()); }
void BM_hs_ifc67_wet(benchmark::State& b) { run(b, Formulation::IFC67, wet()); }

BENCHMARK(BM_hs_if97_water);
BENCHMARK(BM_hs_if97_steam);
BENCHMARK(BM_hs_if97_wet);
BENCHMARK(BM_hs_if97_region3);
BENCHMARK(BM_hs_if97_wet_near_critical);
BENCHMARK(BM_hs_if97_near_critical);
BENCHMARK(BM_hs_if97_saturated);
BENCHMARK(BM_hs_if97_edges);
BENCHMARK(BM_hs_ifc67_water);
BENCHMARK(BM_hs_ifc67_steam);
BENCHMARK(BM_hs_ifc67_wet);

}  // namespace

BENCHMARK_MAIN();
