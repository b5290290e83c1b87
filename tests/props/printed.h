// Comparing a computed property with a figure printed to a given number of decimals.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

namespace entalix::props::testing {

// A printed figure: its value and the number of decimals it was printed with.
struct Printed {
    double value;
    int decimals;
};

// The computed value rounds to the printed one: within half a unit in the last digit.
// A hair of slack keeps a value that rounds correctly from failing on its binary form.
inline ::testing::AssertionResult matches_printed(double actual, Printed printed) {
    const double unit = std::pow(10.0, -printed.decimals);
    if (std::fabs(actual - printed.value) <= 0.5 * unit * (1.0 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::setprecision(12) << "computed " << actual << " does not round to " << printed.value << " at "
           << printed.decimals << " decimals";
}

// For the few published figures that the standard's constants miss by one unit in
// the last printed digit: rounded to the printed decimals, the computed value is at
// most one unit from the figure.
inline ::testing::AssertionResult within_one_unit(double actual, Printed printed) {
    const double unit = std::pow(10.0, -printed.decimals);
    const double rounded = std::round(actual / unit) * unit;
    if (std::fabs(rounded - printed.value) <= unit * (1.0 + 1e-6)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(12) << "computed " << actual
                                         << " rounds to more than one unit from " << printed.value
                                         << " at " << printed.decimals << " decimals";
}

}  // namespace entalix::props::testing
