// Published figures: a computed property must round to the printed value.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iomanip>
#include <vector>

namespace entalix::props::testing {

struct Figure {
    const char* name;
    std::function<double()> compute;
    double printed;
    int decimals;
    // The three figures that the standard's constants miss by one unit in the last
    // printed digit: rounded, the value may be one unit off.
    bool one_unit_off = false;
};

// Within half a unit of the last printed digit (a hair more, for the binary form).
inline void expect_figures(const std::vector<Figure>& figures) {
    for (const Figure& f : figures) {
        const double unit = std::pow(10.0, -f.decimals);
        const double actual = f.compute();
        const double off =
            f.one_unit_off ? std::fabs(std::round(actual / unit) * unit - f.printed) : std::fabs(actual - f.printed);
        EXPECT_LE(off, (f.one_unit_off ? 1.0 : 0.5) * unit * (1.0 + 1e-6))
            << f.name << ": computed " << std::setprecision(12) << actual << ", printed " << f.printed;
    }
}

}  // namespace entalix::props::testing
