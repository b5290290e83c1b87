// The button "焓熵图" of a screen with states of water and steam: it opens the
// chart screen with those states joined by the lines of the process.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/screen.h"

namespace entalix::equipment {

// A state for the chart: its name and two of its quantities, each a letter
// and a number: p absolute in MPa, t in degC, x the dryness 0 to 1 (0 for
// saturated water, which (p, t) could not tell from saturated steam).
struct ChartPoint {
    std::string name;
    char first = 'p';
    double a = 0;
    char second = 't';
    double b = 0;
};

// Each line of the process, through its states in order.
using ChartProcess = std::vector<std::vector<ChartPoint>>;

// The text the chart screen reads from its label "Process".
std::string process_text(const ChartProcess& process);

// The event of the button: reads the fields, leads to the chart screen and
// hands it the process; a field that cannot be read stops it with its message.
shell::EventBinding chart_event(std::string event, std::vector<std::string> reads,
                                std::function<ChartProcess(const shell::Fields&)> process);

// The button itself, 1080 x 450 twips.
shell::ControlDesc chart_button(std::string name, int left, int top);

}  // namespace entalix::equipment
