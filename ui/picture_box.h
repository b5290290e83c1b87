// A picture box: white, a thin grey border, and either the plant drawing its
// text names or the drawing the last press computed for it (a chart). On a
// chart a drag of the mouse marks a rectangle, and the right button offers to
// copy the picture or save it as PNG or SVG.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

#include "shell/drawing.h"

namespace entalix::ui {

class PictureBox : public QWidget {
public:
    // `dragged` gets the rectangle a drag marked, in the drawing's pixels;
    // without it the box takes no drags.
    PictureBox(const QString& drawing, QWidget* parent, std::function<void(QRectF)> dragged = {});

    void set_drawing(shell::Drawing drawing);
    // The drawing's pixels to the box's, in a window enlarged by hand.
    void set_scale(double scale);
    const std::optional<shell::Drawing>& drawing() const { return data_; }

    // The computed drawing at twice its pixels, on white, as the box shows it.
    QImage image() const;
    void copy_image() const;
    // Write the picture; false when the file cannot be written.
    bool save_png(const QString& path) const;
    bool save_svg(const QString& path) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void cannot_write(const QString& path);

    QString name_;
    std::optional<shell::Drawing> data_;
    std::function<void(QRectF)> dragged_;
    std::optional<QPoint> from_;  // where a drag began
    QPoint to_;
    double scale_ = 1.0;
};

}  // namespace entalix::ui
