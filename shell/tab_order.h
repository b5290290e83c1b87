// The keyboard's way through a screen, from its description alone, so that every
// window host moves the same way: the order of Tab, and the button Enter presses.
#pragma once

#include <string>
#include <vector>

#include "shell/screen.h"

namespace entalix::shell {

// The fields a person types or ticks and the buttons, in reading order: top to
// bottom, and left to right along a line, except that fields stacked in one
// column (one stream's temperature, pressure and flow) are read whole, each tick
// box with the field of its quantity. Where calculations stand side by side
// (the pipe screen's two blocks), block by block, each block's button after its
// fields, then what the blocks share. "返回" comes last.
std::vector<const ControlDesc*> tab_order(const ScreenDesc& desc);

// The calculations that stand side by side (the pipe screen's two blocks), left
// to right, each its own fields and its button in the order of Tab; none where
// the screen reads as one. A narrow page shows each block whole, one below another.
std::vector<std::vector<const ControlDesc*>> side_by_side_blocks(const ScreenDesc& desc);

// The button whose click runs the calculation that Enter in the field presses,
// or nullptr.
const ControlDesc* enter_button(const ScreenDesc& desc, std::string_view field);

// A control's place from the top-left corner of the window (a control inside a
// picture box is placed from the box's corner).
Twips window_rect(const ScreenDesc& desc, const ControlDesc& control);

}  // namespace entalix::shell
