// Running any screen's event from the command line with its field texts.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>

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

// The six numbers of a steam-state caption ("p=..\r\nt=..\r\n...x=..%"), in
// the order p, t, v, h, s, x, as shown (x in percent); nullopt for another text.
std::optional<std::array<double, 6>> state_numbers(const std::string& caption);

}  // namespace entalix::cli
