#include "equipment/pipe_line.h"

#include <cmath>
#include <numbers>

namespace entalix::equipment {

std::optional<double> darcy_friction(double reynolds, double relative_roughness) {
    if (!(reynolds > 0.0) || !std::isfinite(reynolds) || !(relative_roughness >= 0.0)) {
        return std::nullopt;
    }
    if (reynolds < 2300.0) {
        return 64.0 / reynolds;
    }
    // Start from the Swamee-Jain estimate; the iteration contracts quickly.
    double y = -1.8 * std::log10(6.9 / reynolds + std::pow(relative_roughness / 3.7, 1.11));
    for (int i = 0; i < 50; ++i) {
        const double next = -2.0 * std::log10(relative_roughness / 3.7 + 2.51 * y / reynolds);
        if (!std::isfinite(next) || next <= 0.0) {
            return std::nullopt;
        }
        if (std::fabs(next - y) < 1e-12 * next) {
            return 1.0 / (next * next);
        }
        y = next;
    }
    return std::nullopt;
}

double heat_loss_per_metre(double t, double t_ambient, double outer_diameter, double insulation_thickness,
                           double insulation_conductivity, double alpha) {
    const double d_ins = outer_diameter + 2.0 * insulation_thickness;
    double resistance = 1.0 / (std::numbers::pi * d_ins * alpha);
    if (insulation_thickness > 0.0) {
        resistance += std::log(d_ins / outer_diameter) / (2.0 * std::numbers::pi * insulation_conductivity);
    }
    return (t - t_ambient) / resistance;
}

}  // namespace entalix::equipment
