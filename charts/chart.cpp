// The h-s and T-s charts: which lines at which values, their labels, the axes,
// and the states of a press marked on them.
#include "charts/chart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "base/elementary.h"
#include "base/property_error.h"
#include "charts/lines.h"

namespace entalix::charts {

namespace {

using shell::Anchor;
using shell::Point;

constexpr double kSaturationWidth = 1.6;
constexpr double kIsobarWidth = 0.9;
constexpr double kThinWidth = 0.5;
constexpr double kLowestT = 0.01;   // the triple point
constexpr double kHighestT = 800;   // the top of both formulations' steam
constexpr double kLowestP = 0.001;  // MPa, the lowest isobar
constexpr double kHighestP = 100;

struct Critical {
    double p;
    double t;
};

// The formulations' own critical points.
Critical critical_of(props::WaterSteam& water) {
    return water.formulation() == props::Formulation::IF97 ? Critical{22.064, 373.946} : Critical{22.12, 374.15};
}

// One evaluation: nothing where the formulation refuses or where it only
// extrapolates, so that every drawn point is a state it vouches for.
template <typename F>
std::optional<std::pair<double, double>> vouched(props::WaterSteam& water, F f) {
    water.clear_extrapolation();
    try {
        const std::pair<double, double> point = f();
        if (water.extrapolation().any()) return std::nullopt;
        return point;
    } catch (const props::PropertyError&) {
        return std::nullopt;
    }
}

double number(const props::Selected& selected) { return props::selected_number(selected); }

struct Family {
    LineFamily family = LineFamily::Saturation;
    double value = 0;
    std::string label;
    std::vector<CurvePiece> pieces;
    double width = kThinWidth;
    bool label_at_start = false;
};

// A single-phase point on one side at (p, t).
std::pair<double, double> single(props::WaterSteam& water, ChartKind kind, double p, double t, bool steam) {
    const auto get = [&](std::string_view name) {
        return number(steam ? water.pswA_ptstm(name, p, t) : water.pswA_ptwtr(name, p, t));
    };
    const double s = get("s");
    return {s, kind == ChartKind::HS ? get("h") : t};
}

// A wet point at t with dryness x, by the lever rule between the two sides.
std::pair<double, double> wet(props::WaterSteam& water, ChartKind kind, double t, double x) {
    const double s1 = number(water.pswA_sat_t("s1", t));
    const double s2 = number(water.pswA_sat_t("s2", t));
    const double s = s1 + x * (s2 - s1);
    if (kind == ChartKind::TS) return {s, t};
    const double h1 = number(water.pswA_sat_t("h1", t));
    const double h2 = number(water.pswA_sat_t("h2", t));
    return {s, h1 + x * (h2 - h1)};
}

std::string trimmed(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

Family isobar(props::WaterSteam& water, ChartKind kind, double p, const Critical& critical) {
    Family f{LineFamily::Isobar, p, trimmed(p) + " MPa", {}, kIsobarWidth, false};
    // Compressed water up to 350 degC, the equations of steam beyond; below
    // the critical pressure the two sides meet at the saturation temperature.
    double t_sat = 0;
    const bool subcritical = p < critical.p;
    if (subcritical) {
        try {
            t_sat = water.pswsat_t(p);
        } catch (const props::PropertyError&) {
            return f;
        }
    }
    const double water_top = subcritical ? t_sat : 350.0;
    if (water_top > kLowestT) {
        f.pieces.push_back(
            {[&water, kind, p](double t) { return vouched(water, [&] { return single(water, kind, p, t, false); }); },
             kLowestT, water_top});
    }
    // Above the critical pressure the steam equations start just past 350 degC:
    // at 350 degC itself IFC-67's steam equation would give a state of the water.
    const double steam_from = subcritical ? std::max(water_top, kLowestT) : std::nextafter(350.0, kHighestT);
    f.pieces.push_back(
        {[&water, kind, p](double t) { return vouched(water, [&] { return single(water, kind, p, t, true); }); },
         steam_from, kHighestT});
    return f;
}

Family isotherm(props::WaterSteam& water, ChartKind kind, double t, const Critical& critical) {
    Family f{LineFamily::Isotherm, t, trimmed(t) + " ℃", {}, kThinWidth, true};
    const double t_eval = std::max(t, kLowestT);
    const double lo = elementary::log10(kLowestP);
    const double hi = elementary::log10(kHighestP);
    const auto side = [&water, kind, t_eval](bool steam) {
        return [&water, kind, t_eval, steam](double lg) {
            return vouched(water, [&] { return single(water, kind, elementary::pow(10.0, lg), t_eval, steam); });
        };
    };
    if (t_eval >= critical.t) {
        f.pieces.push_back({side(t_eval > 350), lo, hi});
        return f;
    }
    double p_sat = 0;
    try {
        p_sat = water.pswsat_p(t_eval);
    } catch (const props::PropertyError&) {
        return f;
    }
    const double lg_sat = elementary::log10(p_sat);
    if (lg_sat > lo) f.pieces.push_back({side(true), lo, lg_sat});
    f.pieces.push_back({side(false), std::max(lg_sat, lo), hi});
    return f;
}

Family dryness(props::WaterSteam& water, ChartKind kind, double x, const Critical& critical) {
    char text[16];
    std::snprintf(text, sizeof text, "x=%.2f", x);
    return {LineFamily::Dryness,
            x,
            text,
            {{[&water, kind, x](double t) { return vouched(water, [&] { return wet(water, kind, t, x); }); }, kLowestT,
              critical.t - 1e-6}},
            kThinWidth,
            true};
}

Family isenthalp(props::WaterSteam& water, double h) {
    return {LineFamily::Isenthalp,
            h,
            trimmed(h) + " kJ/kg",
            {{[&water, h](double lg) {
                  return vouched(water, [&] {
                      const double p = elementary::pow(10.0, lg);
                      const double s = number(water.pswA_ph("s", p, h));
                      return std::pair{s, number(water.pswA_ph("t", p, h))};
                  });
              },
              elementary::log10(kLowestP), elementary::log10(kHighestP)}},
            kThinWidth,
            true};
}

Family saturation(props::WaterSteam& water, ChartKind kind, const Critical& critical) {
    const double top = critical.t - 1e-6;
    return {
        LineFamily::Saturation,
        0,
        "",
        {{[&water, kind](double t) { return vouched(water, [&] { return wet(water, kind, t, 0.0); }); }, kLowestT, top},
         {[&water, kind](double t) { return vouched(water, [&] { return wet(water, kind, t, 1.0); }); }, top,
          kLowestT}},
        kSaturationWidth,
        false};
}

// Ticks at 1, 2 or 5 times a power of ten, about `wanted` across the range.
double tick_step(double span, int wanted) {
    const double raw = span / wanted;
    const double decade = elementary::pow(10.0, std::floor(elementary::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= raw) return m * decade;
    return 10 * decade;
}

// The box a one-line text takes: about 0.6 of the font for a Latin
// character and a whole one for a Chinese one.
struct Box {
    double left, top, right, bottom;
    bool overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

constexpr double kFontPx = 12;

double text_width(std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80)
            width += 0.6 * kFontPx;
        else if (c >= 0xE0)
            width += kFontPx;  // the lead byte of a three-byte character
    }
    return width;
}

Box box_of(const shell::Text& t) {
    const double w = text_width(t.text);
    const double h = kFontPx + 2;
    const int column = static_cast<int>(t.anchor) % 3;
    const int row = static_cast<int>(t.anchor) / 3;
    const double left = t.at.x - w * column / 2.0;
    const double top = t.at.y - h * row / 2.0;
    return {left, top, left + w, top + h};
}

class Builder {
public:
    Builder(const ChartRequest& request, props::WaterSteam& water)
        : request_(request), water_(water), area_(plot_area(request.width, request.height)) {
        const View& v = request.view;
        projection_ = {v.s0, v.s1, v.y0, v.y1, area_.left, area_.top, area_.right, area_.bottom};
        drawing_.width = request.width;
        drawing_.height = request.height;
    }

    shell::Drawing build() {
        build_lines();
        states();
        return std::move(drawing_);
    }

    // The chart without the states: the part that only the kind, the view,
    // the size and the formulation decide.
    shell::Drawing lines_only() {
        build_lines();
        return std::move(drawing_);
    }

    // The states of the request marked on a drawing of its lines.
    shell::Drawing with_states(shell::Drawing lines) {
        drawing_ = std::move(lines);
        states();
        return std::move(drawing_);
    }

private:
    void build_lines() {
        const Critical critical = critical_of(water_);
        frame_and_title();
        draw(saturation(water_, request_.kind, critical));
        critical_point(critical);
        for (double x = 0.70; x < 0.999; x += 0.05) draw(dryness(water_, request_.kind, x, critical));
        for (double decade = kLowestP; decade < kHighestP * 1.01; decade *= 10)
            for (double m : {1.0, 2.0, 5.0})
                if (m * decade <= kHighestP * 1.0001) draw(isobar(water_, request_.kind, m * decade, critical));
        for (double t : isotherm_values()) draw(isotherm(water_, request_.kind, t, critical));
        if (request_.kind == ChartKind::TS)
            for (double h = 200; h <= 4000; h += 200) draw(isenthalp(water_, h));
        axes();
    }

    template <typename T>
    void add(T primitive) {
        drawing_.primitives.emplace_back(std::in_place_type<T>, std::move(primitive));
    }

    // Every 50 degC; every 10 degC where the view is narrow enough that the
    // fifties would leave it nearly empty.
    std::vector<double> isotherm_values() const {
        double lo = 0;
        double hi = kHighestT;
        if (request_.kind == ChartKind::TS) {
            lo = std::max(0.0, request_.view.y0);
            hi = std::min(kHighestT, request_.view.y1);
        }
        const double step = request_.kind == ChartKind::TS && hi - lo < 200 ? 10 : 50;
        std::vector<double> values;
        for (double t = std::ceil(lo / step) * step; t <= hi + 1e-9 && values.size() < 100; t += step)
            values.push_back(t);
        return values;
    }

    void draw(const Family& family) {
        const auto runs = clip(trace(family.pieces, projection_), area_.left, area_.top, area_.right, area_.bottom);
        for (const auto& run : runs) add(shell::Polyline{run, family.width});
        if (lines_ != nullptr) lines_->push_back({family.family, family.value, runs});
        if (family.label.empty() || runs.empty()) return;
        const Point end = family.label_at_start ? runs.front().front() : runs.back().back();
        label(end, family.label);
    }

    // A line's value where it leaves the plot, inside the frame; dropped where
    // it would cover another.
    void label(const Point& at, const std::string& text) {
        constexpr double edge = 0.5;
        Anchor anchor = Anchor::Left;
        Point where = at;
        if (at.y <= area_.top + edge) {
            anchor = Anchor::Top;
            where.y += 2;
        } else if (at.x >= area_.right - edge) {
            anchor = Anchor::Right;
            where.x -= 2;
        } else if (at.y >= area_.bottom - edge) {
            anchor = Anchor::Bottom;
            where.y -= 2;
        } else if (at.x <= area_.left + edge) {
            where.x += 2;
        } else {
            where.x += 3;
        }
        shell::Text t{where, anchor, text};
        Box b = box_of(t);
        // Kept inside the frame.
        const double dx = std::max(0.0, area_.left - b.left) - std::max(0.0, b.right - area_.right);
        const double dy = std::max(0.0, area_.top - b.top) - std::max(0.0, b.bottom - area_.bottom);
        t.at.x += dx;
        t.at.y += dy;
        b = box_of(t);
        for (const Box& other : taken_)
            if (b.overlaps(other)) return;
        taken_.push_back(b);
        add(std::move(t));
    }

    void frame_and_title() {
        add(shell::Polygon{{{area_.left, area_.top},
                            {area_.right, area_.top},
                            {area_.right, area_.bottom},
                            {area_.left, area_.bottom}},
                           1.0,
                           false});
        const std::string name = request_.kind == ChartKind::HS ? "焓熵图" : "温熵图";
        const std::string formulation = water_.formulation() == props::Formulation::IF97 ? "IAPWS-IF97" : "IFC-67";
        add(shell::Text{{(area_.left + area_.right) / 2, 6}, Anchor::Top, name + "（" + formulation + "）"});
    }

    void critical_point(const Critical& critical) {
        const auto point = vouched(water_, [&] { return wet(water_, request_.kind, critical.t - 1e-6, 0.5); });
        if (!point) return;
        const Point at = projection_(point->first, point->second);
        if (!inside(at)) return;
        add(shell::Circle{at, 3, 1.5});
        label({at.x + 4, at.y - 8}, "临界点");
    }

    bool inside(const Point& p) const {
        return p.x >= area_.left && p.x <= area_.right && p.y >= area_.top && p.y <= area_.bottom;
    }

    void axes() {
        const View& v = request_.view;
        const double s_step = tick_step(v.s1 - v.s0, 8);
        for (double s = std::ceil(v.s0 / s_step - 1e-9) * s_step; s <= v.s1 + 1e-9 * s_step; s += s_step) {
            const double x = projection_(s, v.y0).x;
            add(shell::Line{{x, area_.bottom}, {x, area_.bottom + 5}, 1.0});
            add(shell::Text{{x, area_.bottom + 7}, Anchor::Top, trimmed(std::abs(s) < 1e-9 ? 0 : s)});
        }
        const double y_step = tick_step(v.y1 - v.y0, 8);
        for (double y = std::ceil(v.y0 / y_step - 1e-9) * y_step; y <= v.y1 + 1e-9 * y_step; y += y_step) {
            const double py = projection_(v.s0, y).y;
            add(shell::Line{{area_.left - 5, py}, {area_.left, py}, 1.0});
            add(shell::Text{{area_.left - 7, py}, Anchor::Right, trimmed(std::abs(y) < 1e-9 ? 0 : y)});
        }
        add(shell::Text{{(area_.left + area_.right) / 2, static_cast<double>(request_.height) - 4},
                        Anchor::Bottom,
                        "比熵 s，kJ/(kg·K)"});
        add(shell::Text{
            {4, area_.top - 16}, Anchor::TopLeft, request_.kind == ChartKind::HS ? "比焓 h，kJ/kg" : "温度 t，℃"});
    }

    void states() {
        std::vector<Point> at;
        for (const MarkedState& m : request_.states)
            at.push_back(projection_(m.state.s, chart_y(request_.kind, m.state)));
        for (const auto& process : request_.processes) {
            std::vector<Point> points;
            for (int i : process)
                if (i >= 0 && static_cast<std::size_t>(i) < at.size()) points.push_back(at[i]);
            const auto runs = clip({points}, area_.left, area_.top, area_.right, area_.bottom);
            for (const auto& run : runs) add(shell::Polyline{run, 2.0});
        }
        for (std::size_t i = 0; i < at.size(); ++i) {
            if (!inside(at[i])) continue;
            add(shell::Circle{at[i], 4, 2.0});
            marker_text(at[i], request_.states[i]);
        }
    }

    // The state's numbers beside its marker, on the side with room.
    void marker_text(const Point& at, const MarkedState& m) {
        const props::FluidState& s = m.state;
        char line1[96];
        char line2[96];
        std::snprintf(line1, sizeof line1, "%sp=%.4g MPa  t=%.2f ℃", m.name.empty() ? "" : (m.name + " ").c_str(), s.p,
                      s.t);
        if (s.x > 0 && s.x < 1)
            std::snprintf(line2, sizeof line2, "h=%.2f  s=%.4f  x=%.1f%%", s.h, s.s, s.x * 100);
        else
            std::snprintf(line2, sizeof line2, "h=%.2f  s=%.4f", s.h, s.s);
        const bool right = at.x + 8 + text_width(line1) <= area_.right;
        const double x = right ? at.x + 8 : at.x - 8;
        const Anchor a1 = right ? Anchor::BottomLeft : Anchor::BottomRight;
        const Anchor a2 = right ? Anchor::TopLeft : Anchor::TopRight;
        shell::Text t1{{x, at.y - 1}, a1, line1};
        shell::Text t2{{x, at.y + 1}, a2, line2};
        taken_.push_back(box_of(t1));
        taken_.push_back(box_of(t2));
        add(std::move(t1));
        add(std::move(t2));
    }

    const ChartRequest& request_;
    props::WaterSteam& water_;
    PlotArea area_;
    Projection projection_{};
    shell::Drawing drawing_;
    std::vector<Box> taken_;

public:
    std::vector<ChartLine>* lines_ = nullptr;
};

}  // namespace

View default_view(ChartKind kind) { return kind == ChartKind::HS ? View{5.5, 8.5, 2000, 3700} : View{0, 9.5, 0, 650}; }

View full_view(ChartKind kind) { return kind == ChartKind::HS ? View{0, 12, 0, 4400} : View{0, 12, 0, 800}; }

PlotArea plot_area(int width, int height) {
    return {64.0, 40.0, static_cast<double>(width) - 16, static_cast<double>(height) - 44};
}

double chart_y(ChartKind kind, const props::FluidState& state) { return kind == ChartKind::HS ? state.h : state.t; }

Point to_pixels(const ChartRequest& request, double s, double y) {
    const PlotArea a = plot_area(request.width, request.height);
    const View& v = request.view;
    return Projection{v.s0, v.s1, v.y0, v.y1, a.left, a.top, a.right, a.bottom}(s, y);
}

View view_of_rectangle(const ChartRequest& request, Point a, Point b) {
    const PlotArea area = plot_area(request.width, request.height);
    const View& v = request.view;
    const auto s_at = [&](double x) { return v.s0 + (x - area.left) / (area.right - area.left) * (v.s1 - v.s0); };
    const auto y_at = [&](double y) { return v.y0 + (area.bottom - y) / (area.bottom - area.top) * (v.y1 - v.y0); };
    return {std::min(s_at(a.x), s_at(b.x)), std::max(s_at(a.x), s_at(b.x)), std::min(y_at(a.y), y_at(b.y)),
            std::max(y_at(a.y), y_at(b.y))};
}

namespace {

void check_request(const ChartRequest& request) {
    const View& v = request.view;
    if (!(request.width >= 200 && request.height >= 150 && request.width <= 8000 && request.height <= 8000))
        throw props::PropertyError("图的大小不合适");
    if (!(std::isfinite(v.s0) && std::isfinite(v.s1) && std::isfinite(v.y0) && std::isfinite(v.y1) && v.s1 > v.s0 &&
          v.y1 > v.y0))
        throw props::PropertyError("图的范围不合适");
}

}  // namespace

namespace {

// What the lines of a chart depend on. The marks of a state never touch them
// (their texts are placed after the lines' labels and do not move those), so
// a press that changes only the state reuses the lines drawn last time.
struct LinesKey {
    ChartKind kind;
    View view;
    int width;
    int height;
    props::Formulation formulation;
    bool checking;

