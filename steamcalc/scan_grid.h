// The points of a fixed-step scan: y0, then y0 + 0.001 (or - 0.001) added again
// and again in double precision. After many additions the points drift from
// y0 + k x 0.001, and the shown sixth decimal follows that drift, so a search
// that skips points must still land on exactly these values.
#pragma once

#include <cstdint>
#include <vector>

namespace entalix::steamcalc {

inline constexpr double kSearchStep = 0.001;  // MPa for pressure scans, degC for temperature scans

enum class Direction { Up, Down };

// How far a scan may go: the grid points it may still visit.
struct ScanBound {
    double limit = 0.0;
    bool limit_included = true;  // whether a grid point exactly at the limit is still visited
};

// Whether a grid point lies inside the bound of a scan in that direction. The
// one test that decides where every scan gives up.
bool within_bound(double y, Direction direction, ScanBound bound);

// One fixed-step addition, as the scan makes it.
double next_grid_point(double y, Direction direction);

// Random access to the k-th point of a scan. Within one binary exponent range
// every addition adds the same rounded increment, so the points are stored as
// runs of equal integer steps in units of the last place; the few points next
// to a change of exponent or of sign are stepped one addition at a time.
class ScanGrid {
public:
    ScanGrid(double y0, Direction direction, ScanBound bound);

    // Number of points inside the bound (0 when y0 itself lies outside). A grid
    // that stops moving (an increment lost to rounding) ends at its last point.
    std::int64_t size() const { return size_; }
    double at(std::int64_t k) const;  // 0 <= k < size()

private:
    struct Run {
        std::int64_t first = 0;  // index of the run's first point
        std::int64_t count = 0;  // points in the run
        bool negative = false;
        std::int64_t mantissa = 0;  // magnitude of the first point in units of the last place
        std::int64_t step = 0;      // signed change of the magnitude per addition, same units
        int exponent = 0;           // the unit of the last place is 2^exponent
    };
    void append_single(double y);

    std::vector<Run> runs_;
    std::int64_t size_ = 0;
};

}  // namespace entalix::steamcalc
