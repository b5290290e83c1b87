// The colours, sizes and fixed texts every window host shows alike. Sizes are
// pixels at 96 dpi, which each host scales to its monitor.
#pragma once

#include <cstdint>
#include <string_view>

#include "shell/screen.h"

namespace entalix::shell {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// A failure or a note on the message line, and captions drawn in red.
inline constexpr Colour kFailureColour{255, 0, 0};
// A warning alone (a result shown but extrapolated): dark amber, so that it
// does not read as a failure.
inline constexpr Colour kWarningColour{0xB0, 0x5A, 0x00};
// The message line after a press: a failure or a note in red, a warning alone in amber.
inline Colour message_colour(const Outcome& outcome) {
    return outcome.message.empty() && !outcome.warning.empty() ? kWarningColour : kFailureColour;
}
// A plant drawing stands on white inside a thin grey border.
inline constexpr Colour kDrawingBackground{255, 255, 255};
inline constexpr Colour kDrawingBorder{128, 128, 128};
// Results gone stale are drawn in the toolkit's own grey for disabled text.

// The customary size of dialog text, 9 points on a 96 dpi screen, and the
// smallest type a caption may shrink to so that it fits its place.
inline constexpr int kTextPixels = 12;
inline constexpr int kSmallestTextPixels = 9;
// A heading's bold type: the height of its place less 4, at most this.
inline constexpr int kLargestHeadingPixels = 22;

// The tooltips of the "?" and of the main menu's choice of formulation.
inline constexpr std::string_view kHelpTooltip = "使用说明（F1）";
inline constexpr std::string_view kFormulationTooltip =
    "各画面计算水和水蒸汽性质所用的公式：\nIFC-67（1967年工业公式）或IAPWS-IF97（1997年工业公式）";

}  // namespace entalix::shell
