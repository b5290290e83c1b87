// Every screen of the application, looked up by id, and what their fields and
// events mean, for every host of the screens: the windows, the command line,
// the tests and the fuzzers.
#pragma once

#include <vector>

#include "shell/screen.h"

namespace entalix::catalog {

const shell::ScreenDesc& screen_desc(shell::ScreenId id);

// The texts a screen starts with (ScreenDesc::default_fields), built once for
// every screen: an event run from the command line starts from them.
const shell::Fields& default_fields(shell::ScreenId id);

// An event of a screen that computes or reacts to typing or ticking (the
// navigation of the menus and of "返回" is left out).
struct EventRef {
    shell::ScreenId screen;
    const shell::EventBinding* binding;
};
std::vector<EventRef> calculation_events();

}  // namespace entalix::catalog
