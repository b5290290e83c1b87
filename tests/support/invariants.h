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
// or none; no written text holds "nan" or "inf"; numbers have the screen's decimals;
// no flow, power, area or diameter is written negative.
std::string broken_promise(shell::ScreenId screen, const std::string& event, const shell::Outcome& outcome);

// The same, and what needs the texts the press read: no heat balance it wrote
// produces negative entropy (what leaves less what enters, flows times
// specific entropies). Fields without the balance's states skip that check.
std::string broken_promise(shell::ScreenId screen, const std::string& event, const shell::Fields& fields,
                           const shell::Outcome& outcome);

}  // namespace entalix::testing
