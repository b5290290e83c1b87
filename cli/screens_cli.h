// Running any screen's event from the command line with its field texts.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>

#include "shell/screen.h"

namespace entalix::cli {

// Runs one event with the given field texts over the screen's defaults, in the
// formulation given.
// Throws UsageError for an unknown screen, event or field, a tick other than
// "0" or "1", and more ticks than the screen lets a person set.
shell::Outcome run_screen_event(const std::string& screen, const std::string& event,
                                const std::map<std::string, std::string>& given, props::Formulation formulation);

// True when the press failed or wrote the screen's "错误".
bool outcome_failed(const shell::Outcome& outcome);

// The numbers of a shown steam state by their names, in the order of its lines
// (p, t, v, h, s, x; p gauge on Form12, x in percent): the batch answer's
// "state" member and the CSV columns.
std::array<std::pair<const char*, double>, 6> state_columns(const shell::StateValues& state);

}  // namespace entalix::cli
