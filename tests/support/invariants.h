// What every outcome of every calculation event must satisfy, whatever was typed:
// shared by the bad-input sweep and the screen fuzzer.
#pragma once

#include <string>
#include <vector>

#include "shell/screen.h"

namespace entalix::testing {

// The hostile texts a person or a script may put into any field.
const std::vector<std::string>& hostile_texts();

// An empty string when the outcome keeps every promise; otherwise what it broke:
// a failed press writes nothing; a press writes all of its event's result fields
// or none; no written text holds "nan" or "inf"; numbers have the screen's decimals.
std::string broken_promise(shell::ScreenId screen, const std::string& event, const shell::Outcome& outcome);

}  // namespace entalix::testing
