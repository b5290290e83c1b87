// Running any screen's event from the command line with its field texts.
#pragma once

#include <map>
#include <string>

#include "shell/screen.h"

namespace entalix::cli {

// Runs one event with the given field texts over the screen's defaults.
// Throws CalculationError for an unknown screen, event or field.
shell::Outcome run_screen_event(const std::string& screen, const std::string& event,
                                const std::map<std::string, std::string>& given);

}  // namespace entalix::cli
