// Pressure drop and heat loss along a steam or hot-water line.
#pragma once

#include <optional>
#include <string>

#include "props/water_steam.h"

namespace entalix::equipment {

// Darcy friction factor: 64/Re in laminar flow, Colebrook-White above
// Re = 2300, solved by a bounded fixed-point iteration on 1/sqrt(f).
// Returns nullopt when the iteration finds no root.
std::optional<double> darcy_friction(double reynolds, double relative_roughness);

// Heat lost per metre of line, W/m, through the insulation and the outer
// film: q = (t - ta) / (ln(Dins/Do)/(2 pi lambda) + 1/(pi Dins alpha)).
// Thickness 0 is a bare pipe (outer film only). Diameters in metres.
double heat_loss_per_metre(double t, double t_ambient, double outer_diameter, double insulation_thickness,
                           double insulation_conductivity, double alpha);

// A line and what flows into it, SI units except as named.
struct LineInput {
    double p_in = 0.0;         // MPa absolute
    double h_in = 0.0;         // kJ/kg
    double flow = 0.0;         // kg/s
    double d_inner = 0.0;      // m
    double length = 0.0;       // m
    double roughness = 0.0;    // m
    double zeta = 0.0;         // sum of the fittings' loss coefficients
    double rise = 0.0;         // m, outlet above inlet
    double d_outer = 0.0;      // m
    double insulation = 0.0;   // m thickness, 0 for a bare pipe
    double lambda_ins = 0.0;   // W/(m K)
    double t_ambient = 20.0;   // degC
    double alpha = 11.6;       // W/(m2 K)
    int max_segments = 20000;  // reaching it is a failure of its own
};

struct LineResult {
    std::string error;  // empty on success
    double w_in = 0.0, w_out = 0.0, reynolds = 0.0, friction = 0.0;
    double p_out = 0.0;  // MPa absolute
    double h_out = 0.0;  // kJ/kg
    double t_out = 0.0, x_out = 0.0;
    double q_total = 0.0;  // W
    int segments = 0;
};

// Marches along the line in segments whose drop, acceleration included, is at
// most 1 % of their inlet pressure and whose cooling follows the stream towards
// the air, each with properties at its mean state. Fittings' losses are spread
// evenly over the length. A stream that reaches the speed of sound (a water
// line flashes first) is refused with the length where it chokes; so is a
// line that needs more than max_segments segments. A state leaving the
// formulation's range throws as every property call does.
LineResult march_line(const LineInput& in, props::WaterSteam& ws);

}  // namespace entalix::equipment
