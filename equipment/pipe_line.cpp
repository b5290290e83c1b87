#include "equipment/pipe_line.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "base/elementary.h"

namespace entalix::equipment {

std::optional<double> darcy_friction(double reynolds, double relative_roughness) {
    if (!(reynolds > 0.0) || !std::isfinite(reynolds) || !(relative_roughness >= 0.0)) {
        return std::nullopt;
    }
    if (reynolds < 2300.0) {
        return 64.0 / reynolds;
    }
    // Start from the Swamee-Jain estimate; the iteration contracts quickly.
    double y = -1.8 * elementary::log10(6.9 / reynolds + elementary::pow(relative_roughness / 3.7, 1.11));
    for (int i = 0; i < 50; ++i) {
        const double next = -2.0 * elementary::log10(relative_roughness / 3.7 + 2.51 * y / reynolds);
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
        resistance += elementary::log(d_ins / outer_diameter) / (2.0 * std::numbers::pi * insulation_conductivity);
    }
    return (t - t_ambient) / resistance;
}

namespace {

constexpr double kG = 9.80665;

struct Local {
    double t, v, x, mu;
};

// Properties at (p, h), each through the checked selectors, so that a state
// leaving the formulation's range is refused; a wet mixture's viscosity by
// McAdams' mean, 1/mu = x/mu'' + (1 - x)/mu'.
Local local_state(props::WaterSteam& ws, double p, double h) {
    const double t = props::selected_number(ws.pswA_ph("t", p, h));
    const double v = props::selected_number(ws.pswA_ph("v", p, h));
    const double x = props::selected_number(ws.pswA_ph("x", p, h));
    double mu = 0.0;
    if (x > 0.0 && x < 1.0) {
        const double mu_l = props::selected_number(ws.pswA_ptwtr("mu", p, t));
        const double mu_g = props::selected_number(ws.pswA_ptstm("mu", p, t));
        mu = 1.0 / (x / mu_g + (1.0 - x) / mu_l);
    } else {
        mu = props::selected_number(ws.pswA_ph("mu", p, h));
    }
    return {t, v, x, mu};
}

std::string metres(double x) {
    std::string text = std::to_string(static_cast<long long>(std::llround(x)));
    return text;
}

}  // namespace

LineResult march_line(const LineInput& in, props::WaterSteam& ws) {
    LineResult r;
    const auto positive = [](double x) { return x > 0.0 && std::isfinite(x); };
    const auto not_negative = [](double x) { return x >= 0.0 && std::isfinite(x); };
    if (!positive(in.p_in) || !positive(in.flow) || !positive(in.d_inner) || !positive(in.length) ||
        !not_negative(in.roughness) || !not_negative(in.zeta) || !positive(in.d_outer) ||
        !not_negative(in.insulation) || !positive(in.alpha) || (in.insulation > 0.0 && !positive(in.lambda_ins)) ||
        !std::isfinite(in.rise) || !std::isfinite(in.t_ambient) || !std::isfinite(in.h_in) || in.max_segments < 1) {
        r.error = "输入数据不合理";
        return r;
    }
    const double area = std::numbers::pi * in.d_inner * in.d_inner / 4.0;
    const double mass_flux = in.flow / area;  // kg/(m2 s)
    const double rel = in.roughness / in.d_inner;
    double p = in.p_in;
    double h = in.h_in;
    double done = 0.0;
    Local first = local_state(ws, p, h);
    r.w_in = mass_flux * first.v;
    r.reynolds = mass_flux * in.d_inner / first.mu;
    const auto f_in = darcy_friction(r.reynolds, rel);
    if (!f_in) {
        r.error = "摩擦系数方程无解";
        return r;
    }
    r.friction = *f_in;
    // Pressure gradient in Pa/m at a local state: friction, fittings spread over
    // the length, and the weight of the column.
    auto gradient = [&](const Local& s, double f) {
        const double rho = 1.0 / s.v;
        const double dyn = mass_flux * mass_flux * s.v / 2.0;
        return (f / in.d_inner + in.zeta / in.length) * dyn + rho * kG * in.rise / in.length;
    };
    Local at = first;
    double q_total = 0.0;
    bool at_air = false;
    auto heat = [&](double t) {
        return at_air ? 0.0 : heat_loss_per_metre(t, in.t_ambient, in.d_outer, in.insulation, in.lambda_ins, in.alpha);
    };
    for (int seg = 0; done < in.length; ++seg) {
        if (seg >= in.max_segments) {
            r.error = "管线分段数超过 " + std::to_string(in.max_segments) + "，无法计算";
            return r;
        }
        // A single-phase stream within a thousandth of a kelvin of the air has
        // reached it: what heat it still holds over the air (G cp 0.001 K at
        // most) goes at once, and the rest of the line exchanges none, which
        // spares a march creeping towards the air's temperature.
        if (!at_air && !(at.x > 0.0 && at.x < 1.0) && std::fabs(at.t - in.t_ambient) < 1e-3) {
            const double h_air = in.t_ambient < ws.saturation_line_t(p) ? ws.pswh_ptwtr(p, in.t_ambient)
                                                                        : ws.pswh_ptstm(p, in.t_ambient);
            q_total += in.flow * (h - h_air) * 1000.0;
            h = h_air;
            at = local_state(ws, p, h);
            at_air = true;
        }
        const double remaining = in.length - done;
        const double f0 = darcy_friction(mass_flux * in.d_inner / at.mu, rel).value_or(r.friction);
        const double g0 = gradient(at, f0);
        double step = remaining;
        if (g0 > 0.0) step = std::min(remaining, 0.01 * p * 1e6 / g0);
        // The predictor's heat may change the temperature of water or steam
        // (cp at least 2 kJ/(kg K) in the plant's range) by about 2 % of its
        // excess over the air, so that a slow stream cooling to the air is
        // followed there rather than predicted far past it. Wet steam keeps
        // its temperature as it condenses: 20 kJ/kg, 1 % of dryness or so.
        const double q0 = heat(at.t);
        const bool wet = at.x > 0.0 && at.x < 1.0;
        const double allowance = wet ? 20.0 : std::min(20.0, 2.0 * (0.02 * std::fabs(at.t - in.t_ambient) + 1e-4));
        if (std::fabs(q0) * step > allowance * 1000.0 * in.flow) step = allowance * 1000.0 * in.flow / std::fabs(q0);
        // Predictor at the segment's far end, then the mean state. A stream
        // whose volume grows along the line accelerates, which costs pressure
        // too: dp (1 - M2) = -(gradient + warming) dx, where warming is what
        // the heat's change of volume costs and M2 = -G^2 (dv/dp)_h, both the
        // predictor's estimates. M2 reaching 1 is the choke.
        double p_end = 0.0, h_end = 0.0;
        Local mean = at;
        double m2 = 0.0, warming = 0.0;
        for (int pass = 0; pass < 2; ++pass) {
            const double q = heat(mean.t);
            const double f = darcy_friction(mass_flux * in.d_inner / mean.mu, rel).value_or(r.friction);
            const double total = (gradient(mean, f) + warming) / (1.0 - m2);
            // The segment's whole drop stays within 1 % of its inlet pressure.
            if (total > 0.0 && total * step > 0.01 * p * 1e6) step = 0.01 * p * 1e6 / total;
            const double dp = total * step / 1e6;
            p_end = p - dp;
            // Energy: heat lost, lift and the change of kinetic energy, kJ/kg.
            h_end = h - q * step / in.flow / 1000.0 - kG * in.rise * step / in.length / 1000.0;
            const Local end = local_state(ws, p_end, h_end);
            const double w0 = mass_flux * at.v, w1 = mass_flux * end.v;
            h_end -= (w1 * w1 - w0 * w0) / 2000.0;
            if (pass == 1) {
                q_total += q * step;
                break;
            }
            const Local heated = local_state(ws, p, h_end);
            warming = mass_flux * mass_flux * (heated.v - at.v) / step;
            if (dp > 0.0) m2 = std::max(0.0, mass_flux * mass_flux * (end.v - heated.v) / (dp * 1e6));
            if (m2 >= 1.0) {
                r.error = "在距入口约 " + metres(done) + " m 处流速达到临界（阻塞），压力将降到零，管线无法通过该流量";
                return r;
            }
            // The acceleration shortens the segment, and so does a medium that
            // cools fast towards the air: the heat loss follows the medium's
            // temperature, which may change by 2 % of its excess over the air
            // in one segment. The mean state follows.
            const double predicted = step;
            const double drop = (gradient(mean, f) + warming) / (1.0 - m2);
            if (drop > 0.0 && drop * step > 0.01 * p * 1e6) step = 0.01 * p * 1e6 / drop;
            const double cooling = std::fabs(end.t - at.t) * (step / predicted);
            const double allowed = 0.02 * std::fabs(at.t - in.t_ambient) + 0.01;
            if (cooling > allowed) step *= allowed / cooling;
            mean = local_state(ws, p - drop * step / 2e6, h - (h - h_end) * (step / predicted) / 2.0);
        }
        p = p_end;
        h = h_end;
        at = local_state(ws, p, h);
        done += step;
        r.segments = seg + 1;
        if (remaining - step <= 1e-9 * in.length) break;
    }
    r.p_out = p;
    r.h_out = h;
    r.t_out = at.t;
    r.x_out = at.x;
    r.w_out = mass_flux * at.v;
    r.q_total = q_total;
    return r;
}

}  // namespace entalix::equipment
