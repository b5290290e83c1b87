// The scan grid and StepSearch: exactly the points of repeated addition, the
// first point at which the scan stops, and the bounds where every scan ends.
#include "steamcalc/step_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>

#include "base/property_error.h"

namespace entalix::steamcalc {
namespace {

constexpr ScanBound kFarUp{1e9, true};
constexpr ScanBound kFarDown{-1e9, true};

// Every point of a long grid against the additions themselves.
void expect_grid_is_repeated_addition(double y0, Direction direction, ScanBound bound, std::int64_t points) {
    const ScanGrid grid(y0, direction, bound);
    double y = y0;
    std::int64_t k = 0;
    for (; k < points && within_bound(y, direction, bound); ++k) {
        ASSERT_LT(k, grid.size()) << "y0 " << y0;
        ASSERT_EQ(grid.at(k), y) << "y0 " << y0 << " k " << k;
        y = direction == Direction::Up ? y + 0.001 : y - 0.001;
    }
    if (k < points) {
        EXPECT_EQ(grid.size(), k) << "y0 " << y0;
    }
}

TEST(ScanGrid, IsTheGridOfRepeatedAddition) {
    // Starts in every exponent range a scan meets, across zero, and in the
    // range from 2^-7 to 2^-6 where each addition is an exact half.
    for (double y0 : {0.001, 0.0006108, 0.0078125, 0.0079, 0.012, 0.101325, 1.0983, 22.12, 99.6319, -20.0123, -0.0005,
                      0.0, 374.15, 5e-20}) {
        for (Direction d : {Direction::Up, Direction::Down}) {
            SCOPED_TRACE(y0);
            expect_grid_is_repeated_addition(y0, d, d == Direction::Up ? kFarUp : kFarDown, 300000);
        }
    }
}

TEST(ScanGrid, DriftsFromStartPlusKSteps) {
    // The reason for rebuilding the grid: after 800,000 additions the points
    // are not y0 + k x 0.001, even rounded. The sum is the one Python's floats
    // give for the same 800,000 additions.
    const ScanGrid grid(0.0, Direction::Up, kFarUp);
    EXPECT_EQ(grid.at(800000), 0x1.8fffffffe637ep+9);  // 799.9999999879944
}

TEST(ScanGrid, RandomStartsAndFarPoints) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> start(-30.0, 120.0);
    for (int i = 0; i < 40; ++i) {
        const double y0 = start(random);
        const Direction d = i % 2 ? Direction::Up : Direction::Down;
        const ScanBound bound = d == Direction::Up ? ScanBound{700.0, true} : ScanBound{-273.0, true};
        expect_grid_is_repeated_addition(y0, d, bound, 1000000);
    }
}

struct BoundCase {
    const char* name;
    double y0;
    Direction direction;
    ScanBound bound;
    std::int64_t points;
};

// The next grid point past the bound is never visited; a point on the bound is
// visited only where the bound includes it.
const BoundCase kBounds[] = {
    {"PressureUpVisitsHundredExactly", 99.999, Direction::Up, kScanPressureCeiling, 2},
    // 99.998 + 0.001 + 0.001 is 100.00000000000001, past the bound.
    {"PressureUpStopsPastHundred", 99.998, Direction::Up, kScanPressureCeiling, 2},
    {"PressureDownStopsAboveZero", 0.0025, Direction::Down, kScanPressureFloor, 3},
    {"PressureDownExactZeroNotVisited", 0.002, Direction::Down, kScanPressureFloor, 2},
    {"WaterTemperatureVisitsZero", 0.002, Direction::Down, kScanWaterTemperatureFloor, 3},
    {"SteamTemperatureVisitsEightHundred", 799.998, Direction::Up, kScanSteamTemperatureCeiling, 3},
    {"StartOutsideVisitsOnlyTheStart", -0.5, Direction::Down, kScanWaterTemperatureFloor, 1},
    {"StartAboveCeilingVisitsOnlyTheStart", 100.0005, Direction::Up, kScanPressureCeiling, 1},
};

class ScanBounds : public ::testing::TestWithParam<BoundCase> {};

TEST_P(ScanBounds, VisitExactlyThePointsInside) {
    const BoundCase& c = GetParam();
    std::int64_t visited = 1;  // the start is always looked at
    for (double y = next_grid_point(c.y0, c.direction); within_bound(y, c.direction, c.bound) && visited < 10;
         y = next_grid_point(y, c.direction))
        ++visited;
    EXPECT_EQ(visited, c.points);
    EXPECT_EQ(ScanGrid(c.y0, c.direction, c.bound).size(), c.points);
    // A target never met: both searches give up at the bound, after the same points.
    int plain_calls = 0;
    const auto never = [&](double) {
        ++plain_calls;
        return 1.0;
    };
    EXPECT_FALSE(plain_step_search(c.y0, c.direction, never, 0.0, Sense::Above, c.bound));
    EXPECT_EQ(plain_calls, c.points);
    EXPECT_FALSE(fast_step_search(c.y0, c.direction, never, 0.0, Sense::Above, c.bound));
}

INSTANTIATE_TEST_SUITE_P(Edges, ScanBounds, ::testing::ValuesIn(kBounds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StepSearch, StopsOnTheFirstPointWithinTheTolerance) {
    // f(y) = y against 0.5: Above stops at the first y <= 0.5 + 1e-7.
    const auto identity = [](double y) { return y; };
    const auto up = StepSearch(0.0, Direction::Up, identity, 0.5, Sense::Below, kFarUp);
    const auto down = StepSearch(1.0, Direction::Down, identity, 0.5, Sense::Above, kFarDown);
    ASSERT_TRUE(up && down);
    EXPECT_NEAR(*up, 0.5, 0.0011);
    EXPECT_GE(*up - 0.5, 1e-7);
    EXPECT_LE(*down - 0.5, 1e-7);
    EXPECT_EQ(*up, *plain_step_search(0.0, Direction::Up, identity, 0.5, Sense::Below, kFarUp));
    EXPECT_EQ(*down, *plain_step_search(1.0, Direction::Down, identity, 0.5, Sense::Above, kFarDown));
}

// Shapes that a search built on bisection alone would get wrong.
struct ShapeCase {
    const char* name;
    double (*f)(double);
    double g;
    Sense sense;
};

double density_maximum_like(double t) { return 1.0 + 8e-6 * (t - 3.98) * (t - 3.98); }
double dip(double y) { return 1.0 - 0.9 * std::exp(-std::pow((y - 37.3) / 2.0, 2)); }
double wave(double y) { return std::sin(y / 7.0) + 0.001 * y; }
double plateau_then_fall(double y) { return y < 50.0 ? 2.0 : 2.0 - (y - 50.0); }

const ShapeCase kShapes[] = {
    {"MinimumAboveTarget", density_maximum_like, 0.99, Sense::Above},
    {"MinimumReachesTarget", density_maximum_like, 1.00001, Sense::Above},
    {"Dip", dip, 0.2, Sense::Above},
    {"Wave", wave, -0.5, Sense::Above},
    {"WaveBelow", wave, 0.8, Sense::Below},
    {"Plateau", plateau_then_fall, 1.5, Sense::Above},
};

class SearchShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(SearchShapes, FastSearchFindsThePlainScansPoint) {
    const ShapeCase& c = GetParam();
    for (double y0 : {0.0, 0.5, 3.0, 20.0, 36.0, 37.25, 60.0}) {
        for (Direction d : {Direction::Up, Direction::Down}) {
            const ScanBound bound = d == Direction::Up ? ScanBound{120.0, true} : ScanBound{-10.0, true};
            SCOPED_TRACE(y0);
            EXPECT_EQ(fast_step_search(y0, d, c.f, c.g, c.sense, bound),
                      plain_step_search(y0, d, c.f, c.g, c.sense, bound));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, SearchShapes, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StepSearch, AFailureBeforeTheStopEndsTheScanWithIt) {
    // The equations fail beyond 30, before the target at 40 is met.
    const auto failing = [](double y) {
        if (y > 30.0) throw props::PropertyError("beyond the equations");
        return -y;
    };
    for (ScanMethod method : {ScanMethod::Fast, ScanMethod::Plain})
        EXPECT_THROW(StepSearch(0.0, Direction::Up, failing, -40.0, Sense::Above, kFarUp, method),
                     props::PropertyError);
    // A stop before the failing points is found.
    for (ScanMethod method : {ScanMethod::Fast, ScanMethod::Plain})
        EXPECT_NEAR(*StepSearch(0.0, Direction::Up, failing, -20.0, Sense::Above, kFarUp, method), 20.0, 0.0011);
}

}  // namespace
}  // namespace entalix::steamcalc

namespace entalix::steamcalc {
namespace {

// Below the triple-point pressure the saturation temperature lies below 0 degC:
// the scan still looks at its start and stops there when the start fits.
TEST(ScanBounds, StartBeyondTheBoundIsStillLookedAt) {
    const auto fits = [](double) { return 0.0; };
    for (ScanMethod method : {ScanMethod::Plain, ScanMethod::Fast}) {
        const auto y = StepSearch(-0.5, Direction::Down, fits, 0.0, Sense::Above, kScanWaterTemperatureFloor, method);
        ASSERT_TRUE(y.has_value());
        EXPECT_EQ(*y, -0.5);
    }
}

}  // namespace
}  // namespace entalix::steamcalc
