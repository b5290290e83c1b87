// What both implementations of WaterSteam share, and the choice between them.
#include "props/water_steam.h"

#include "base/property_error.h"
#include "props/implementations.h"

namespace entalix::props {

std::unique_ptr<WaterSteam> make_water_steam(Formulation formulation) {
    return formulation == Formulation::IF97 ? make_if97_water_steam() : make_ifc67_water_steam();
}

double WaterSteam::number(const Selected& selected) { return selected_number(selected); }

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
