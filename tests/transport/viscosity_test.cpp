// The viscosity release's sample points for industrial use (mu2 = 1), to all printed digits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/property_error.h"
#include "tests/if97/printed.h"
#include "transport/transport.h"

namespace entalix::transport {
namespace {

using if97::testing::expect_printed;

TEST(Viscosity, ReleaseSamplePoints) {
    // IAPWS 2008 viscosity release, Table 4: T in K, rho in kg/m^3, mu in uPa s to six decimals.
    struct Row {
        double T, rho, mu;
        int digits;
    };
    const Row rows[] = {
        {298.15, 998.0, 889.735100, 9}, {298.15, 1200.0, 1437.649467, 10}, {373.15, 1000.0, 307.883622, 9},
        {433.15, 1.0, 14.538324, 8},    {433.15, 1000.0, 217.685358, 9},   {873.15, 1.0, 32.619287, 8},
        {873.15, 100.0, 35.802262, 8},  {873.15, 600.0, 77.430195, 8},     {1173.15, 1.0, 44.217245, 8},
        {1173.15, 100.0, 47.640433, 8}, {1173.15, 400.0, 64.154608, 8},
    };
    for (const Row& row : rows)
        expect_printed({{"mu(" + std::to_string(row.T) + ", " + std::to_string(row.rho) + ")",
                         viscosity(row.T, row.rho) * 1e6, row.mu, row.digits}});
}

TEST(Viscosity, RefusesWhatIsNoState) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double bad[][2] = {{nan, 998.0}, {298.15, nan}, {0.0, 998.0}, {-10.0, 998.0}, {298.15, -1.0}};
    for (const auto& args : bad) EXPECT_THROW(viscosity(args[0], args[1]), props::PropertyError) << args[0];
}

}  // namespace
}  // namespace entalix::transport
