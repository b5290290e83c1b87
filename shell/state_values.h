// A steam state as the steam calculators show it: the numbers a chart, the
// command line or another host reads, and the texts of the result label.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace entalix::shell {

// One shown quantity: the text on the screen and the double nearest it. The
// text is what the calculation rounded, or on the gauge screen the exact
// decimal difference of two pressures, which a double cannot always hold.
struct ShownNumber {
    double value = 0.0;
    std::string text;
};

// The text a calculation wrote with the number it stands for; throws
// std::logic_error when the text is not one number.
ShownNumber shown_number(std::string text);

struct StateValues {
    ShownNumber p;  // MPa: gauge on the gauge screen, absolute on the other
    ShownNumber t;  // degC
    ShownNumber v;  // m3/kg
    ShownNumber h;  // kJ/kg
    ShownNumber s;  // kJ/(kg K)
    ShownNumber x;  // dryness in percent
    // The properties of the state beyond the six lines (rho, u, cp, cv, w,
    // kappa, mu, lambda, nu, Pr), in the units of the selectors, each that the
    // state has: a wet state has no cp, and a transport property beyond its
    // release is left out.
    std::vector<std::pair<std::string, double>> more{};
};

// The six lines of the result label, "p=1.000000" to "x=100%", joined by CR LF.
std::string state_caption(const StateValues& state);

}  // namespace entalix::shell
