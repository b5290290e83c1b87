// The small "?" that opens the user guide, as F1 does. Every screen has one,
// a square in its top right-hand corner; where a drawing reaches into that
// corner (the heater screens), it stands in the drawing's own corner, which is
// blank. It takes no Tab stop: the keyboard has F1.
#pragma once

#include "shell/screen.h"

namespace entalix::shell {

// The square's side and its distance from the top and right edges of what
// holds it, in pixels at 96 dpi.
inline constexpr int kHelpButtonSize = 18;
inline constexpr int kHelpButtonMargin = 3;

// The picture box that holds the "?", or nullptr when the screen itself does.
const ControlDesc* help_button_holder(const ScreenDesc& desc);

}  // namespace entalix::shell
