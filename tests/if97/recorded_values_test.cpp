// The IAPWS-IF97 evaluation against the values it gave before its sums were
// rearranged for speed: a dense (p, T) grid over regions 1, 2, 3 and 5 (every
// property of the basic equations, and the metastable state of the other side),
// and the (p, h), (p, s) and (h, s) inverses of each of its states and of wet
// states. A failed call counts as +inf. The values are kept as native doubles in
// tests/if97/data/if97_values.bin; ENTALIX_RECORD_IF97_VALUES=1 writes them anew.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/property_error.h"
#include "if97/point.h"
#include "if97/state.h"

namespace entalix::if97 {
namespace {

constexpr double kFailed = INFINITY;

template <typename Call>
void record(std::vector<double>& out, int count, Call call) {
    try {
        const auto values = call();
        out.insert(out.end(), values.begin(), values.end());
    } catch (const props::PropertyError&) {
        out.insert(out.end(), static_cast<std::size_t>(count), kFailed);
    }
}

using Values = std::vector<double>;

void inverses(std::vector<double>& out, const State& s) {
    record(out, 4, [&] {
        const State r = state_ph(s.p, s.h);
        return Values{r.t, r.v, r.s, r.x};
    });
    record(out, 4, [&] {
        const State r = state_ps(s.p, s.s);
        return Values{r.t, r.v, r.h, r.x};
    });
    record(out, 4, [&] {
        const State r = state_hs(s.h, s.s);
        return Values{r.p, r.t, r.v, r.x};
    });
}

void at_pt(std::vector<double>& out, double p, double t) {
    record(out, 8, [&] {
        const Point d = point_pt(p, t + 273.15, Phase::liquid);
        return Values{d.v, d.h, d.s, d.cp, d.cv, d.w, d.alpha_v, d.kappa_t};
    });
    State s;
    record(out, 4, [&] {
        s = state_pt(p, t);
        return Values{s.v, s.h, s.s, s.x};
    });
    const Phase other = s.x == 0.0 ? Phase::vapour : Phase::liquid;
    record(out, 3, [&] {
        const State m = state_pt_side(p, t, other);
        return Values{m.v, m.h, m.s};
    });
    inverses(out, s);
}

std::vector<double> evaluate() {
    std::vector<double> out;
    // 1 kPa to 100 MPa on a log scale, 1 to 2000 degC: regions 1, 2 and 5.
    for (int k = 0; k <= 25; ++k) {
        const double p = std::fmin(0.001 * std::pow(1e5, k / 25.0), 100.0);
        for (double t = 1.0; t <= 2000.0; t += 50.0) {
            if (t > 800.0 && p > 50.0) break;
            at_pt(out, p, t);
        }
        if (p < 22.064)
            for (const double x : {0.1, 0.5, 0.9}) inverses(out, state_px(p, x));
    }
    // Region 3 and its neighbours, below and above the critical pressure.
    for (double p = 16.0; p <= 100.0; p += 7.0)
        for (double t = 340.0; t <= 600.0; t += 10.0) at_pt(out, p, t);
    for (double p = 16.6; p < 22.0; p += 0.9)
        for (const double x : {0.05, 0.5, 0.95}) inverses(out, state_px(p, x));
    return out;
}

bool same(double got, double want) {
    if (std::isnan(want)) return std::isnan(got);
    if (std::isinf(want)) return got == want;
    return std::fabs(got - want) <= 4e-16 * std::fabs(want);
}

TEST(If97Recorded, ValuesOfTheGridsUnchanged) {
    const std::vector<double> now = evaluate();
    const char* path = ENTALIX_IF97_VALUES;
    if (const char* flag = std::getenv("ENTALIX_RECORD_IF97_VALUES"); flag && std::strcmp(flag, "1") == 0) {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(now.data()),
                   static_cast<std::streamsize>(now.size() * sizeof(double)));
        ASSERT_TRUE(file.good());
        GTEST_SKIP() << "recorded " << now.size() << " values";
    }
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_EQ(bytes.size(), now.size() * sizeof(double));
    std::vector<double> before(now.size());
    std::memcpy(before.data(), bytes.data(), bytes.size());
    std::size_t moved = 0;
    double worst = 0.0;
    for (std::size_t k = 0; k < now.size(); ++k) {
        EXPECT_TRUE(same(now[k], before[k])) << "value " << k << ": " << now[k] << " was " << before[k];
        if (std::isfinite(before[k]) && now[k] != before[k]) {
            ++moved;
            worst = std::fmax(worst, std::fabs(now[k] - before[k]) / std::fabs(before[k]));
        }
    }
    std::printf("%zu values, %zu moved, largest relative change %.3g\n", now.size(), moved, worst);
}

}  // namespace
}  // namespace entalix::if97
