// One call of a function of entalix.dll, linked in, beside the library call it
// makes: the water and steam of the formulation built for the call and its
// function called, as entalix-calc does. The layer (the formulation's text
// read, the table's function found, the status and the reason kept for the
// thread) is to cost no more than 100 ns a call.
#include <benchmark/benchmark.h>

#include <vector>

#include "dll/entalix_dll.h"
#include "props/water_steam.h"

namespace {

using entalix::props::Formulation;
using entalix::props::WaterSteamFor;

struct PT {
    double p, t;
};

// Superheated steam of plant lines, 1 to 16 MPa, 360 to 570 degC.
const std::vector<PT>& steam() {
    static const std::vector<PT> states = [] {
        std::vector<PT> out;
        for (int i = 0; i < 16; ++i)
            for (int j = 0; j < 8; ++j) out.push_back({1.0 + i, 360.0 + 30.0 * j});
        return out;
    }();
    return states;
}

template <typename Call>
void run(benchmark::State& bench, Call call) {
    const std::vector<PT>& states = steam();
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(call(states[i]));
        if (++i == states.size()) i = 0;
    }
}

void BM_library_pswh_ptstm(benchmark::State& bench, Formulation formulation) {
    run(bench, [formulation](const PT& s) {
        const WaterSteamFor psw(formulation);
        return psw->pswh_ptstm(s.p, s.t);
    });
}
void BM_dll_pswh_ptstm(benchmark::State& bench, const char* formulation) {
    run(bench, [formulation](const PT& s) { return pswh_ptstm(s.p, s.t, formulation); });
}
void BM_library_pswA_ptstm_cp(benchmark::State& bench, Formulation formulation) {
    run(bench, [formulation](const PT& s) {
        const WaterSteamFor psw(formulation);
        return entalix::props::selected_number(psw->pswA_ptstm("cp", s.p, s.t));
    });
}
void BM_dll_pswA_ptstm_cp(benchmark::State& bench, const char* formulation) {
    run(bench, [formulation](const PT& s) { return pswA_ptstm("cp", s.p, s.t, formulation); });
}

BENCHMARK_CAPTURE(BM_library_pswh_ptstm, IFC67, Formulation::IFC67);
BENCHMARK_CAPTURE(BM_dll_pswh_ptstm, IFC67, "IFC-67");
BENCHMARK_CAPTURE(BM_library_pswh_ptstm, IF97, Formulation::IF97);
BENCHMARK_CAPTURE(BM_dll_pswh_ptstm, IF97, "IAPWS-IF97");
BENCHMARK_CAPTURE(BM_library_pswA_ptstm_cp, IF97, Formulation::IF97);
BENCHMARK_CAPTURE(BM_dll_pswA_ptstm_cp, IF97, "IAPWS-IF97");

}  // namespace

BENCHMARK_MAIN();
