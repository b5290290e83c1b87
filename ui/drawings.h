// The line drawings of the plant screens, painted into their picture boxes.
#pragma once

#include <QString>

class QPainter;

namespace entalix::ui {

// Paints the drawing that a picture box names ("mixing_heater", "surface_heater",
// "desuperheater") in the drawing's own pixel coordinates, black on white.
// Unknown names paint nothing.
void paint_drawing(QPainter& painter, const QString& drawing);

}  // namespace entalix::ui
