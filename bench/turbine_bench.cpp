// One press of the turbine screen, as a host runs it (the water and steam built
// for the press, the fields read, every result written), in each formulation:
// a stage by its efficiency and by its measured exhaust, a wet inlet to the
// condenser, and a valve.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "equipment/screens.h"
#include "shell/controller.h"

namespace {

using entalix::props::Formulation;
using Typed = std::vector<std::pair<const char*, const char*>>;

struct Press {
    const char* name;
    const char* event;
    Typed typed;
};

const Press kPresses[] = {
    {"by_efficiency_hp_stage",
     "Command1_Click",
     {{"Text1", "16.6"}, {"Text2", "537"}, {"Text4", "3.5"}, {"Text5", "88"}, {"Text8", "650"}}},
    {"by_outlet_temperature",
     "Command2_Click",
     {{"Text1", "0.9"}, {"Text2", "300"}, {"Text4", "0"}, {"Text6", "150"}, {"Text8", "10"}}},
    {"wet_inlet_to_condenser",
     "Command5_Click",
     {{"Text1", "0.4"}, {"Text3", "95"}, {"Text4", "-0.09"}, {"Text5", "80"}, {"Text8", "1"}}},
    {"valve_wet_steam", "Command7_Click", {{"Text1", "0.9"}, {"Text3", "98"}, {"Text4", "0"}}},
};

void press(benchmark::State& state, const Press& p, Formulation formulation) {
    const entalix::shell::ScreenDesc& desc = entalix::equipment::form20();
    entalix::shell::Fields fields = desc.default_fields();
    fields.set_formulation(formulation);
    fields.set("Text7", "0.1");
    for (const auto& [field, text] : p.typed) fields.set(field, text);
    for (auto _ : state) {
        auto outcome = entalix::shell::run_event(desc, p.event, fields);
        if (!outcome || outcome->failed) state.SkipWithError("the press failed");
        benchmark::DoNotOptimize(outcome);
    }
}

const bool kRegistered = [] {
    for (const Press& p : kPresses) {
        benchmark::RegisterBenchmark((std::string("ifc67_") + p.name).c_str(), press, p, Formulation::IFC67)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("if97_") + p.name).c_str(), press, p, Formulation::IF97)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
