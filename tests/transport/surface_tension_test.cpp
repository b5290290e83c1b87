// The surface tension release's table, to its two printed decimals, and the two ends
// of the saturation line.
#include <gtest/gtest.h>

#include <limits>

#include "base/property_error.h"
#include "transport/transport.h"

namespace entalix::transport {
namespace {

TEST(SurfaceTension, ReleaseTable) {
    // t in degC, sigma in mN/m to two decimals.
    struct Row {
        double t, sigma;
    };
    const Row rows[] = {
        {0.01, 75.65}, {5, 74.94},   {10, 74.22},  {15, 73.49},  {20, 72.74},  {25, 71.97},  {30, 71.19},  {35, 70.40},
        {40, 69.60},   {45, 68.78},  {50, 67.94},  {55, 67.10},  {60, 66.24},  {65, 65.37},  {70, 64.48},  {75, 63.58},
        {80, 62.67},   {85, 61.75},  {90, 60.82},  {95, 59.87},  {100, 58.91}, {110, 56.96}, {120, 54.97}, {130, 52.93},
        {140, 50.86},  {150, 48.74}, {160, 46.59}, {170, 44.41}, {180, 42.19}, {190, 39.95}, {200, 37.67}, {210, 35.38},
        {220, 33.07},  {230, 30.74}, {240, 28.39}, {250, 26.04}, {260, 23.69}, {270, 21.34}, {280, 18.99}, {290, 16.66},
        {300, 14.36},  {310, 12.09}, {320, 9.86},  {330, 7.70},  {340, 5.63},  {350, 3.67},  {360, 1.88},  {370, 0.39},
    };
    for (const Row& row : rows) EXPECT_NEAR(surface_tension(row.t + 273.15) * 1e3, row.sigma, 0.005) << row.t;
}

TEST(SurfaceTension, VanishesAtTheCriticalPointAndIsRefusedAbove) {
    EXPECT_EQ(surface_tension(647.096), 0.0);
    EXPECT_THROW(surface_tension(647.2), props::PropertyError);
    EXPECT_THROW(surface_tension(std::numeric_limits<double>::quiet_NaN()), props::PropertyError);
}

}  // namespace
}  // namespace entalix::transport
