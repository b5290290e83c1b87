// Comparison with figures printed in the IAPWS releases: equal to all printed digits.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace entalix::if97::testing {

struct Printed {
    std::string name;
    double computed;
    double printed;
    int digits;  // significant digits as printed
};

inline void expect_printed(const std::vector<Printed>& rows) {
    for (const Printed& row : rows) {
        // Half a unit of the last printed digit, and a hair of 1e-11 of the value: the
        // sums of the near-critical v(p,T) equations cancel to within that in double
        // arithmetic, and 3z at 22.064 MPa lies that close to a rounding boundary.
        const double last = std::pow(10.0, std::floor(std::log10(std::fabs(row.printed))) - row.digits + 1);
        EXPECT_NEAR(row.computed, row.printed, 0.5 * last + 1e-11 * std::fabs(row.printed)) << row.name;
    }
}

}  // namespace entalix::if97::testing
