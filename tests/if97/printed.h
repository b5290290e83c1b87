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
        // Half a unit of the last printed digit, and a hair for binary rounding.
        const double last = std::pow(10.0, std::floor(std::log10(std::fabs(row.printed))) - row.digits + 1);
        EXPECT_NEAR(row.computed, row.printed, 0.5 * last * (1.0 + 1e-9)) << row.name;
    }
}

}  // namespace entalix::if97::testing
