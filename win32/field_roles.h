// What the window host needs to know about a field beyond its geometry: which
// labels show results (selectable, so they can be copied), which boxes hold the
// site's atmospheric pressure.
// All of it comes from what the screen declares, read here in one place.
#pragma once

#include <string>
#include <string_view>

#include "shell/screen.h"

namespace entalix::win32 {

// A label that a calculation writes its result into.
bool shows_result(const shell::ControlDesc& control);

// A box holding the atmospheric pressure that turns gauge into absolute pressures.
bool is_atmospheric(const shell::ControlDesc& control);

}  // namespace entalix::win32
