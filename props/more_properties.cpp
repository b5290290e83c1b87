// Density, internal energy, the isentropic exponent and the transport
// properties of a state, from what its formulation gives.
#include "props/more_properties.h"

#include <array>
#include <cmath>
#include <utility>

#include "base/property_error.h"
#include "transport/transport.h"

namespace entalix::props {
namespace {

constexpr std::array<std::string_view, 10> kNames{"rho", "u", "cp", "cv", "w", "kappa", "mu", "lambda", "nu", "Pr"};
constexpr double kKelvin = 273.15;
// MPa m3/kg in kJ/kg.
constexpr double kKJPerMPaM3 = 1000.0;

inline constexpr const char* kMsgNoMeaningWet =
    "湿蒸汽（两相）状态下比热、声速、绝热指数、黏度、导热系数和普朗特数没有意义";

// A transport property is computed wherever its arithmetic holds; shown, it
// must lie in its release's range, and near the edge it carries a warning.
void judge(const transport::Range& range, const SinglePhase& s, bool checking, Extrapolation& marks) {
    if (!checking) return;
    const transport::Verdict verdict = transport::judge(range, s.t + kKelvin, s.p);
    if (verdict.standing == transport::Standing::refuse) throw PropertyRefusal(verdict.words);
    if (verdict.standing == transport::Standing::warn) marks.transport = verdict.words;
}

double viscosity(const SinglePhase& s, bool checking, Extrapolation& marks) {
    judge(transport::kViscosityRange, s, checking, marks);
    return transport::viscosity(s.t + kKelvin, 1.0 / s.v);
}

double conductivity_with(double mu, const SinglePhase& s, bool checking, Extrapolation& marks) {
    judge(transport::kConductivityRange, s, checking, marks);
    const double rho = 1.0 / s.v;
    // (d rho / d p)_T = rho kappa_T.
    return transport::thermal_conductivity({s.t + kKelvin, rho, s.cp, s.cv, rho * s.kappa_t, mu});
}

double conductivity(const SinglePhase& s, bool checking, Extrapolation& marks) {
    return conductivity_with(viscosity(s, checking, marks), s, checking, marks);
}

}  // namespace

PropertySet single_phase_set(const SinglePhase& state, double s, double x, bool checking, Extrapolation& marks) {
    PropertySet set;
    set.p = state.p;
    set.t = state.t;
    set.v = state.v;
    set.h = state.h;
    set.s = s;
    set.x = x;
    set.rho = 1.0 / state.v;
    set.u = state.h - state.p * state.v * kKJPerMPaM3;
    set.cp = state.cp;
    set.cv = state.cv;
    set.w = state.w;
    set.kappa = finite(state.w * state.w / (state.p * 1e6 * state.v), "isentropic exponent");
    const double none = std::nan("");
    set.mu = set.lambda = set.nu = set.Pr = none;
    try {
        set.mu = viscosity(state, checking, marks);
        set.nu = set.mu * state.v;
        set.lambda = conductivity_with(set.mu, state, checking, marks);
        set.Pr = finite(set.mu * state.cp * 1000.0 / set.lambda, "Prandtl number");
    } catch (const PropertyRefusal& refusal) {
        // The viscosity may lie in its range where the conductivity does not:
        // what was found stays, the rest NaN.
        set.refusal = refusal.what();
    }
    return set;
}

double set_member(const PropertySet& set, std::string_view name) {
    const std::pair<std::string_view, double> members[] = {
        {"p", set.p},     {"t", set.t},           {"v", set.v},   {"h", set.h},   {"s", set.s}, {"x", set.x},
        {"rho", set.rho}, {"u", set.u},           {"cp", set.cp}, {"cv", set.cv}, {"w", set.w}, {"kappa", set.kappa},
        {"mu", set.mu},   {"lambda", set.lambda}, {"nu", set.nu}, {"Pr", set.Pr}};
    for (const auto& [known, value] : members) {
        if (known != name) continue;
        if (std::isnan(value)) throw PropertyRefusal(set.refusal);
        return value;
    }
    throw PropertyError("no such property");
}

PropertySet wet_set(double p, double t, double v, double h, double s, double x) {
    PropertySet set;
    const double none = std::nan("");
    set.p = p;
    set.t = t;
    set.v = v;
    set.h = h;
    set.s = s;
    set.x = x;
    set.rho = 1.0 / v;
    set.u = h - p * v * kKJPerMPaM3;
    set.cp = set.cv = set.w = set.kappa = set.mu = set.lambda = set.nu = set.Pr = none;
    set.wet = true;
    set.refusal = kMsgNoMeaningWet;
    return set;
}

bool is_more_property(std::string_view name) {
    for (std::string_view known : kNames)
        if (name == known) return true;
    return false;
}

double more_property(std::string_view name, const SinglePhase& s, bool checking, Extrapolation& marks) {
    if (name == "rho") return 1.0 / s.v;
    if (name == "u") return s.h - s.p * s.v * kKJPerMPaM3;
    if (name == "cp") return s.cp;
    if (name == "cv") return s.cv;
    if (name == "w") return s.w;
    // w^2 / (p v), p in Pa.
    if (name == "kappa") return finite(s.w * s.w / (s.p * 1e6 * s.v), "isentropic exponent");
    if (name == "mu") return viscosity(s, checking, marks);
    if (name == "lambda") return conductivity(s, checking, marks);
    if (name == "nu") return viscosity(s, checking, marks) * s.v;
    if (name == "Pr") {
        const double lambda = conductivity(s, checking, marks);
        // cp in J/(kg K).
        return finite(viscosity(s, checking, marks) * s.cp * 1000.0 / lambda, "Prandtl number");
    }
    throw PropertyError("no such property");
}

double wet_property(std::string_view name, double p, double v, double h) {
    if (name == "rho") return 1.0 / v;
    if (name == "u") return h - p * v * kKJPerMPaM3;
    throw PropertyRefusal(kMsgNoMeaningWet);
}

}  // namespace entalix::props