    bool operator==(const LinesKey&) const = default;
};

// The lines of the last few charts drawn: the two charts in each of the two
// ranges a screen switches between. The screens and the command line draw
// from one thread only, so the cache takes no lock.
class LinesCache {
public:
    const shell::Drawing& lines(const LinesKey& key, const ChartRequest& request, props::WaterSteam& water) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].first == key) {
                // The one found moves to the front, so the last used go last.
                std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(i),
                            entries_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                return entries_.front().second;
            }
        }
        shell::Drawing drawn = Builder(request, water).lines_only();
        if (entries_.size() >= kEntries) entries_.pop_back();
        entries_.insert(entries_.begin(), {key, std::move(drawn)});
        return entries_.front().second;
    }

    void clear() { entries_.clear(); }

private:
    static constexpr std::size_t kEntries = 4;
    std::vector<std::pair<LinesKey, shell::Drawing>> entries_;
};

LinesCache& lines_cache() {
    static LinesCache cache;
    return cache;
}

}  // namespace

shell::Drawing chart_drawing(const ChartRequest& request, props::WaterSteam& water) {
    check_request(request);
    const LinesKey key{request.kind,   request.view,        request.width,
                       request.height, water.formulation(), water.checking()};
    return Builder(request, water).with_states(lines_cache().lines(key, request, water));
}

shell::Drawing chart_drawing_uncached(const ChartRequest& request, props::WaterSteam& water) {
    check_request(request);
    return Builder(request, water).build();
}

void forget_chart_lines() { lines_cache().clear(); }

std::vector<ChartLine> chart_lines(const ChartRequest& request, props::WaterSteam& water) {
    std::vector<ChartLine> lines;
    check_request(request);
    Builder builder(request, water);
    builder.lines_ = &lines;
    builder.build();
    return lines;
}

}  // namespace entalix::charts
