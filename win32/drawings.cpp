// The GDI painter of the drawings. Coordinates are the drawing's 96-dpi pixels;
// a world transform scales them (and the pens) to the monitor, and works in
// quarter pixels so that half-pixel points stay where they belong.
#include "win32/drawings.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "win32/text.h"

namespace entalix::win32 {

namespace {

constexpr int kSub = 4;  // world units per drawing pixel
constexpr float kDrawingDpi = 96;

POINT world(const shell::Point& p) {
    return {static_cast<LONG>(std::lround(p.x * kSub)), static_cast<LONG>(std::lround(p.y * kSub))};
}

std::vector<POINT> world(const std::vector<shell::Point>& points) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const shell::Point& p : points) out.push_back(world(p));
    return out;
}

// Where the ray from the ellipse's centre at `degrees` (counter-clockwise on
// the screen from the right) points: GDI takes an arc's ends as such radials.
POINT radial(const shell::Arc& a, double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return world({a.centre.x + a.rx * std::cos(radians), a.centre.y - a.ry * std::sin(radians)});
}

class GdiPainter : public shell::Painter {
public:
    GdiPainter(HDC dc, UINT dpi) : dc_(dc), dpi_(dpi) {}
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;
    ~GdiPainter() override {
        SelectObject(dc_, GetStockObject(NULL_PEN));
        if (pen_ != nullptr) DeleteObject(pen_);
    }

    void line(const shell::Line& l) override {
        stroke(l.width);
        const POINT p[2] = {world(l.from), world(l.to)};
        Polyline(dc_, p, 2);
    }
    void polyline(const shell::Polyline& l) override {
        stroke(l.width);
        const std::vector<POINT> p = world(l.points);
        Polyline(dc_, p.data(), static_cast<int>(p.size()));
    }
    void polygon(const shell::Polygon& g) override {
        if (g.filled)
            fill();
        else
            stroke(g.width);
        const std::vector<POINT> p = world(g.corners);
        Polygon(dc_, p.data(), static_cast<int>(p.size()));
    }
    void circle(const shell::Circle& c) override {
        stroke(c.width);
        const POINT a = world({c.centre.x - c.radius, c.centre.y - c.radius});
        const POINT b = world({c.centre.x + c.radius, c.centre.y + c.radius});
        Ellipse(dc_, a.x, a.y, b.x, b.y);
    }
    void arc(const shell::Arc& a) override {
        stroke(a.width);
        const POINT box_a = world({a.centre.x - a.rx, a.centre.y - a.ry});
        const POINT box_b = world({a.centre.x + a.rx, a.centre.y + a.ry});
        const POINT from = radial(a, a.start);
        const POINT to = radial(a, a.start + a.span);
        SetArcDirection(dc_, a.span >= 0 ? AD_COUNTERCLOCKWISE : AD_CLOCKWISE);
        Arc(dc_, box_a.x, box_a.y, box_b.x, box_b.y, from.x, from.y, to.x, to.y);
    }
    void arrowhead(const shell::Arrowhead& a) override {
        fill();
        const std::array<shell::Point, 3> c = shell::corners(a);
        const POINT p[3] = {world(c[0]), world(c[1]), world(c[2])};
        Polygon(dc_, p, 3);
    }
    // In the font selected into the device context, at the monitor's own size:
    // the world transform is set aside while the text is drawn.
    void text(const shell::Text& t) override {
        XFORM drawing{};
        GetWorldTransform(dc_, &drawing);
        ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
        const double scale = static_cast<double>(dpi_) / kDrawingDpi;
        const LONG x = std::lround(t.at.x * scale);
        const LONG y = std::lround(t.at.y * scale);
        constexpr LONG kRoom = 16384;  // wider and taller than any line of text
        const int column = static_cast<int>(t.anchor) % 3;
        const int row = static_cast<int>(t.anchor) / 3;
        RECT box{x - column * kRoom / 2, y - row * kRoom / 2, 0, 0};
        box.right = box.left + kRoom;
        box.bottom = box.top + kRoom;
        const UINT across[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
        const UINT down[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
        SetTextColor(dc_, RGB(0, 0, 0));
        SetBkMode(dc_, TRANSPARENT);
        const std::wstring text = widen(t.text);
        DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &box,
                  across[column] | down[row] | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        SetWorldTransform(dc_, &drawing);
    }

private:
    // A geometric pen of the given width in drawing pixels, flat ends and mitred
    // bends, kept while the strokes that follow have the same width.
    void stroke(double width) {
        if (pen_ == nullptr || width != pen_width_) {
            LOGBRUSH brush{BS_SOLID, RGB(0, 0, 0), 0};
            HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                                    static_cast<DWORD>(std::lround(width * kSub)), &brush, 0, nullptr);
            SelectObject(dc_, pen);
            if (pen_ != nullptr) DeleteObject(pen_);
            pen_ = pen;
            pen_width_ = width;
        } else {
            SelectObject(dc_, pen_);
        }
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
    }
    void fill() {
        SelectObject(dc_, GetStockObject(NULL_PEN));
        SelectObject(dc_, GetStockObject(BLACK_BRUSH));
    }

    HDC dc_;
    UINT dpi_;
    HPEN pen_ = nullptr;
    double pen_width_ = 0;
};

}  // namespace

void paint_drawing(HDC dc, const shell::Drawing& drawing, UINT dpi) {
    const int saved = SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    const float scale = static_cast<float>(dpi) / kDrawingDpi / kSub;
    const XFORM transform{scale, 0, 0, scale, 0, 0};
    SetWorldTransform(dc, &transform);
    {
        GdiPainter gdi(dc, dpi);
        shell::paint(drawing, gdi);
    }
    RestoreDC(dc, saved);
}

void paint_drawing(HDC dc, std::string_view drawing, UINT dpi) {
    if (const std::optional<shell::Drawing> d = shell::plant_drawing(drawing)) paint_drawing(dc, *d, dpi);
}

}  // namespace entalix::win32
