// A drawing as data: a short list of primitives in the drawing's own pixels
// (x to the right, y down, 96 per inch), black on white. Each window host
// implements a Painter for its toolkit; paint() walks a drawing into it, so the
// coordinates stand here once.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace entalix::shell {

struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

// Strokes are black, flat at their ends and mitred at their bends; `width` is
// the pen's, in drawing pixels.
constexpr double kPipeWidth = 1.5;  // pipes and outlines
constexpr double kSeamWidth = 1.0;  // the tangent lines where a vessel's dished ends meet its shell

struct Line {
    Point from;
    Point to;
    double width = kPipeWidth;

    bool operator==(const Line&) const = default;
};

// An open line through its corner points, drawn in one stroke so its bends are joined.
struct Polyline {
    std::vector<Point> points;
    double width = kPipeWidth;

    bool operator==(const Polyline&) const = default;
};

// A closed outline through its corners; a filled one is black inside, without an outline.
struct Polygon {
    std::vector<Point> corners;
    double width = kPipeWidth;
    bool filled = false;

    bool operator==(const Polygon&) const = default;
};

struct Circle {
    Point centre;
    double radius = 0;
    double width = kPipeWidth;

    bool operator==(const Circle&) const = default;
};

// Part of the ellipse around `centre` with half-axes rx and ry: from the angle
// `start` (degrees, 0 pointing right, 90 up) counter-clockwise on the screen
// through `span` degrees.
struct Arc {
    Point centre;
    double rx = 0;
    double ry = 0;
    double start = 0;
    double span = 0;
    double width = kPipeWidth;

    bool operator==(const Arc&) const = default;
};

enum class Towards { Left, Right, Up, Down };

// A filled arrowhead whose tip lies at `tip`.
struct Arrowhead {
    Point tip;
    Towards towards = Towards::Right;

    bool operator==(const Arrowhead&) const = default;
};

constexpr double kArrowLength = 10;
constexpr double kArrowHalfWidth = 4;

// The arrowhead's three corners, its tip first.
std::array<Point, 3> corners(const Arrowhead& arrowhead);

// Which point of a one-line text's box lies at `at`. In reading order: an
// anchor's value % 3 is its column (left, centre, right), its value / 3 its row
// (top, middle, bottom).
enum class Anchor { TopLeft, Top, TopRight, Left, Center, Right, BottomLeft, Bottom, BottomRight };

// A line of text (UTF-8) in black, in the host's text font.
struct Text {
    Point at;
    Anchor anchor = Anchor::TopLeft;
    std::string text;

    bool operator==(const Text&) const = default;
};

using Primitive = std::variant<Line, Polyline, Polygon, Circle, Arc, Arrowhead, Text>;

// The picture is `width` x `height` pixels, placed at the top-left corner of
// its picture box; every primitive lies within it.
struct Drawing {
    int width = 0;
    int height = 0;
    std::vector<Primitive> primitives;
};

// What a host draws with: one call per primitive, in the drawing's own pixels.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void line(const Line& line) = 0;
    virtual void polyline(const Polyline& polyline) = 0;
    virtual void polygon(const Polygon& polygon) = 0;
    virtual void circle(const Circle& circle) = 0;
    virtual void arc(const Arc& arc) = 0;
    virtual void arrowhead(const Arrowhead& arrowhead) = 0;
    virtual void text(const Text& text) = 0;
};

// Hands every primitive of the drawing to the painter, in the drawing's order.
void paint(const Drawing& drawing, Painter& painter);

// The plant drawing that a picture box names ("mixing_heater", "surface_heater",
// "desuperheater"); nothing for any other name.
std::optional<Drawing> plant_drawing(std::string_view name);

}  // namespace entalix::shell
