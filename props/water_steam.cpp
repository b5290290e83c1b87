// What both implementations of WaterSteam share, and the choice between them.
#include "props/water_steam.h"

#include "base/property_error.h"
#include "props/implementations.h"
#include "transport/transport.h"

namespace entalix::props {

std::unique_ptr<WaterSteam> make_water_steam(Formulation formulation) {
    return formulation == Formulation::IF97 ? make_if97_water_steam() : make_ifc67_water_steam();
}

WaterSteamFor::WaterSteamFor(Formulation formulation)
    : object_(formulation == Formulation::IF97 ? build_if97_water_steam(storage_) : build_ifc67_water_steam(storage_)) {
}

double WaterSteam::number(const Selected& selected) { return selected_number(selected); }

double WaterSteam::sigma(double t) {
    constexpr double kKelvin = 273.15;
    if (checking_) {
        const transport::Verdict verdict = transport::judge(transport::kSurfaceTensionRange, t + kKelvin);
        if (verdict.standing == transport::Standing::refuse) throw PropertyRefusal(verdict.words);
        if (verdict.standing == transport::Standing::warn) extrapolation_.transport = verdict.words;
    }
    return transport::surface_tension(finite(t, "temperature") + kKelvin);
}

// One side's property is its name with 1 (saturated water) or 2 (saturated
// steam) after it, evaluated on that side's equation at (p, t).
Selected WaterSteam::saturated(std::string_view name, double p, double t) {
    if (name == "p") return p;
    if (name == "t") return t;
    if (name == "sigma") return sigma(t);
    if (name == "r") {
        const bool metastable = extrapolation_.metastable;
        const double r = number(pt("h", p, t, Side::Steam)) - number(pt("h", p, t, Side::Water));
        extrapolation_.metastable = metastable;
        return r;
    }
    static constexpr std::string_view kSideNames[] = {"v", "rho", "h", "s", "cp", "w", "mu", "lambda"};
    if (name.size() >= 2 && (name.back() == '1' || name.back() == '2')) {
        const std::string_view base = name.substr(0, name.size() - 1);
        for (std::string_view known : kSideNames) {
            if (base != known) continue;
            // On the line itself neither side is metastable, whichever way the
            // rounding of the line put (p, t).
            const bool metastable = extrapolation_.metastable;
            Selected value = pt(base, p, t, name.back() == '1' ? Side::Water : Side::Steam);
            extrapolation_.metastable = metastable;
            return value;
        }
    }
    return std::string(kNoSuchPara);
}

double selected_number(const Selected& selected) {
    if (const double* number = std::get_if<double>(&selected)) return *number;
    throw PropertyError("no such property: " + std::get<std::string>(selected));
}

// A zero isentropic drop has none. An expansion that ends with more than the
// isentropic drop or with none at all cannot happen.
double expansion_efficiency(double h1, double h2, double h2s) {
    const double drop = h1 - h2s;
    if (drop == 0.0) throw PropertyError("no isentropic enthalpy drop");
    const double percent = finite(100.0 * (h1 - h2) / drop, "efficiency");
    if (!(percent > 0.0 && percent <= 100.0))
        throw PropertyRefusal("算得的效率不在0–100 %之间：出口状态不能由进口状态膨胀得到");
    return percent;
}

// An expansion goes from the inlet down to a lower outlet pressure.
void check_expansion(double p1, double p2) {
    check_pressure(p1);
    check_pressure(p2);
    if (!(p2 < p1)) throw PropertyRefusal("出口压力须低于进口压力");
}

void check_efficiency(double effi) {
    if (!(effi > 0.0 && effi <= 100.0)) throw PropertyRefusal("效率须大于0且不超过100 %");
}

}  // namespace entalix::props
