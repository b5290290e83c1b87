// The line drawings of the plant screens, painted with GDI into their picture boxes.
#pragma once

#include <windows.h>

#include <string_view>

namespace entalix::win32 {

// Paints the drawing that a picture box names ("mixing_heater", "surface_heater",
// "desuperheater"), black on white, its 96-dpi pixel coordinates scaled to dpi.
// Unknown names paint nothing.
void paint_drawing(HDC dc, std::string_view drawing, UINT dpi);

}  // namespace entalix::win32
