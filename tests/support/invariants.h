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
// no flow, power, area or diameter is written negative, and no heat balance
// produces negative entropy; a result that names its formulation names the one
// of the fields, and the steam calculators and the saturation screen name it.
// Everything recomputed here uses that formulation.
// A steam state written from the given fields has v > 0 and a dryness from 0 to
// 100 %, gives back its two typed values, and carries a warning where it lies
// beyond the validity of the equation that gave it.
std::string broken_promise(shell::ScreenId screen, const std::string& event, const shell::Fields& fields,
                           const shell::Outcome& outcome);

// What a steam state written by a press on Form11 or Form12 breaks of the
// promises above; empty when it keeps them.
std::string broken_state(shell::ScreenId screen, const shell::Fields& fields, const std::string& caption,
                         const std::string& warning);

// The same, and what needs the texts the press read: no heat balance it wrote
// produces negative entropy (what leaves less what enters, flows times
// specific entropies). Fields without the balance's states skip that check.
std::string broken_promise(shell::ScreenId screen, const std::string& event, const shell::Fields& fields,
                           const shell::Outcome& outcome);

}  // namespace entalix::testing
