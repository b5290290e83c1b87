// The picture boxes of the screens, and the copy and export of a chart.
#include "ui/picture_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

#include "shell/host_look.h"
#include "shell/svg.h"
#include "ui/drawings.h"

namespace entalix::ui {

namespace {

QColor colour(shell::Colour c) { return QColor(c.red, c.green, c.blue); }

// A drag shorter than this either way is a click.
constexpr int kLeastDrag = 4;

}  // namespace

PictureBox::PictureBox(const QString& drawing, QWidget* parent, std::function<void(QRectF)> dragged)
    : QWidget(parent), name_(drawing), dragged_(std::move(dragged)) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour(shell::kDrawingBackground));
    setPalette(pal);
    if (dragged_) setCursor(Qt::CrossCursor);
}

void PictureBox::set_drawing(shell::Drawing drawing) {
    data_ = std::move(drawing);
    update();
}

void PictureBox::set_scale(double scale) {
    scale_ = scale;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The drawing in its own pixels, enlarged with the window; its texts in the
    // type of the screen's own size, which the enlargement scales with the rest.
    painter.save();
    painter.scale(scale_, scale_);
    QFont type = font();
    type.setPixelSize(std::max(1, static_cast<int>(std::lround(type.pixelSize() / scale_))));
    painter.setFont(type);
    if (data_)
        paint_drawing(painter, *data_);
    else
        paint_drawing(painter, name_);
    painter.restore();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (from_) {
        painter.setPen(QPen(Qt::blue, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(*from_, to_).normalized());
    }
    painter.setPen(colour(shell::kDrawingBorder));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (!dragged_ || !data_ || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    from_ = event->pos();
    to_ = event->pos();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (!from_) return QWidget::mouseMoveEvent(event);
    to_ = event->pos();
    update();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!from_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const QPoint from = *from_;
    from_.reset();
    update();
    to_ = event->pos();
    if (std::abs(to_.x() - from.x()) < kLeastDrag || std::abs(to_.y() - from.y()) < kLeastDrag) return;
    // The box shows the drawing at its top-left corner in logical pixels, which
    // are the drawing's times the scale of an enlarged window.
    dragged_(QRectF(QPointF(from) / scale_, QPointF(to_) / scale_));
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    if (!data_) return QWidget::contextMenuEvent(event);
    QMenu menu(this);
    menu.addAction(QStringLiteral("复制图片"), this, [this] { copy_image(); });
    menu.addAction(QStringLiteral("保存为PNG…"), this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("保存为PNG"), QStringLiteral("焓熵图.png"), QStringLiteral("PNG 图片 (*.png)"));
        if (!path.isEmpty() && !save_png(path)) cannot_write(path);
    });
    menu.addAction(QStringLiteral("保存为SVG…"), this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("保存为SVG"), QStringLiteral("焓熵图.svg"), QStringLiteral("SVG 图形 (*.svg)"));
        if (!path.isEmpty() && !save_svg(path)) cannot_write(path);
    });
    menu.exec(event->globalPos());
}

void PictureBox::cannot_write(const QString& path) {
    QMessageBox::warning(this, QStringLiteral("未能保存"), QStringLiteral("无法写入文件：") + path);
}

QImage PictureBox::image() const {
    if (!data_) return {};
    constexpr int kScale = 2;  // sharp when a report enlarges it
    QImage image(data_->width * kScale, data_->height * kScale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(kScale);
    image.fill(colour(shell::kDrawingBackground));
    QPainter painter(&image);
    painter.setFont(font());
    painter.setRenderHint(QPainter::Antialiasing, true);
    paint_drawing(painter, *data_);
    return image;
}

void PictureBox::copy_image() const {
    if (data_) QGuiApplication::clipboard()->setImage(image());
}

// Both writes go to a file beside the target that replaces it only when
// whole, so a failed save never leaves a truncated picture where a good one was.
bool PictureBox::save_png(const QString& path) const {
    if (!data_) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image().save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool PictureBox::save_svg(const QString& path) const {
    if (!data_) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string svg = shell::svg_of(*data_, font().pixelSize() > 0 ? font().pixelSize() : shell::kTextPixels);
    if (file.write(svg.data(), static_cast<qint64>(svg.size())) != static_cast<qint64>(svg.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace entalix::ui
