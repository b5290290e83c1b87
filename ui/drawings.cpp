// The Qt painter of the drawings: black strokes and fills in the drawing's own
// pixels (Qt scales them for the screen, so they stay sharp at any device pixel
// ratio).
#include "ui/drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace entalix::ui {

namespace {

QPointF at(const shell::Point& p) { return {p.x, p.y}; }

QPolygonF through(const std::vector<shell::Point>& points) {
    QPolygonF polygon;
    for (const shell::Point& p : points) polygon << at(p);
    return polygon;
}

class QtPainter : public shell::Painter {
public:
    explicit QtPainter(QPainter& p) : p_(p) {}

    void line(const shell::Line& l) override {
        stroke(l.width);
        p_.drawLine(at(l.from), at(l.to));
    }
    void polyline(const shell::Polyline& l) override {
        stroke(l.width);
        p_.drawPolyline(through(l.points));
    }
    void polygon(const shell::Polygon& g) override {
        if (g.filled)
            fill();
        else
            stroke(g.width);
        p_.drawPolygon(through(g.corners));
    }
    void circle(const shell::Circle& c) override {
        stroke(c.width);
        p_.drawEllipse(at(c.centre), c.radius, c.radius);
    }
    void arc(const shell::Arc& a) override {
        stroke(a.width);
        const QRectF box(a.centre.x - a.rx, a.centre.y - a.ry, 2 * a.rx, 2 * a.ry);
        QPainterPath path;
        path.arcMoveTo(box, a.start);
        path.arcTo(box, a.start, a.span);
        p_.drawPath(path);
    }
    void arrowhead(const shell::Arrowhead& a) override {
        fill();
        const std::array<shell::Point, 3> c = shell::corners(a);
        p_.drawPolygon(QPolygonF() << at(c[0]) << at(c[1]) << at(c[2]));
    }
    // In the painter's font, the widget's: the one the screen's labels show.
    void text(const shell::Text& t) override {
        p_.setPen(Qt::black);
        constexpr qreal kRoom = 4096;  // wider and taller than any line of text
        const int column = static_cast<int>(t.anchor) % 3;
        const int row = static_cast<int>(t.anchor) / 3;
        const QRectF box(t.at.x - column * kRoom / 2, t.at.y - row * kRoom / 2, kRoom, kRoom);
        const Qt::Alignment across[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        const Qt::Alignment down[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
        p_.drawText(box, static_cast<int>(across[column] | down[row]) | Qt::TextSingleLine,
                    QString::fromStdString(t.text));
    }

private:
    void stroke(double width) {
        QPen pen(Qt::black, width);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
    }
    void fill() {
        p_.setPen(Qt::NoPen);
        p_.setBrush(Qt::black);
    }

    QPainter& p_;
};

}  // namespace

void paint_drawing(QPainter& painter, const shell::Drawing& drawing) {
    painter.save();
    QtPainter qt(painter);
    shell::paint(drawing, qt);
    painter.restore();
}

void paint_drawing(QPainter& painter, const QString& drawing) {
    if (const std::optional<shell::Drawing> d = shell::plant_drawing(drawing.toStdString())) paint_drawing(painter, *d);
}

}  // namespace entalix::ui
