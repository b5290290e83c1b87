// Screen Form11 ("绝压参数"): the steam calculator with absolute pressures.
#include "shell/menus.h"
#include "steamcalc/calculator_layout.h"
#include "steamcalc/screens.h"

namespace entalix::steamcalc {

using namespace shell;

const ScreenDesc& form11() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form11, "绝压参数", 7560, 4470, {}, tick_box_events(), "Command3_Click"};
        d.controls.push_back(heading("Label1", "水蒸汽绝压参数", {2280, 240, 3000, 375}));
        for (ControlDesc& c : property_rows(600, 960, PressureKind::Absolute)) d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command1", "计  算", {3840, 1200, 495, 1935}));
        d.controls.push_back(state_label({4920, 960, 2415, 2295}));
        d.controls.push_back(button("Command3", "返回", {6435, 3360, kBackWidth, kBackHeight}));
        // Above the result, under the heading, its right edge on that of "返回".
        d.controls.push_back(button("Command2", "全部物性", {6240, 630, 1095, 315}));
        // Left of "全部物性", over the result.
        d.controls.push_back(button("Command4", "焓熵图", {5040, 630, 1095, 315}));
        // Below the result, left of "返回".
        d.controls.push_back(message_line({120, 3870, 6240, 540}));
        d.events.push_back(compute("Command1_Click", calculation_reads(false), {"Label3"},
                                   [](const Fields& f, props::WaterSteam& water) {
                                       return state_outcome(SolveStateFromPair(pair_input(f), water), water, 0.0);
                                   }));
        d.events.push_back(all_properties_event("Command2_Click", false));
        d.events.push_back(chart_event("Command4_Click", false));
        d.events.push_back({"Command3_Click", navigate_to(ScreenId::Form10)});
        return d;
    }();
    return desc;
}

}  // namespace entalix::steamcalc
