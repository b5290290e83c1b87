// Screen Form12 ("表压参数"): the steam calculator with gauge pressures and
// its own atmospheric pressure.
#include "shell/menus.h"
#include "shell/reading.h"
#include "steamcalc/calculator_layout.h"
#include "steamcalc/screens.h"

namespace entalix::steamcalc {

using namespace shell;

const ScreenDesc& form12() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form12, "表压参数", 7560, 4650, {}, tick_box_events(), "Command3_Click"};
        d.controls.push_back(heading("Label1", "水蒸汽表压参数", {2280, 120, 3000, 375}));
        for (ControlDesc& c : property_rows(360, 840, PressureKind::Gauge)) d.controls.push_back(std::move(c));
        // The atmospheric pressure, below the six rows and outside the tick-box rule.
        d.controls.push_back(label("Label2(6)", "大气压：p=", {600, 3720, 855, 255}));
        d.controls.push_back(
            with_meaning(text_box("Text7", "0.0983", {1440, 3600, 1455, 375}, Align::Left, kRed), atmospheric()));
        d.controls.push_back(label("Label4(6)", "MPa", {2880, 3720, 855, 255}));
        d.controls.push_back(button("Command1", "计  算", {3600, 1080, 495, 1935}));
        d.controls.push_back(state_label({4680, 840, 2415, 2295}));
        d.controls.push_back(button("Command3", "返回", {6435, 3480, kBackWidth, kBackHeight}));
        // Above the result, under the heading, its right edge on that of "返回".
        d.controls.push_back(button("Command2", "全部物性", {6240, 510, 1095, 315}));
        // Left of "全部物性", over the result.
        d.controls.push_back(button("Command4", "焓熵图", {5040, 510, 1095, 315}));
        // Below the result, left of "返回".
        d.controls.push_back(message_line({120, 4095, 6240, 540}));
        d.events.push_back(compute(
            "Command1_Click", calculation_reads(true), {"Label3"}, [](const Fields& f, props::WaterSteam& water) {
                StateAnswer answer = SolveGaugeStateFromPair(pair_input(f), f.text("Text7"), water);
                // A press that shows a state has read its atmospheric pressure.
                const double atmospheric = answer.state ? read_field(form12(), f, "Text7") : 0.0;
                return state_outcome(answer, water, atmospheric);
            }));
        d.events.push_back(all_properties_event("Command2_Click", true));
        d.events.push_back(chart_event("Command4_Click", true));
        d.events.push_back({"Command3_Click", navigate_to(ScreenId::Form10)});
        return d;
    }();
    return desc;
}

}  // namespace entalix::steamcalc
