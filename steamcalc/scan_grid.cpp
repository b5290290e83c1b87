// Random access to the points of a fixed-step scan.
#include "steamcalc/scan_grid.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace entalix::steamcalc {
namespace {

constexpr std::int64_t kLowMantissa = std::int64_t{1} << 52;
constexpr std::int64_t kHighMantissa = std::int64_t{1} << 53;
// A scan inside its bound crosses a few dozen exponent ranges at most, with a
// handful of single points at each crossing; this only guards the walk.
constexpr std::size_t kMaxRuns = 100000;

struct Decomposed {
    std::int64_t mantissa;  // in [2^52, 2^53)
    int exponent;           // value = mantissa x 2^exponent
};

Decomposed decompose(double magnitude) {
    int e = 0;
    std::frexp(magnitude, &e);  // magnitude = m x 2^e, m in [0.5, 1)
    return {static_cast<std::int64_t>(std::ldexp(magnitude, 53 - e)), e - 53};
}

}  // namespace

bool within_bound(double y, Direction direction, ScanBound bound) {
    if (direction == Direction::Up) return y < bound.limit || (bound.limit_included && y == bound.limit);
    return y > bound.limit || (bound.limit_included && y == bound.limit);
}

double next_grid_point(double y, Direction direction) {
    return direction == Direction::Up ? y + kSearchStep : y - kSearchStep;
}

void ScanGrid::append_single(double y) {
    const Decomposed d = y == 0.0 ? Decomposed{0, 0} : decompose(std::fabs(y));
    runs_.push_back({size_, 1, std::signbit(y), d.mantissa, 0, d.exponent});
    ++size_;
}

ScanGrid::ScanGrid(double y0, Direction direction, ScanBound bound) {
    if (!std::isfinite(y0)) return;
    // The start is always looked at; the bound only keeps the scan from going on.
    if (!within_bound(y0, direction, bound)) {
        append_single(y0);
        return;
    }
    double y = y0;
    while (runs_.size() < kMaxRuns) {
        const double y1 = next_grid_point(y, direction);
        const double y2 = next_grid_point(y1, direction);
        const bool same_range = std::fabs(y) >= DBL_MIN && std::signbit(y) == std::signbit(y1) &&
                                std::signbit(y) == std::signbit(y2) && y1 != 0.0 && y2 != 0.0 &&
                                std::ilogb(y) == std::ilogb(y1) && std::ilogb(y) == std::ilogb(y2);
        bool regular = false;
        if (same_range) {
            const Decomposed d0 = decompose(std::fabs(y));
            const Decomposed d1 = decompose(std::fabs(y1));
            const std::int64_t q1 = d1.mantissa - d0.mantissa;
            const std::int64_t q2 = decompose(std::fabs(y2)).mantissa - d1.mantissa;
            // Equal first increments settle the parity of an exact half (the
            // range from 2^-7 to 2^-6, where 0.001 falls midway between two
            // representable steps); from then on every step is the same.
            regular = q1 == q2 && q1 != 0;
            if (regular) {
                // A step is certain while the exact sum stays at least one unit
                // inside the exponent range, away from its edges.
                const std::int64_t last =
                    q1 > 0 ? (kHighMantissa - 1 - d0.mantissa) / q1 : (d0.mantissa - kLowMantissa - 1) / -q1;
                runs_.push_back({size_, last + 1, std::signbit(y), d0.mantissa, q1, d0.exponent});
                if (!within_bound(at(size_ + last), direction, bound)) {
                    // Keep only the points inside the bound; a run is monotone.
                    std::int64_t inside = 0, outside = last;
                    while (outside - inside > 1) {
                        const std::int64_t middle = inside + (outside - inside) / 2;
                        (within_bound(at(size_ + middle), direction, bound) ? inside : outside) = middle;
                    }
                    runs_.back().count = inside + 1;
                    size_ += inside + 1;
                    return;
                }
                size_ += last + 1;
                y = at(size_ - 1);
            }
        }
        if (!regular) append_single(y);
        const double next = next_grid_point(y, direction);
        if (next == y || !within_bound(next, direction, bound)) return;
        y = next;
    }
}

double ScanGrid::at(std::int64_t k) const {
    const auto it = std::upper_bound(runs_.begin(), runs_.end(), k,
                                     [](std::int64_t index, const Run& run) { return index < run.first; });
    const Run& run = *(it - 1);
    const std::int64_t mantissa = run.mantissa + (k - run.first) * run.step;
    const double magnitude = std::ldexp(static_cast<double>(mantissa), run.exponent);
    return run.negative ? -magnitude : magnitude;
}

}  // namespace entalix::steamcalc
