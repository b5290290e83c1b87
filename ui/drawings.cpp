// The plant drawings: a vessel or a valve and mixer with their pipes and arrows,
// black lines on white, in the drawing's own pixels (Qt scales them for the
// screen, so they stay sharp at any device pixel ratio).
#include "ui/drawings.h"

#include <initializer_list>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace entalix::ui {

namespace {

constexpr qreal kPipe = 1.5;  // pipes and outlines
constexpr qreal kSeam = 1.0;  // the tangent lines where the dished ends meet the shell
constexpr qreal kArrowLength = 10;
constexpr qreal kArrowHalfWidth = 4;

enum class Towards { Left, Right, Up, Down };

void line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2) { p.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }

// A pipe through its corner points, drawn in one stroke so its bends are joined.
void pipe(QPainter& p, std::initializer_list<QPointF> points) { p.drawPolyline(QPolygonF(points)); }

// A filled arrowhead whose tip lies at (x, y).
void arrowhead(QPainter& p, qreal x, qreal y, Towards towards) {
    const qreal l = kArrowLength;
    const qreal w = kArrowHalfWidth;
    QPolygonF head;
    switch (towards) {
        case Towards::Left:
            head << QPointF(x, y) << QPointF(x + l, y - w) << QPointF(x + l, y + w);
            break;
        case Towards::Right:
            head << QPointF(x, y) << QPointF(x - l, y - w) << QPointF(x - l, y + w);
            break;
        case Towards::Up:
            head << QPointF(x, y) << QPointF(x - w, y + l) << QPointF(x + w, y + l);
            break;
        case Towards::Down:
            head << QPointF(x, y) << QPointF(x - w, y - l) << QPointF(x + w, y - l);
            break;
    }
    p.save();
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
    p.restore();
}

// A horizontal cylindrical vessel: the straight shell from shell_left to
// shell_right between top and bottom, a half-ellipse dished end at each side
// reaching out to end_left and end_right, and the tangent lines at seam_left
// and seam_right.
struct Vessel {
    qreal shell_left, shell_right, top, bottom, seam_left, seam_right, end_left, end_right;
};

void vessel(QPainter& p, const Vessel& v) {
    line(p, v.shell_left, v.top, v.shell_right, v.top);
    line(p, v.shell_left, v.bottom, v.shell_right, v.bottom);
    const qreal height = v.bottom - v.top;
    QPainterPath ends;
    const qreal left_depth = v.shell_left - v.end_left;
    ends.moveTo(v.shell_left, v.top);
    ends.arcTo(QRectF(v.end_left, v.top, 2 * left_depth, height), 90, 180);
    const qreal right_depth = v.end_right - v.shell_right;
    ends.moveTo(v.shell_right, v.bottom);
    ends.arcTo(QRectF(v.shell_right - right_depth, v.top, 2 * right_depth, height), 270, 180);
    p.drawPath(ends);
    p.save();
    QPen seam = p.pen();
    seam.setWidthF(kSeam);
    p.setPen(seam);
    line(p, v.seam_left, v.top, v.seam_left, v.bottom);
    line(p, v.seam_right, v.top, v.seam_right, v.bottom);
    p.restore();
}

void mixing_heater(QPainter& p) {
    vessel(p, {74, 309, 114, 205, 84, 298, 56, 328});
    // Heating steam from the right, down into the top of the shell.
    pipe(p, {{335, 46}, {198, 46}, {198, 114}});
    arrowhead(p, 198, 114, Towards::Down);
    // Feed water from the right, up into the bottom of the shell.
    pipe(p, {{425, 250}, {266, 250}, {266, 205}});
    arrowhead(p, 266, 205, Towards::Up);
    // Saturated water leaves at the bottom.
    pipe(p, {{176, 205}, {176, 263}});
    arrowhead(p, 176, 263, Towards::Down);
}

void surface_heater(QPainter& p) {
    vessel(p, {102, 338, 110, 201, 114, 326, 84, 356});
    // Heated water leaves at the top and turns left.
    pipe(p, {{160, 110}, {160, 66}, {49, 66}});
    arrowhead(p, 49, 66, Towards::Left);
    // Heating steam from the right, down into the top of the shell.
    pipe(p, {{363, 42}, {227, 42}, {227, 110}});
    arrowhead(p, 227, 110, Towards::Down);
    // Water from the right, up into the bottom of the shell. The pipe begins
    // just left of the inlet-water captions, which stand on its line further right.
    pipe(p, {{362, 246}, {294, 246}, {294, 201}});
    arrowhead(p, 294, 201, Towards::Up);
    // Drain at the bottom.
    pipe(p, {{204, 201}, {204, 259}});
    arrowhead(p, 204, 259, Towards::Down);
}

void desuperheater(QPainter& p) {
    // Superheated steam from the left into the valve.
    pipe(p, {{70, 185}, {206, 185}});
    arrowhead(p, 204, 185, Towards::Right);
    // The valve: two triangles tip to tip, the right one opening towards the mixer.
    const QPointF tip(271, 185.5);
    p.drawPolygon(QPolygonF() << QPointF(204, 150) << QPointF(204, 221) << tip);
    p.drawPolygon(QPolygonF() << QPointF(317, 150) << QPointF(317, 221) << tip);
    // The mixer, where the water meets the steam.
    const QPointF centre(352, 185);
    p.drawEllipse(centre, 35, 35);
    p.drawPolyline(QPolygonF() << QPointF(331, 204) << QPointF(352, 166) << QPointF(373, 204));
    // Desuperheating water from the left, down into the top of the mixer.
    pipe(p, {{228, 83}, {353, 83}, {353, 150}});
    arrowhead(p, 353, 150, Towards::Down);
    // Supplied steam to the right.
    pipe(p, {{384, 184}, {506, 184}});
    arrowhead(p, 506, 184, Towards::Right);
}

}  // namespace

void paint_drawing(QPainter& painter, const QString& drawing) {
    void (*paint)(QPainter&) = nullptr;
    QSize size;
    if (drawing == QLatin1String("mixing_heater")) {
        paint = mixing_heater;
        size = QSize(508, 316);
    } else if (drawing == QLatin1String("surface_heater")) {
        paint = surface_heater;
        size = QSize(508, 316);
    } else if (drawing == QLatin1String("desuperheater")) {
        paint = desuperheater;
        size = QSize(597, 315);
    }
    if (paint == nullptr) return;
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    QPen pen(Qt::black, kPipe);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    paint(painter);
    painter.restore();
}

}  // namespace entalix::ui
