// Runs a random calculation event of a random screen with random field texts,
// in either formulation, and checks the promises of every press, including that it ends in time.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "shell/controller.h"
#include "tests/support/invariants.h"

namespace {

using namespace entalix;

// A press of a steam calculator answers within a millisecond; a second means a runaway scan.
constexpr auto kPressBound = std::chrono::seconds(1);

// Texts near the edges of the formulation and of the screens' limits.
const std::vector<std::string>& boundary_texts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t = testing::hostile_texts();
        for (const char* s : {"0.001", "0.0011", "0.1",    "0.101325", "1.0983",  "2.212",  "13",      "14.7", "16.5",
                              "19.7",  "20",     "21",     "22.0",     "25",      "99.999", "100.001", "0.01", "4",
                              "3.98",  "40",     "150",    "179.88",   "310.96",  "350",    "364",     "365",  "380",
                              "406",   "450",    "600",    "799.999",  "2600",    "3000",   "419.7",   "2675", "2800",
                              "3300",  "4000",   "0.0010", "0.00102",  "0.2",     "1000",   "5.0",     "7.5",  "8.5",
                              "50",    "150%",   "-5",     "1.5e1",    "1,000.5", "０.５"})
            t.push_back(s);
        return t;
    }();
    return texts;
}

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<catalog::EventRef> events = catalog::calculation_events();
    FuzzedDataProvider in(data, size);
    const catalog::EventRef& ref = events[in.ConsumeIntegralInRange<std::size_t>(0, events.size() - 1)];
    struct {
        shell::ScreenId screen;
        const std::string& event;
    } e{ref.screen, ref.binding->event};
    const shell::ScreenDesc& desc = catalog::screen_desc(e.screen);
    shell::Fields fields = desc.default_fields();
    std::string typed;
    for (const shell::ControlDesc* field : desc.typed_fields()) {
        const shell::ControlDesc& f = *field;
        std::string text;
        if (f.meaning.role == shell::Role::TickBox) {
            text = in.ConsumeBool() ? "1" : "0";
        } else {
            switch (in.ConsumeIntegralInRange(0, 3)) {
                case 0:
                    text = f.text;
                    break;
                case 1:
                    text = in.PickValueInArray({std::string("0.0983"), std::string("1"), std::string("300")});
                    break;
                case 2:
                    text = boundary_texts()[in.ConsumeIntegralInRange<std::size_t>(0, boundary_texts().size() - 1)];
                    break;
                default:
                    text = in.ConsumeRandomLengthString(64);
                    break;
            }
        }
        typed += f.name + "=\"" + text + "\" ";
        fields.set(f.name, text);
    }
    // Taken last, so that an input of the corpus that ends before it keeps IFC-67.
    fields.set_formulation(in.ConsumeBool() ? props::Formulation::IF97 : props::Formulation::IFC67);
    typed += std::string(props::formulation_name(fields.formulation()));
    const auto start = std::chrono::steady_clock::now();
    std::optional<shell::Outcome> outcome;
    try {
        outcome = shell::run_event(desc, e.event, fields);
    } catch (const std::exception& ex) {
        fail("an exception escaped the press: " + std::string(ex.what()) + " in " + shell::screen_name(e.screen) + " " +
             e.event + " " + typed);
    }
    if (std::chrono::steady_clock::now() - start > kPressBound)
        fail("a press ran past its bound: " + shell::screen_name(e.screen) + " " + e.event + " " + typed);
    if (!outcome) fail("an event without a handler");
    const std::string broken = testing::broken_promise(e.screen, e.event, fields, *outcome);
    if (!broken.empty()) fail(broken + " in " + shell::screen_name(e.screen) + " " + e.event + " " + typed);
    return 0;
}
