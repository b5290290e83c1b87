// The h-s chart (焓熵图) and the T-s chart (温熵图) of water and steam, as a
// drawing: the saturation line, isobars, isotherms, lines of constant dryness
// (and on the T-s chart of constant enthalpy), axes, and the states of a press
// with the process through them. Every line comes from the water and steam
// handed in, so the chart is the formulation's own.
#pragma once

#include <string>
#include <vector>

#include "props/water_steam.h"
#include "shell/drawing.h"

namespace entalix::charts {

enum class ChartKind { HS, TS };

// The part of the chart shown: entropy s0..s1 kJ/(kg K) across, and up the
// side h0..h1 kJ/kg (h-s) or t0..t1 degC (T-s).
struct View {
    double s0 = 0;
    double s1 = 0;
    double y0 = 0;
    double y1 = 0;

    bool operator==(const View&) const = default;
};

// Where a plant engineer reads most: the superheated and the upper wet region.
View default_view(ChartKind kind);
// The whole of water and steam the chart covers, 0.01 to 800 degC.
View full_view(ChartKind kind);

// A state to mark: p absolute in MPa, t degC, h kJ/kg, s kJ/(kg K), x 0..1
// (x outside 0 < x < 1 means single phase); `name` is put before its numbers.
struct MarkedState {
    props::FluidState state;
    std::string name;
};

struct ChartRequest {
    ChartKind kind = ChartKind::HS;
    View view;
    int width = 800;
    int height = 600;
    std::vector<MarkedState> states;
    // Drawn as lines, each through the states it lists by index (a heater's
    // steam in to its drain out; each stream of a desuperheater to the mix).
    std::vector<std::vector<int>> processes;
};

// The plotting area inside the drawing: the axes frame it.
struct PlotArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};
PlotArea plot_area(int width, int height);

// Drawing pixels of a point of the chart, and back (for a drag-to-zoom rectangle).
shell::Point to_pixels(const ChartRequest& request, double s, double y);
View view_of_rectangle(const ChartRequest& request, shell::Point a, shell::Point b);

// The chart; PropertyError only for a request it cannot draw (an empty view or
// a size below 200 x 150 pixels). Points the formulation refuses leave gaps.
// The lines of the last four (kind, view, size, formulation) drawn are kept,
// so that a new state on a chart already shown costs only its marks.
shell::Drawing chart_drawing(const ChartRequest& request, props::WaterSteam& water);
// The same chart with every line computed afresh, and the kept lines dropped.
shell::Drawing chart_drawing_uncached(const ChartRequest& request, props::WaterSteam& water);
void forget_chart_lines();

// The lines of the chart as drawn, in drawing pixels and cut at the plot's
// edges, with what each stands for (the value: MPa, degC, dryness 0..1, kJ/kg).
enum class LineFamily { Saturation, Isobar, Isotherm, Dryness, Isenthalp };
struct ChartLine {
    LineFamily family;
    double value;
    std::vector<std::vector<shell::Point>> runs;
};
std::vector<ChartLine> chart_lines(const ChartRequest& request, props::WaterSteam& water);

// The y of a state on the chart: h on the h-s chart, t on the T-s chart.
double chart_y(ChartKind kind, const props::FluidState& state);

}  // namespace entalix::charts
