// Paints the application icon at the sizes a window manager asks for.
#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace entalix::ui {
namespace {

// The drawing in the 64 x 64 coordinates of the SVG.
void paint_icon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(14, 10, 12, 34), 6, 6);
    p.drawEllipse(QPointF(20, 46), 9, 9);
    p.setBrush(QColor(0xd6, 0x28, 0x28));
    p.drawRect(QRectF(18, 22, 4, 24));
    p.drawEllipse(QPointF(20, 46), 6, 6);
    QPen steam(QColor(0xcf, 0xe8, 0xff), 3.5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(steam);
    p.setBrush(Qt::NoBrush);
    for (double dx : {0.0, 9.0, 18.0}) {
        QPainterPath wisp(QPointF(36 + dx, 52));
        wisp.cubicTo(32 + dx, 45, 40 + dx, 40, 36 + dx, 33);
        wisp.cubicTo(32 + dx, 26, 40 + dx, 22, 37 + dx, 14);
        p.drawPath(wisp);
    }
}

}  // namespace

QIcon application_icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(size / 64.0, size / 64.0);
        paint_icon(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace entalix::ui
