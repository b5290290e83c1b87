// Pixels per inch of the monitor a window stands on, on every Windows from 7:
// the per-monitor functions of later versions are looked up at run time.
#pragma once

#include <windows.h>

namespace entalix::win32 {

inline constexpr UINT kBaseDpi = 96;

UINT window_dpi(HWND window);  // the monitor's, or the system's where that is all there is
UINT system_dpi();

// A length in pixels at 96 dpi, scaled to the given dpi.
inline int scaled(int pixels_at_96, UINT dpi) { return MulDiv(pixels_at_96, static_cast<int>(dpi), kBaseDpi); }

// Twips (1440 to the inch) to pixels.
inline int twips_to_pixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// The outer size of a window whose client area has the given size, for the
// window's dpi where the system can say so.
SIZE outer_size(int client_width, int client_height, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace entalix::win32
