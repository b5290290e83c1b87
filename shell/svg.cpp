// The SVG painter: each primitive as one element, in the drawing's pixels.
#include "shell/svg.h"

#include <cmath>
#include <numbers>

#include "base/elementary.h"
#include "shell/number_chars.h"

namespace entalix::shell {

namespace {

// Two decimals are a hundredth of a pixel: finer than any screen, and short.
void put(std::string& out, double value) {
    if (!std::isfinite(value)) value = 0;
    const double rounded = std::round(value * 100) / 100;
    out += shortest_text(rounded == 0 ? 0.0 : rounded);
}

void put_escaped(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

void put_points(std::string& out, const std::vector<Point>& points) {
    bool first = true;
    for (const Point& p : points) {
        if (!first) out += ' ';
        first = false;
        put(out, p.x);
        out += ',';
        put(out, p.y);
    }
}

class SvgPainter final : public Painter {
public:
    SvgPainter(std::string& out, double font_px) : out_(out), font_px_(font_px) {}

    void line(const Line& l) override {
        out_ += "<line x1=\"";
        put(out_, l.from.x);
        out_ += "\" y1=\"";
        put(out_, l.from.y);
        out_ += "\" x2=\"";
        put(out_, l.to.x);
        out_ += "\" y2=\"";
        put(out_, l.to.y);
        stroke(l.width);
    }
    void polyline(const Polyline& p) override {
        out_ += "<polyline points=\"";
        put_points(out_, p.points);
        out_ += "\" fill=\"none";
        stroke(p.width);
    }
    void polygon(const Polygon& p) override {
        out_ += "<polygon points=\"";
        put_points(out_, p.corners);
        if (p.filled) {
            out_ += "\" fill=\"black\"/>\n";
        } else {
            out_ += "\" fill=\"none";
            stroke(p.width);
        }
    }
    void circle(const Circle& c) override {
        out_ += "<circle cx=\"";
        put(out_, c.centre.x);
        out_ += "\" cy=\"";
        put(out_, c.centre.y);
        out_ += "\" r=\"";
        put(out_, c.radius);
        out_ += "\" fill=\"none";
        stroke(c.width);
    }
    void arc(const Arc& a) override {
        // Angles count counter-clockwise on the screen, where y grows downwards.
        const double to_rad = std::numbers::pi / 180;
        const double a0 = a.start * to_rad;
        const double a1 = (a.start + a.span) * to_rad;
        out_ += "<path d=\"M";
        put(out_, a.centre.x + a.rx * elementary::cos(a0));
        out_ += ',';
        put(out_, a.centre.y - a.ry * elementary::sin(a0));
        out_ += " A";
        put(out_, a.rx);
        out_ += ',';
        put(out_, a.ry);
        out_ += std::abs(a.span) > 180 ? " 0 1," : " 0 0,";
        out_ += a.span > 0 ? "0 " : "1 ";
        put(out_, a.centre.x + a.rx * elementary::cos(a1));
        out_ += ',';
        put(out_, a.centre.y - a.ry * elementary::sin(a1));
        out_ += "\" fill=\"none";
        stroke(a.width);
    }
    void arrowhead(const Arrowhead& a) override {
        const auto c = corners(a);
        polygon(Polygon{{c[0], c[1], c[2]}, 0, true});
    }
    void text(const Text& t) override {
        static constexpr const char* kAnchor[] = {"start", "middle", "end"};
        const int column = static_cast<int>(t.anchor) % 3;
        const int row = static_cast<int>(t.anchor) / 3;
        // Placed on its baseline, which every renderer agrees on: a CJK face
        // rises about 0.88 of its size above it and falls 0.12 below.
        const double baseline[] = {t.at.y + 0.88 * font_px_, t.at.y + 0.38 * font_px_, t.at.y - 0.12 * font_px_};
        out_ += "<text x=\"";
        put(out_, t.at.x);
        out_ += "\" y=\"";
        put(out_, baseline[row]);
        out_ += "\" text-anchor=\"";
        out_ += kAnchor[column];
        out_ += "\">";
        put_escaped(out_, t.text);
        out_ += "</text>\n";
    }

private:
    void stroke(double width) {
        out_ += "\" stroke=\"black\" stroke-width=\"";
        put(out_, width);
        out_ += "\"/>\n";
    }

    std::string& out_;
    double font_px_;
};

}  // namespace

std::string svg_of(const Drawing& drawing, double font_px) {
    std::string out;
    out.reserve(64 * drawing.primitives.size() + 512);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    out += std::to_string(drawing.width);
    out += "\" height=\"";
    out += std::to_string(drawing.height);
    out += "\" viewBox=\"0 0 ";
    out += std::to_string(drawing.width) + ' ' + std::to_string(drawing.height);
    out += "\" font-family=\"Noto Sans CJK SC, Source Han Sans SC, Microsoft YaHei, SimSun, sans-serif\" font-size=\"";
    put(out, font_px);
    out +=
        "\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\">\n<rect width=\"100%\" height=\"100%\" "
        "fill=\"white\"/>\n";
    SvgPainter painter(out, font_px);
    paint(drawing, painter);
    out += "</svg>\n";
    return out;
}

}  // namespace entalix::shell
