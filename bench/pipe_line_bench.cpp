// Time of one press of the screen "管道压降与散热" on a 1,000 m line: the
// whole press (reading the fields, the march, writing the results) in each
// formulation, for an insulated superheated steam main, a bare steam line that
// turns wet and a hot-water main.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "equipment/screens.h"
#include "props/water_steam.h"

namespace {

using entalix::props::Formulation;
using entalix::props::WaterSteamFor;
using Typed = std::vector<std::pair<std::string, std::string>>;

void press(benchmark::State& bench, Formulation formulation, const char* event, const Typed& typed) {
    const entalix::shell::ScreenDesc& desc = entalix::equipment::form18();
    entalix::shell::Fields fields = desc.default_fields();
    for (const auto& [name, text] : typed) fields.set(name, text);
    const entalix::shell::EventBinding* binding = desc.find_event(event);
    for (auto _ : bench) {
        WaterSteamFor water(formulation);
        const entalix::shell::Outcome outcome = binding->handler(fields, *water);
        if (outcome.texts.empty()) throw std::logic_error("the press wrote nothing");
        benchmark::DoNotOptimize(outcome);
    }
}

// 1.3 MPa gauge, 300 degC, 30 t/h in DN250 under 100 mm of insulation.
const Typed kSteamMain{{"Text1", "1.3"}, {"Text2", "300"},  {"Text4", "30"},    {"Text5", "250"}, {"Text6", "1000"},
                       {"Text9", "5"},   {"Text11", "100"}, {"Text12", "0.05"}, {"Text13", "273"}};
// Dry saturated steam at 0.6 MPa gauge, 3 t/h through a bare DN100.
const Typed kWetLine{{"Text1", "0.6"},  {"Text3", "100"}, {"Text4", "3"},   {"Text5", "100"},
                     {"Text6", "1000"}, {"Text11", "0"},  {"Text13", "108"}};
// 1.0 MPa gauge, 130 degC, 500 t/h in DN500 under 80 mm of insulation.
const Typed kHotWater{{"Text1", "1"},    {"Text2", "130"}, {"Text4", "500"},   {"Text5", "500"},
                      {"Text6", "1000"}, {"Text11", "80"}, {"Text12", "0.05"}, {"Text13", "530"}};

void BM_SteamMain_IFC67(benchmark::State& s) { press(s, Formulation::IFC67, "Command1_Click", kSteamMain); }
void BM_SteamMain_IF97(benchmark::State& s) { press(s, Formulation::IF97, "Command1_Click", kSteamMain); }
void BM_WetLine_IFC67(benchmark::State& s) { press(s, Formulation::IFC67, "Command2_Click", kWetLine); }
void BM_WetLine_IF97(benchmark::State& s) { press(s, Formulation::IF97, "Command2_Click", kWetLine); }
void BM_HotWater_IFC67(benchmark::State& s) { press(s, Formulation::IFC67, "Command1_Click", kHotWater); }
void BM_HotWater_IF97(benchmark::State& s) { press(s, Formulation::IF97, "Command1_Click", kHotWater); }

BENCHMARK(BM_SteamMain_IFC67)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SteamMain_IF97)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WetLine_IFC67)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WetLine_IF97)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HotWater_IFC67)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HotWater_IF97)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
