// A drawing written as SVG text: the same primitives a window host paints,
// for a report, a browser or a file the user saves.
#pragma once

#include <string>

#include "shell/drawing.h"

namespace entalix::shell {

// A standalone SVG document of `drawing` on a white ground, its texts in the
// CJK sans-serif the desktop uses, at `font_px` pixels.
std::string svg_of(const Drawing& drawing, double font_px = 12);

}  // namespace entalix::shell
