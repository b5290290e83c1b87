// The drawings of the screens, painted with GDI.
#pragma once

#include <windows.h>

#include <string_view>

#include "shell/drawing.h"

namespace entalix::win32 {

// Paints the drawing, black on whatever lies below, its 96-dpi pixel
// coordinates scaled to dpi; its texts in the font selected into dc.
void paint_drawing(HDC dc, const shell::Drawing& drawing, UINT dpi);

// Paints the plant drawing that a picture box names ("mixing_heater",
// "surface_heater", "desuperheater"); unknown names paint nothing.
void paint_drawing(HDC dc, std::string_view drawing, UINT dpi);

}  // namespace entalix::win32
