// The chart button of the saturation, heater and desuperheater screens.
#include "equipment/chart_button.h"

#include <cstdio>

#include "props/water_steam.h"
#include "shell/menus.h"

namespace entalix::equipment {

using namespace shell;

std::string process_text(const ChartProcess& process) {
    std::string text;
    for (const std::vector<ChartPoint>& line : process) {
        if (!text.empty()) text += " | ";
        std::string states;
        for (const ChartPoint& point : line) {
            char numbers[96];
            std::snprintf(numbers, sizeof numbers, " %c=%.10g %c=%.10g", point.first, point.a, point.second, point.b);
            if (!states.empty()) states += "; ";
            states += point.name + numbers;
        }
        text += states;
    }
    return text;
}

EventBinding chart_event(std::string event, std::vector<std::string> reads,
                         std::function<ChartProcess(const Fields&)> process) {
    return compute(std::move(event), std::move(reads), {"Message"},
                   [process = std::move(process)](const Fields& f, props::WaterSteam& water) {
                       const ChartProcess states = process(f);
                       // A saturated state needs a saturation line: none above the critical point.
                       for (const std::vector<ChartPoint>& line : states)
                           for (const ChartPoint& point : line)
                               if (point.second == 'x') {
                                   if (point.first == 'p') water.pswsat_t(point.a);
                                   if (point.first == 't') water.pswsat_p(point.a);
                               }
                       Outcome outcome;
                       outcome.navigate = ScreenId::Form19;
                       outcome.target_texts = {{"Process", process_text(states)}};
                       return outcome;
                   });
}

ControlDesc chart_button(std::string name, int left, int top) {
    return button(std::move(name), "焓熵图", {left, top, 1080, 450});
}

}  // namespace entalix::equipment
