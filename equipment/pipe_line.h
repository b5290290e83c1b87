// Pressure drop and heat loss along a steam or hot-water line.
#pragma once

#include <optional>
#include <string>

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

}  // namespace entalix::equipment
