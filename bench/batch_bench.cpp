// One request line of entalix-calc's batch, answered whole (read, computed,
// written): a screen event and property calls in each formulation.
#include <benchmark/benchmark.h>

#include <string>

#include "cli/batch.h"

namespace {

using entalix::props::Formulation;

void line(benchmark::State& state, const std::string& request, Formulation formulation) {
    std::string answer;
    for (auto _ : state) {
        answer = entalix::cli::answer_json_line(request, formulation);
        benchmark::DoNotOptimize(answer);
    }
    state.SetLabel(answer.substr(0, 60));
}

const std::string kScreenEvent = R"({"screen": "Form8", "event": "Command2_Click", "fields": {"Text2": "1.2"}})";
const std::string kPropertyCall = R"({"call": "pswh_ptstm", "args": [5.5, 480], "id": 7})";
const std::string kNamedFormulation =
    R"({"call": "pswh_ptstm", "args": [5.5, 480], "formulation": "IAPWS-IF97", "id": 7})";

BENCHMARK_CAPTURE(line, screen_event_ifc67, kScreenEvent, Formulation::IFC67)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(line, screen_event_if97, kScreenEvent, Formulation::IF97)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(line, property_call_ifc67, kPropertyCall, Formulation::IFC67)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(line, property_call_if97, kPropertyCall, Formulation::IF97)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(line, property_call_named_if97, kNamedFormulation, Formulation::IFC67)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
