// The drawings of the screens, painted with a QPainter.
#pragma once

#include <QString>

#include "shell/drawing.h"

class QPainter;

namespace entalix::ui {

// Paints the drawing in its own pixel coordinates, black on whatever lies below.
void paint_drawing(QPainter& painter, const shell::Drawing& drawing);

// Paints the plant drawing that a picture box names ("mixing_heater",
// "surface_heater", "desuperheater"); unknown names paint nothing.
void paint_drawing(QPainter& painter, const QString& drawing);

}  // namespace entalix::ui
