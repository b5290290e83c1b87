// Every screen of the application, looked up by id.
#pragma once

#include "shell/screen.h"

namespace entalix::catalog {

const shell::ScreenDesc& screen_desc(shell::ScreenId id);

}  // namespace entalix::catalog
