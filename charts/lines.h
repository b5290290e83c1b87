// The lines of a chart traced on the drawing's pixels: a line is a few pieces
// of curve, each a function of one parameter giving a point of the chart, and
// the tracer halves each step until the drawn chord stays within a fifth of a
// pixel of the curve.
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "shell/drawing.h"

namespace entalix::charts {

// A point of the chart (s and h, or s and t) at the parameter, or nothing
// where the formulation gives no state.
using ChartPointAt = std::function<std::optional<std::pair<double, double>>(double u)>;

struct CurvePiece {
    ChartPointAt at;
    double u0 = 0;
    double u1 = 0;
};

// From chart coordinates to drawing pixels.
struct Projection {
    double s0, s1, y0, y1;
    double left, top, right, bottom;

    shell::Point operator()(double s, double y) const {
        return {left + (s - s0) / (s1 - s0) * (right - left), bottom - (y - y0) / (y1 - y0) * (bottom - top)};
    }
};

// A chord may leave the curve by this much at its middle.
inline constexpr double kChordTolerancePx = 0.2;

// The curve in pixels, as the runs between the gaps where it has no state.
std::vector<std::vector<shell::Point>> trace(const std::vector<CurvePiece>& pieces, const Projection& projection);

// The parts of the runs inside the rectangle, cut at its edges.
std::vector<std::vector<shell::Point>> clip(const std::vector<std::vector<shell::Point>>& runs, double left, double top,
                                            double right, double bottom);

}  // namespace entalix::charts
