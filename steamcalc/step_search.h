// StepSearch: the fixed-step scan that finds a pressure or a temperature at
// which a property of water or steam meets a given value.
#pragma once

#include <functional>
#include <optional>

#include "steamcalc/scan_grid.h"

namespace entalix::steamcalc {

// Stop margin of every scan, in the unit of the matched property.
inline constexpr double kSearchTolerance = 1e-7;

// Sense Above: the scan goes on while f(y) - g > kSearchTolerance.
// Sense Below: the scan goes on while f(y) - g < kSearchTolerance.
enum class Sense { Above, Below };

// Where the scans give up. Pressures go no higher than 100 MPa and stay above
// 0 MPa; the temperature scans of the (p, v) pair go no lower than 0 degC
// (water has no state below it here) and no higher than 800 degC.
inline constexpr ScanBound kScanPressureCeiling{100.0, true};
inline constexpr ScanBound kScanPressureFloor{0.0, false};
inline constexpr ScanBound kScanWaterTemperatureFloor{0.0, true};
inline constexpr ScanBound kScanSteamTemperatureCeiling{800.0, true};

using MatchedProperty = std::function<double(double)>;

enum class ScanMethod { Fast, Plain };

// The first point of the grid from y0 (ScanGrid) at which the scan stops, or
// nullopt when the next point would pass the bound. A PropertyError of f at a
// point the scan reaches ends the scan with that error.
std::optional<double> StepSearch(double y0, Direction direction, const MatchedProperty& f, double g, Sense sense,
                                 ScanBound bound, ScanMethod method = ScanMethod::Fast);

// The scan one point after the other: the reference that the fast search must
// agree with. Up to a million evaluations; not for use on a screen.
std::optional<double> plain_step_search(double y0, Direction direction, const MatchedProperty& f, double g, Sense sense,
                                        ScanBound bound);

// The same answer from a few hundred evaluations: samples across the grid,
// a look into every dip between samples, then bisection down to the first
// stopping point.
std::optional<double> fast_step_search(double y0, Direction direction, const MatchedProperty& f, double g, Sense sense,
                                       ScanBound bound);

}  // namespace entalix::steamcalc
