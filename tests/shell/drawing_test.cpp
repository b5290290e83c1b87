// The plant drawings as data: what a host's painter is handed, and whether the
// pictures hold together (every stroke on the picture, every arrow on its pipe).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "shell/drawing.h"

namespace entalix::shell {
namespace {

constexpr const char* kPlantDrawings[] = {"mixing_heater", "surface_heater", "desuperheater"};

// A painter that keeps what it is handed, as a host's painter would draw it.
class RecordingPainter : public Painter {
public:
    std::vector<Primitive> seen;

    void line(const Line& p) override { seen.emplace_back(p); }
    void polyline(const Polyline& p) override { seen.emplace_back(p); }
    void polygon(const Polygon& p) override { seen.emplace_back(p); }
    void circle(const Circle& p) override { seen.emplace_back(p); }
    void arc(const Arc& p) override { seen.emplace_back(p); }
    void arrowhead(const Arrowhead& p) override { seen.emplace_back(p); }
    void text(const Text& p) override { seen.emplace_back(p); }
};

TEST(DrawingTest, PainterIsHandedEveryPrimitiveInOrder) {
    for (const char* name : kPlantDrawings) {
        SCOPED_TRACE(name);
        const std::optional<Drawing> drawing = plant_drawing(name);
        ASSERT_TRUE(drawing.has_value());
        EXPECT_GE(drawing->primitives.size(), 8u);
        RecordingPainter painter;
        paint(*drawing, painter);
        EXPECT_EQ(painter.seen, drawing->primitives);
    }
    // A text and a filled polygon, which no plant drawing holds yet, reach their own calls.
    const Drawing chart{
        100, 50, {Text{{50, 25}, Anchor::Center, "饱和线"}, Polygon{{{0, 0}, {9, 0}, {0, 9}}, 0, true}}};
    RecordingPainter painter;
    paint(chart, painter);
    EXPECT_EQ(painter.seen, chart.primitives);
}

TEST(DrawingTest, OnlyThePlantDrawingsHaveOne) {
    EXPECT_FALSE(plant_drawing("").has_value());
    EXPECT_FALSE(plant_drawing("Picture1").has_value());
    EXPECT_FALSE(plant_drawing("Mixing_heater").has_value());
    EXPECT_FALSE(plant_drawing("mixing_heater ").has_value());
}

// The box around a primitive, its pen's half width included.
struct Box {
    double left, top, right, bottom;
};

Box around(const std::vector<Point>& points, double pen) {
    Box b{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points)
        b = {std::min(b.left, p.x), std::min(b.top, p.y), std::max(b.right, p.x), std::max(b.bottom, p.y)};
    return {b.left - pen / 2, b.top - pen / 2, b.right + pen / 2, b.bottom + pen / 2};
}

Box around(const Primitive& primitive) {
    if (const auto* p = std::get_if<Line>(&primitive)) return around({p->from, p->to}, p->width);
    if (const auto* p = std::get_if<Polyline>(&primitive)) return around(p->points, p->width);
    if (const auto* p = std::get_if<Polygon>(&primitive)) return around(p->corners, p->width);
    if (const auto* p = std::get_if<Circle>(&primitive))
        return around(
            {{p->centre.x - p->radius, p->centre.y - p->radius}, {p->centre.x + p->radius, p->centre.y + p->radius}},
            p->width);
    if (const auto* p = std::get_if<Arc>(&primitive))  // the whole ellipse: enough to stay on the picture
        return around({{p->centre.x - p->rx, p->centre.y - p->ry}, {p->centre.x + p->rx, p->centre.y + p->ry}},
                      p->width);
    if (const auto* p = std::get_if<Arrowhead>(&primitive)) {
        const std::array<Point, 3> c = corners(*p);
        return around({c.begin(), c.end()}, 0);
    }
    const Point at = std::get<Text>(primitive).at;
    return around({at}, 0);
}

TEST(DrawingTest, EveryStrokeLiesOnThePicture) {
    for (const char* name : kPlantDrawings) {
        const Drawing drawing = plant_drawing(name).value();
        for (std::size_t i = 0; i < drawing.primitives.size(); ++i) {
            const Box b = around(drawing.primitives[i]);
            EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= drawing.width && b.bottom <= drawing.height)
                << name << " primitive " << i << " reaches " << b.left << ", " << b.top << " to " << b.right << ", "
                << b.bottom << " of " << drawing.width << " x " << drawing.height;
        }
    }
}

// Every arrowhead stands on the last straight run of the pipe drawn just before it.
TEST(DrawingTest, EveryArrowPointsAlongItsPipe) {
    for (const char* name : kPlantDrawings) {
        const Drawing drawing = plant_drawing(name).value();
        int arrows = 0;
        for (std::size_t i = 1; i < drawing.primitives.size(); ++i) {
            const auto* arrow = std::get_if<Arrowhead>(&drawing.primitives[i]);
            if (arrow == nullptr) continue;
            ++arrows;
            const auto* pipe = std::get_if<Polyline>(&drawing.primitives[i - 1]);
            ASSERT_NE(pipe, nullptr) << name << " arrowhead " << i;
            const Point a = pipe->points[pipe->points.size() - 2];
            const Point b = pipe->points.back();
            const Point tip = arrow->tip;
            const bool on_run =
                (a.x == b.x && tip.x == a.x && std::min(a.y, b.y) <= tip.y && tip.y <= std::max(a.y, b.y)) ||
                (a.y == b.y && tip.y == a.y && std::min(a.x, b.x) <= tip.x && tip.x <= std::max(a.x, b.x));
            const Towards along =
                a.x == b.x ? (b.y > a.y ? Towards::Down : Towards::Up) : (b.x > a.x ? Towards::Right : Towards::Left);
            EXPECT_TRUE(on_run) << name << " arrowhead " << i << " at " << tip.x << ", " << tip.y;
            EXPECT_EQ(arrow->towards, along) << name << " arrowhead " << i;
        }
        EXPECT_GE(arrows, 3) << name;
    }
}

}  // namespace
}  // namespace entalix::shell
