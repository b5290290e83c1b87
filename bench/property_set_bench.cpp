// Time of the whole property set of one (p, t) state, transport included, as
// a press computes it: a handful of plant states per IAPWS-IF97 region and on
// each side of IFC-67, the range checked and marked as in a press.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <vector>

#include "props/water_steam.h"

namespace {

using entalix::props::Formulation;
using entalix::props::WaterSteamFor;

struct Point {
    double p;  // MPa
    double t;  // degC
    bool steam;
};

std::vector<Point> points(std::initializer_list<double> ps, std::initializer_list<double> ts, bool steam) {
    std::vector<Point> all;
    for (double p : ps)
        for (double t : ts) all.push_back({p, t, steam});
    return all;
}

// Cycles through the states so that no branch or cache sees one state only.
void run(benchmark::State& bench, Formulation formulation, const std::vector<Point>& states) {
    WaterSteamFor water(formulation);
    std::size_t i = 0;
    for (auto _ : bench) {
        const Point& s = states[i];
        auto set = s.steam ? water->pswA_ptstm_all(s.p, s.t) : water->pswA_ptwtr_all(s.p, s.t);
        benchmark::DoNotOptimize(set);
        if (++i == states.size()) i = 0;
    }
    bench.counters["states"] = static_cast<double>(states.size());
}

// Compressed water, 20 to 250 degC.
const std::vector<Point>& water() {
    static const std::vector<Point> all = points({0.5, 3.0, 10.0, 19.0}, {20.0, 80.0, 150.0}, false);
    return all;
}
// Superheated steam, 0.01 to 10 MPa.
const std::vector<Point>& steam() {
    static const std::vector<Point> all = points({0.01, 0.1, 1.0, 10.0}, {350.0, 450.0, 550.0, 700.0}, true);
    return all;
}

void BM_set_if97_region1(benchmark::State& bench) { run(bench, Formulation::IF97, water()); }
void BM_set_if97_region2(benchmark::State& bench) { run(bench, Formulation::IF97, steam()); }
void BM_set_if97_region3(benchmark::State& bench) {
    // Supercritical and near-critical water and steam at 25 and 30 MPa.
    static const std::vector<Point> all = [] {
        std::vector<Point> a = points({25.0, 30.0}, {355.0, 365.0, 372.0}, false);
        for (const Point& s : points({25.0, 30.0}, {376.0, 380.0, 385.0}, true)) a.push_back(s);
        return a;
    }();
    run(bench, Formulation::IF97, all);
}
void BM_set_if97_region5(benchmark::State& bench) {
    run(bench, Formulation::IF97, points({0.5, 5.0, 20.0}, {900.0, 1200.0, 1600.0}, true));
}
void BM_set_ifc67_water(benchmark::State& bench) { run(bench, Formulation::IFC67, water()); }
void BM_set_ifc67_steam(benchmark::State& bench) { run(bench, Formulation::IFC67, steam()); }

}  // namespace

BENCHMARK(BM_set_if97_region1);
BENCHMARK(BM_set_if97_region2);
BENCHMARK(BM_set_if97_region3);
BENCHMARK(BM_set_if97_region5);
BENCHMARK(BM_set_ifc67_water);
BENCHMARK(BM_set_ifc67_steam);

BENCHMARK_MAIN();
