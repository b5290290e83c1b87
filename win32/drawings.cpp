// The plant drawings: a vessel or a valve and mixer with their pipes and arrows,
// in the same geometry as the Qt host's. Coordinates are the drawing's 96-dpi
// pixels; a world transform scales them (and the pen) to the monitor, and
// works in quarter pixels so that half-pixel points stay where they belong.
#include "win32/drawings.h"

#include <cmath>
#include <initializer_list>
#include <vector>

namespace entalix::win32 {

namespace {

constexpr int kSub = 4;  // world units per drawing pixel
constexpr float kDrawingDpi = 96;
constexpr double kPipe = 1.5;  // pipes and outlines, drawing pixels
constexpr double kSeam = 1.0;  // the tangent lines where the dished ends meet the shell
constexpr double kArrowLength = 10;
constexpr double kArrowHalfWidth = 4;

struct Pt {
    double x;
    double y;
};

POINT world(Pt p) { return {static_cast<LONG>(std::lround(p.x * kSub)), static_cast<LONG>(std::lround(p.y * kSub))}; }

enum class Towards { Left, Right, Up, Down };

// A geometric pen of the given width in drawing pixels, flat ends and mitred bends.
HPEN make_pen(double width) {
    LOGBRUSH brush{BS_SOLID, RGB(0, 0, 0), 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                        static_cast<DWORD>(std::lround(width * kSub)), &brush, 0, nullptr);
}

void line(HDC dc, double x1, double y1, double x2, double y2) {
    const POINT p[2] = {world({x1, y1}), world({x2, y2})};
    Polyline(dc, p, 2);
}

// A pipe through its corner points, drawn in one stroke so its bends are joined.
void pipe(HDC dc, std::initializer_list<Pt> points) {
    std::vector<POINT> p;
    for (Pt point : points) p.push_back(world(point));
    Polyline(dc, p.data(), static_cast<int>(p.size()));
}

// A filled arrowhead whose tip lies at (x, y).
void arrowhead(HDC dc, double x, double y, Towards towards) {
    const double l = kArrowLength;
    const double w = kArrowHalfWidth;
    Pt head[3];
    switch (towards) {
        case Towards::Left:
            head[0] = {x, y}, head[1] = {x + l, y - w}, head[2] = {x + l, y + w};
            break;
        case Towards::Right:
            head[0] = {x, y}, head[1] = {x - l, y - w}, head[2] = {x - l, y + w};
            break;
        case Towards::Up:
            head[0] = {x, y}, head[1] = {x - w, y + l}, head[2] = {x + w, y + l};
            break;
        case Towards::Down:
            head[0] = {x, y}, head[1] = {x - w, y - l}, head[2] = {x + w, y - l};
            break;
    }
    const POINT p[3] = {world(head[0]), world(head[1]), world(head[2])};
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Polygon(dc, p, 3);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
}

// A horizontal cylindrical vessel: the straight shell from shell_left to
// shell_right between top and bottom, a half-ellipse dished end at each side
// reaching out to end_left and end_right, and the tangent lines at seam_left
// and seam_right.
struct Vessel {
    double shell_left, shell_right, top, bottom, seam_left, seam_right, end_left, end_right;
};

void vessel(HDC dc, const Vessel& v) {
    line(dc, v.shell_left, v.top, v.shell_right, v.top);
    line(dc, v.shell_left, v.bottom, v.shell_right, v.bottom);
    // GDI draws arcs counter-clockwise on the screen from the start to the end radial.
    const POINT top_left = world({v.shell_left, v.top});
    const POINT bottom_left = world({v.shell_left, v.bottom});
    const POINT top_right = world({v.shell_right, v.top});
    const POINT bottom_right = world({v.shell_right, v.bottom});
    const POINT a = world({v.end_left, v.top});
    const POINT b = world({2 * v.shell_left - v.end_left, v.bottom});
    Arc(dc, a.x, a.y, b.x, b.y, top_left.x, top_left.y, bottom_left.x, bottom_left.y);
    const POINT c = world({2 * v.shell_right - v.end_right, v.top});
    const POINT d = world({v.end_right, v.bottom});
    Arc(dc, c.x, c.y, d.x, d.y, bottom_right.x, bottom_right.y, top_right.x, top_right.y);
    HPEN seam = make_pen(kSeam);
    HGDIOBJ old = SelectObject(dc, seam);
    line(dc, v.seam_left, v.top, v.seam_left, v.bottom);
    line(dc, v.seam_right, v.top, v.seam_right, v.bottom);
    SelectObject(dc, old);
    DeleteObject(seam);
}

void mixing_heater(HDC dc) {
    vessel(dc, {74, 309, 114, 205, 84, 298, 56, 328});
    // Heating steam from the right, down into the top of the shell.
    pipe(dc, {{335, 46}, {198, 46}, {198, 114}});
    arrowhead(dc, 198, 114, Towards::Down);
    // Feed water from the right, up into the bottom of the shell.
    pipe(dc, {{425, 250}, {266, 250}, {266, 205}});
    arrowhead(dc, 266, 205, Towards::Up);
    // Saturated water leaves at the bottom.
    pipe(dc, {{176, 205}, {176, 263}});
    arrowhead(dc, 176, 263, Towards::Down);
}

void surface_heater(HDC dc) {
    vessel(dc, {102, 338, 110, 201, 114, 326, 84, 356});
    // Heated water leaves at the top and turns left.
    pipe(dc, {{160, 110}, {160, 66}, {49, 66}});
    arrowhead(dc, 49, 66, Towards::Left);
    // Heating steam from the right, down into the top of the shell.
    pipe(dc, {{363, 42}, {227, 42}, {227, 110}});
    arrowhead(dc, 227, 110, Towards::Down);
    // Water from the right, up into the bottom of the shell. The pipe begins
    // just left of the inlet-water captions, which stand on its line further right.
    pipe(dc, {{362, 246}, {294, 246}, {294, 201}});
    arrowhead(dc, 294, 201, Towards::Up);
    // Drain at the bottom.
    pipe(dc, {{204, 201}, {204, 259}});
    arrowhead(dc, 204, 259, Towards::Down);
}

void desuperheater(HDC dc) {
    // Superheated steam from the left into the valve.
    pipe(dc, {{70, 185}, {206, 185}});
    arrowhead(dc, 204, 185, Towards::Right);
    // The valve: two triangles tip to tip, the right one opening towards the mixer.
    const Pt tip{271, 185.5};
    const POINT left[3] = {world({204, 150}), world({204, 221}), world(tip)};
    const POINT right[3] = {world({317, 150}), world({317, 221}), world(tip)};
    Polygon(dc, left, 3);
    Polygon(dc, right, 3);
    // The mixer, where the water meets the steam.
    const POINT a = world({352 - 35, 185 - 35});
    const POINT b = world({352 + 35, 185 + 35});
    Ellipse(dc, a.x, a.y, b.x, b.y);
    pipe(dc, {{331, 204}, {352, 166}, {373, 204}});
    // Desuperheating water from the left, down into the top of the mixer.
    pipe(dc, {{228, 83}, {353, 83}, {353, 150}});
    arrowhead(dc, 353, 150, Towards::Down);
    // Supplied steam to the right.
    pipe(dc, {{384, 184}, {506, 184}});
    arrowhead(dc, 506, 184, Towards::Right);
}

}  // namespace

void paint_drawing(HDC dc, std::string_view drawing, UINT dpi) {
    void (*paint)(HDC) = nullptr;
    SIZE size{};
    if (drawing == "mixing_heater") {
        paint = mixing_heater;
        size = {508, 316};
    } else if (drawing == "surface_heater") {
        paint = surface_heater;
        size = {508, 316};
    } else if (drawing == "desuperheater") {
        paint = desuperheater;
        size = {597, 315};
    }
    if (paint == nullptr) return;
    const int saved = SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    const float scale = static_cast<float>(dpi) / static_cast<float>(kDrawingDpi) / kSub;
    const XFORM transform{scale, 0, 0, scale, 0, 0};
    SetWorldTransform(dc, &transform);
    const RECT area{0, 0, size.cx * kSub, size.cy * kSub};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HPEN pen = make_pen(kPipe);
    SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    paint(dc);
    RestoreDC(dc, saved);
    DeleteObject(pen);
}

}  // namespace entalix::win32
