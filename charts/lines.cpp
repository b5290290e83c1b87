// Adaptive tracing of a chart's lines, and their clipping to the plot.
#include "charts/lines.h"

#include <cmath>

#include "base/elementary.h"

namespace entalix::charts {

namespace {

// Steps across a piece before any halving, halvings at most, and evaluations
// at most per piece: a line of the whole chart needs a few hundred.
constexpr int kFirstSteps = 8;
constexpr int kMaxDepth = 14;
constexpr int kMaxEvaluations = 20000;

struct Sample {
    double u = 0;
    bool ok = false;
    shell::Point p;
};

double off_chord(const shell::Point& a, const shell::Point& b, const shell::Point& m) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = elementary::hypot(dx, dy);
    if (!(length > 1e-12)) return elementary::hypot(m.x - a.x, m.y - a.y);
    return std::abs(dx * (m.y - a.y) - dy * (m.x - a.x)) / length;
}

class Tracer {
public:
    Tracer(const CurvePiece& piece, const Projection& projection, std::vector<Sample>& out)
        : piece_(piece), projection_(projection), out_(out) {}

    void run() {
        Sample a = at(piece_.u0);
        out_.push_back(a);
        for (int i = 1; i <= kFirstSteps; ++i) {
            const double u = piece_.u0 + (piece_.u1 - piece_.u0) * i / kFirstSteps;
            Sample b = at(u);
            fill(a, b, 0);
            a = b;
        }
    }

private:
    Sample at(double u) {
        ++evaluations_;
        Sample s{u, false, {}};
        const auto point = piece_.at(u);
        if (point && std::isfinite(point->first) && std::isfinite(point->second)) {
            s.ok = true;
            s.p = projection_(point->first, point->second);
        }
        return s;
    }

    // Far outside the plot on one side, the curve's shape is nobody's concern.
    bool outside_together(const Sample& a, const Sample& m, const Sample& b) const {
        constexpr double margin = 4;
        const auto all = [&](auto test) { return test(a.p) && test(m.p) && test(b.p); };
        return all([&](const shell::Point& p) { return p.x < projection_.left - margin; }) ||
               all([&](const shell::Point& p) { return p.x > projection_.right + margin; }) ||
               all([&](const shell::Point& p) { return p.y < projection_.top - margin; }) ||
               all([&](const shell::Point& p) { return p.y > projection_.bottom + margin; });
    }

    // Appends the samples after a up to b.
    void fill(const Sample& a, const Sample& b, int depth) {
        if (depth >= kMaxDepth || evaluations_ >= kMaxEvaluations) {
            out_.push_back(b);
            return;
        }
        const Sample m = at((a.u + b.u) / 2);
        bool split = false;
        if (a.ok && b.ok && m.ok)
            split = off_chord(a.p, b.p, m.p) > kChordTolerancePx && !outside_together(a, m, b);
        else if (a.ok || b.ok || m.ok)
            split = true;  // close in on where the states end
        if (split) {
            fill(a, m, depth + 1);
            fill(m, b, depth + 1);
        } else {
            out_.push_back(m);
            out_.push_back(b);
        }
    }

    const CurvePiece& piece_;
    const Projection& projection_;
    std::vector<Sample>& out_;
    int evaluations_ = 0;
};

// Liang and Barsky: the part of a segment inside the rectangle, as the
// fractions along it where it enters and leaves; nothing if it misses.
std::optional<std::pair<double, double>> clip_segment(const shell::Point& a, const shell::Point& b, double left,
                                                      double top, double right, double bottom) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1) return std::nullopt;
            if (r > t0) t0 = r;
        } else {
            if (r < t0) return std::nullopt;
            if (r < t1) t1 = r;
        }
    }
    return std::pair{t0, t1};
}

shell::Point along(const shell::Point& a, const shell::Point& b, double f) {
    return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
}

}  // namespace

std::vector<std::vector<shell::Point>> trace(const std::vector<CurvePiece>& pieces, const Projection& projection) {
    std::vector<Sample> samples;
    for (const CurvePiece& piece : pieces) Tracer(piece, projection, samples).run();
    std::vector<std::vector<shell::Point>> runs;
    std::vector<shell::Point> run;
    const auto close_run = [&] {
        if (run.size() >= 2) runs.push_back(std::move(run));
        run.clear();
    };
    for (const Sample& s : samples) {
        if (!s.ok) {
            close_run();
            continue;
        }
        if (run.empty() || run.back() != s.p) run.push_back(s.p);
    }
    close_run();
    return runs;
}

std::vector<std::vector<shell::Point>> clip(const std::vector<std::vector<shell::Point>>& runs, double left, double top,
                                            double right, double bottom) {
    std::vector<std::vector<shell::Point>> inside;
    for (const auto& run : runs) {
        std::vector<shell::Point> current;
        for (std::size_t i = 1; i < run.size(); ++i) {
            const auto part = clip_segment(run[i - 1], run[i], left, top, right, bottom);
            if (!part) {
                if (current.size() >= 2) inside.push_back(std::move(current));
                current.clear();
                continue;
            }
            const shell::Point from = along(run[i - 1], run[i], part->first);
            const shell::Point to = along(run[i - 1], run[i], part->second);
            if (current.empty() || part->first > 0) {
                if (current.size() >= 2) inside.push_back(std::move(current));
                current.clear();
                current.push_back(from);
            }
            current.push_back(to);
            if (part->second < 1) {
                if (current.size() >= 2) inside.push_back(std::move(current));
                current.clear();
            }
        }
        if (current.size() >= 2) inside.push_back(std::move(current));
    }
    return inside;
}

}  // namespace entalix::charts
