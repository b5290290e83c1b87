// The fixed-step scan and its fast equivalent.
#include "steamcalc/step_search.h"

#include <cmath>
#include <exception>
#include <unordered_map>

#include "base/property_error.h"
#include "shell/errors.h"

namespace entalix::steamcalc {
namespace {

// Whether the scan goes on past a point with difference d = f(y) - g.
bool keeps_going(double d, Sense sense) { return sense == Sense::Above ? d > kSearchTolerance : d < kSearchTolerance; }

double difference(const MatchedProperty& f, double y, double g) {
    // A typed value near the limit of a double could make the difference
    // overflow, and an infinity would take the wrong turn below.
    return shell::checked_finite(f(y) - g);
}

// The matched property seen at grid points, each evaluated once.
class Prober {
public:
    Prober(const ScanGrid& grid, const MatchedProperty& f, double g, Sense sense)
        : grid_(grid), f_(f), g_(g), sense_(sense) {}

    struct Probe {
        bool stops = false;   // the plain scan would stop here, or fail here
        double margin = 0.0;  // how far from stopping, > 0 while the scan goes on
        std::exception_ptr failure;
    };

    const Probe& operator()(std::int64_t k) {
        const auto found = probes_.find(k);
        if (found != probes_.end()) return found->second;
        Probe probe;
        try {
            const double d = difference(f_, grid_.at(k), g_);
            probe.stops = !keeps_going(d, sense_);
            probe.margin = sense_ == Sense::Above ? d - kSearchTolerance : kSearchTolerance - d;
        } catch (const props::PropertyError&) {
            probe = {true, 0.0, std::current_exception()};
        } catch (const shell::CalculationError&) {
            probe = {true, 0.0, std::current_exception()};
        }
        return probes_.emplace(k, probe).first->second;
    }

private:
    const ScanGrid& grid_;
    const MatchedProperty& f_;
    double g_;
    Sense sense_;
    std::unordered_map<std::int64_t, Probe> probes_;
};

// Spans this short are walked point by point.
constexpr std::int64_t kWalkedSpan = 24;
// Samples across the whole scan, and across each narrower span after it. The
// matched properties are smooth, with at most one turning point over a few
// degrees or MPa (the density maximum of water near 4 degC, the turn of the
// enthalpy of hot compressed water with pressure), so samples this dense see
// every turn that could reach the target.
constexpr std::int64_t kFirstSamples = 64;
constexpr std::int64_t kLaterSamples = 16;
constexpr double kGoldenSection = 0.3819660112501051;

class FirstStop {
public:
    explicit FirstStop(Prober& probe) : probe_(probe) {}

    // The first point in (lo, hi] at which the scan stops, given that it goes
    // on at lo.
    std::optional<std::int64_t> after(std::int64_t lo, std::int64_t hi, std::int64_t samples) {
        if (hi - lo <= kWalkedSpan) {
            for (std::int64_t k = lo + 1; k <= hi; ++k)
                if (probe_(k).stops) return k;
            return std::nullopt;
        }
        std::vector<std::int64_t> at{lo};
        std::vector<double> margin{probe_(lo).margin};
        std::optional<std::size_t> stop;  // the first sample at which the scan stops
        for (std::int64_t i = 1; i <= samples; ++i) {
            const std::int64_t k = lo + (hi - lo) * i / samples;
            at.push_back(k);
            const auto& p = probe_(k);
            if (p.stops) {
                stop = at.size() - 1;
                break;
            }
            margin.push_back(p.margin);
        }
        // Between samples the scan can only stop where the property turns back
        // towards the target: look into every sampled dip before the first stop.
        const std::size_t going = margin.size();
        for (std::size_t j = 0; j < going; ++j) {
            const bool falls_to = j == 0 || margin[j] <= margin[j - 1];
            const bool rises_from = j + 1 < going ? margin[j] <= margin[j + 1] : !stop && j > 0;
            if (!falls_to || !rises_from) continue;
            if (j == 0 && going < 2) continue;
            const std::int64_t from = at[j == 0 ? 0 : j - 1];
            const std::int64_t to = at[j + 1 < at.size() ? j + 1 : j];
            if (const auto k = stop_in_dip(from, to)) return after(from, *k, kLaterSamples);
        }
        if (stop) return after(at[*stop - 1], at[*stop], kLaterSamples);
        return std::nullopt;
    }

private:
    // A point in [from, to] at which the scan stops, looked for around the
    // smallest margin there; nullopt when the dip stays clear of the target.
    std::optional<std::int64_t> stop_in_dip(std::int64_t from, std::int64_t to) {
        std::int64_t lo = from, hi = to;
        while (hi - lo > 4) {
            const auto cut = static_cast<std::int64_t>(static_cast<double>(hi - lo) * kGoldenSection);
            const std::int64_t x1 = lo + cut;
            const std::int64_t x2 = std::max(hi - cut, x1 + 1);
            const auto& p1 = probe_(x1);
            if (p1.stops) return x1;
            const double m1 = p1.margin;
            const auto& p2 = probe_(x2);
            if (p2.stops) return x2;
            if (m1 <= p2.margin)
                hi = x2;
            else
                lo = x1;
        }
        for (std::int64_t k = lo; k <= hi; ++k)
            if (probe_(k).stops) return k;
        return std::nullopt;
    }

    Prober& probe_;
};

}  // namespace

std::optional<double> plain_step_search(double y0, Direction direction, const MatchedProperty& f, double g, Sense sense,
                                        ScanBound bound) {
    if (!std::isfinite(y0)) return std::nullopt;
    double y = y0;  // the start is looked at even beyond the bound
    for (;;) {
        if (!keeps_going(difference(f, y, g), sense)) return y;
        const double next = next_grid_point(y, direction);
        // The bound ends every scan: the grid moves by at least one unit of
        // the last place per step until it passes the bound.
        if (next == y || !within_bound(next, direction, bound)) return std::nullopt;
        y = next;
    }
}

std::optional<double> fast_step_search(double y0, Direction direction, const MatchedProperty& f, double g, Sense sense,
                                       ScanBound bound) {
    const ScanGrid grid(y0, direction, bound);
    if (grid.size() == 0) return std::nullopt;
    Prober probe(grid, f, g, sense);
    std::optional<std::int64_t> k;
    if (probe(0).stops)
        k = 0;
    else
        k = FirstStop(probe).after(0, grid.size() - 1, kFirstSamples);
    if (!k) return std::nullopt;
    if (const auto& failure = probe(*k).failure) std::rethrow_exception(failure);
    return grid.at(*k);
}

std::optional<double> StepSearch(double y0, Direction direction, const MatchedProperty& f, double g, Sense sense,
                                 ScanBound bound, ScanMethod method) {
    return method == ScanMethod::Plain ? plain_step_search(y0, direction, f, g, sense, bound)
                                       : fast_step_search(y0, direction, f, g, sense, bound);
}

}  // namespace entalix::steamcalc
