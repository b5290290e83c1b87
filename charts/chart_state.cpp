// The states a chart marks, through the selectors of the press's water and steam.
#include "charts/chart_state.h"

#include <utility>

#include "base/property_error.h"

namespace entalix::charts {

namespace {

double number(const props::Selected& selected) { return props::selected_number(selected); }

template <typename Select>
props::FluidState from_selector(double p, Select select) {
    return {p, number(select("t")), number(select("v")), number(select("h")), number(select("s")), number(select("x"))};
}

props::FluidState saturated(props::WaterSteam& water, double p, double t, double x) {
    if (!(x >= 0 && x <= 1)) throw props::PropertyError("干度须在0到1之间");
    const auto side = [&](std::string_view name) { return number(water.pswA_sat_t(name, t)); };
    const auto lever = [x](double one, double two) { return one + x * (two - one); };
    return {p, t, lever(side("v1"), side("v2")), lever(side("h1"), side("h2")), lever(side("s1"), side("s2")), x};
}

}  // namespace

props::FluidState chart_state(props::WaterSteam& water, char first, double a, char second, double b) {
    if (first != 'p' && second == 'p') {
        std::swap(first, second);
        std::swap(a, b);
    }
    if (first == 't' && second == 'x') return saturated(water, water.pswsat_p(a), a, b);
    if (first == 'x' && second == 't') return saturated(water, water.pswsat_p(b), b, a);
    if (first != 'p') throw props::PropertyError("图上的状态须由 p、t，p、h，p、s，p、x 或 t、x 给出");
    const double p = a;
    switch (second) {
        case 't': {
            const bool steam = !(b < water.saturation_line_t(p));
            return from_selector(p, [&](std::string_view name) {
                return steam ? water.pswA_ptstm(name, p, b) : water.pswA_ptwtr(name, p, b);
            });
        }
        case 'h':
            return from_selector(p, [&](std::string_view name) { return water.pswA_ph(name, p, b); });
        case 's':
            return from_selector(p, [&](std::string_view name) { return water.pswA_ps(name, p, b); });
        case 'x':
            return saturated(water, p, water.pswsat_t(p), b);
        default:
            throw props::PropertyError("图上的状态须由 p、t，p、h，p、s，p、x 或 t、x 给出");
    }
}

}  // namespace entalix::charts
