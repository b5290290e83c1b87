// The charts: every drawn line lies within half a pixel of its isoline, the
// marks land on their states, and the states come from the formulation.
#include "charts/chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "charts/chart_state.h"
#include "shell/svg.h"

namespace entalix::charts {
namespace {

using props::Formulation;

double distance_to_runs(const shell::Point& p, const std::vector<std::vector<shell::Point>>& runs) {
    double best = INFINITY;
    for (const auto& run : runs)
        for (std::size_t i = 1; i < run.size(); ++i) {
            const shell::Point a = run[i - 1];
            const shell::Point b = run[i];
            const double dx = b.x - a.x;
            const double dy = b.y - a.y;
            const double len2 = dx * dx + dy * dy;
            double f = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
            f = std::clamp(f, 0.0, 1.0);
            best = std::min(best, std::hypot(p.x - (a.x + f * dx), p.y - (a.y + f * dy)));
        }
    return best;
}

const ChartLine* find_line(const std::vector<ChartLine>& lines, LineFamily family, double value) {
    for (const ChartLine& l : lines)
        if (l.family == family && std::abs(l.value - value) < 1e-9) return &l;
    return nullptr;
}

bool inside_plot(const ChartRequest& r, const shell::Point& p) {
    const PlotArea a = plot_area(r.width, r.height);
    return p.x > a.left + 1 && p.x < a.right - 1 && p.y > a.top + 1 && p.y < a.bottom - 1;
}

// Points of each kind of line, recomputed from their own (p, t) or (t, x) at
// parameters the tracer never chose, lie within half a pixel of the drawn line.
TEST(Chart, EveryKindOfLineWithinHalfAPixelOfItsStates) {
    for (Formulation f : {Formulation::IFC67, Formulation::IF97})
        for (ChartKind kind : {ChartKind::HS, ChartKind::TS}) {
            auto water = props::make_water_steam(f);
            ChartRequest r{kind, full_view(kind), 1600, 1200, {}, {}};
            const auto lines = chart_lines(r, *water);
            std::mt19937 random(7);
            std::uniform_real_distribution<double> unit(0.0, 1.0);
            struct Case {
                LineFamily family;
                double value;
                char q1, q2;
            };
            const Case cases[] = {{LineFamily::Isobar, 1, 'p', 't'},    {LineFamily::Isobar, 0.01, 'p', 't'},
                                  {LineFamily::Isobar, 50, 'p', 't'},   {LineFamily::Isotherm, 300, 't', 'p'},
                                  {LineFamily::Dryness, 0.8, 'x', 't'}, {LineFamily::Saturation, 0, 'x', 't'}};
            for (const Case& c : cases) {
                const ChartLine* line = find_line(lines, c.family, c.value);
                ASSERT_NE(line, nullptr) << static_cast<int>(c.family) << ' ' << c.value;
                int checked = 0;
                for (int i = 0; i < 300; ++i) {
                    props::FluidState s;
                    try {
                        if (c.q2 == 't')  // isobar, dryness or saturation: along t
                            s = c.q1 == 'p' ? chart_state(*water, 'p', c.value, 't', 1 + 798 * unit(random))
                                            : chart_state(*water, 't', 1 + 372 * unit(random), 'x', c.value);
                        else  // isotherm: along log p
                            s = chart_state(*water, 'p', std::pow(10.0, -3 + 5 * unit(random)), 't', c.value);
                    } catch (const props::PropertyError&) {
                        continue;
                    }
                    water->clear_extrapolation();
                    const shell::Point at = to_pixels(r, s.s, chart_y(kind, s));
                    if (!inside_plot(r, at) || s.t > 340) continue;  // near-critical gaps differ by formulation
                    EXPECT_LE(distance_to_runs(at, line->runs), 0.5)
                        << props::formulation_name(f) << ' ' << static_cast<int>(c.family) << ' ' << c.value
                        << " at p=" << s.p << " t=" << s.t;
                    ++checked;
                }
                EXPECT_GT(checked, 20);
            }
        }
}

TEST(Chart, TsChartHasIsenthalpsThroughTheirStates) {
    auto water = props::make_water_steam(Formulation::IF97);
    ChartRequest r{ChartKind::TS, default_view(ChartKind::TS), 800, 600, {}, {}};
    const auto lines = chart_lines(r, *water);
    const ChartLine* h2800 = find_line(lines, LineFamily::Isenthalp, 2800);
    ASSERT_NE(h2800, nullptr);
    for (double p : {0.01, 0.1, 1.0, 5.0}) {
        const auto s = chart_state(*water, 'p', p, 'h', 2800);
        EXPECT_LE(distance_to_runs(to_pixels(r, s.s, s.t), h2800->runs), 0.5) << p;
    }
}

// IAPWS-IF97 at 1 MPa, 300 degC and 0.01 MPa with x = 0.9 (python3-iapws):
// the marks' centres sit on those (s, h), and the process joins them.
TEST(Chart, MarksAndProcessLandOnTheStates) {
    auto water = props::make_water_steam(Formulation::IF97);
    ChartRequest r{ChartKind::HS, default_view(ChartKind::HS), 800, 600, {}, {{0, 1}}};
    r.states.push_back({chart_state(*water, 'p', 1, 't', 300), ""});
    r.states.push_back({chart_state(*water, 'p', 0.01, 'x', 0.9), ""});
    EXPECT_NEAR(r.states[0].state.h, 3051.703185584021, 1e-6);
    EXPECT_NEAR(r.states[1].state.s, 7.398925762412215, 1e-6);
    const shell::Drawing d = chart_drawing(r, *water);
    // The plot spans 64..784 across s 5.5..8.5 and 556..40 up h 2000..3700.
    const shell::Point want[] = {
        {64 + (7.124712479424178 - 5.5) / 3 * 720, 556 - (3051.703185584021 - 2000) / 1700 * 516},
        {64 + (7.398925762412215 - 5.5) / 3 * 720, 556 - (2344.6794729754592 - 2000) / 1700 * 516}};
    int marks = 0;
    bool process = false;
    for (const shell::Primitive& p : d.primitives) {
        if (const auto* c = std::get_if<shell::Circle>(&p); c != nullptr && c->radius == 4) {
            ASSERT_LT(marks, 2);
            EXPECT_NEAR(c->centre.x, want[marks].x, 0.01);
            EXPECT_NEAR(c->centre.y, want[marks].y, 0.01);
            ++marks;
        }
        if (const auto* l = std::get_if<shell::Polyline>(&p); l != nullptr && l->width == 2.0 && l->points.size() == 2)
            process = std::hypot(l->points[0].x - want[0].x, l->points[0].y - want[0].y) < 0.01 &&
                      std::hypot(l->points[1].x - want[1].x, l->points[1].y - want[1].y) < 0.01;
    }
    EXPECT_EQ(marks, 2);
    EXPECT_TRUE(process);
}

// Saturated water and steam at 100 degC (python3-iapws, IAPWS-IF97), and a
// pair the chart does not take.
TEST(ChartState, SaturationAndRefusals) {
    auto water = props::make_water_steam(Formulation::IF97);
    const auto liquid = chart_state(*water, 't', 100, 'x', 0);
    const auto vapour = chart_state(*water, 'x', 1, 't', 100);
    EXPECT_NEAR(liquid.h, 419.09915499770307, 1e-6);
    EXPECT_NEAR(vapour.s, 7.354077050958405, 1e-7);
    EXPECT_THROW(chart_state(*water, 'h', 2800, 's', 7), props::PropertyError);
    EXPECT_THROW(chart_state(*water, 'p', 1, 'x', 1.5), props::PropertyError);
    ChartRequest bad{ChartKind::HS, {1, 1, 0, 10}, 800, 600, {}, {}};
    EXPECT_THROW(chart_drawing(bad, *water), props::PropertyError);
    bad.view = default_view(ChartKind::HS);
    bad.width = 50;
    EXPECT_THROW(chart_drawing(bad, *water), props::PropertyError);
}

TEST(Chart, RectangleBecomesTheViewItEncloses) {
    ChartRequest r{ChartKind::HS, default_view(ChartKind::HS), 800, 600, {}, {}};
    const View v = view_of_rectangle(r, to_pixels(r, 7, 3000), to_pixels(r, 6, 2500));
    EXPECT_NEAR(v.s0, 6, 1e-9);
    EXPECT_NEAR(v.s1, 7, 1e-9);
    EXPECT_NEAR(v.y0, 2500, 1e-9);
    EXPECT_NEAR(v.y1, 3000, 1e-9);
}

// A chart whose lines come from the kept ones is the chart drawn afresh, even
// after a chart of the other formulation took its turn in the cache.
TEST(Chart, KeptLinesDrawTheSameChart) {
    auto if97 = props::make_water_steam(Formulation::IF97);
    auto ifc67 = props::make_water_steam(Formulation::IFC67);
    forget_chart_lines();
    ChartRequest r{ChartKind::TS, default_view(ChartKind::TS), 720, 540, {}, {}};
    r.states.push_back({chart_state(*if97, 'p', 1, 't', 300), ""});
    chart_drawing(r, *if97);
    chart_drawing(r, *ifc67);
    r.states[0] = {chart_state(*if97, 'p', 0.1, 'x', 0.9), "出口"};
    const shell::Drawing kept = chart_drawing(r, *if97);
    const shell::Drawing fresh = chart_drawing_uncached(r, *if97);
    EXPECT_EQ(shell::svg_of(kept), shell::svg_of(fresh));
    EXPECT_NE(shell::svg_of(chart_drawing(r, *ifc67)), shell::svg_of(fresh));
}

}  // namespace
}  // namespace entalix::charts
