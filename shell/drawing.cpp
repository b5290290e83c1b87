#include "shell/drawing.h"

namespace entalix::shell {

std::array<Point, 3> corners(const Arrowhead& a) {
    const double x = a.tip.x;
    const double y = a.tip.y;
    const double l = kArrowLength;
    const double w = kArrowHalfWidth;
    switch (a.towards) {
        case Towards::Left:
            return {{{x, y}, {x + l, y - w}, {x + l, y + w}}};
        case Towards::Right:
            return {{{x, y}, {x - l, y - w}, {x - l, y + w}}};
        case Towards::Up:
            return {{{x, y}, {x - w, y + l}, {x + w, y + l}}};
        case Towards::Down:
            break;
    }
    return {{{x, y}, {x - w, y - l}, {x + w, y - l}}};
}

namespace {

struct Walk {
    Painter& painter;
    void operator()(const Line& p) const { painter.line(p); }
    void operator()(const Polyline& p) const { painter.polyline(p); }
    void operator()(const Polygon& p) const { painter.polygon(p); }
    void operator()(const Circle& p) const { painter.circle(p); }
    void operator()(const Arc& p) const { painter.arc(p); }
    void operator()(const Arrowhead& p) const { painter.arrowhead(p); }
    void operator()(const Text& p) const { painter.text(p); }
};

}  // namespace

void paint(const Drawing& drawing, Painter& painter) {
    for (const Primitive& primitive : drawing.primitives) std::visit(Walk{painter}, primitive);
}

}  // namespace entalix::shell
