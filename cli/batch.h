// One JSON request in, one JSON answer out: the batch protocol of entalix-calc.
#pragma once

#include <string>

namespace entalix::cli {

// Answers one request line; never throws: a malformed line gets {"error": ...}.
std::string answer_json_line(const std::string& line);

// The functions and the screens' events with their fields, as JSON.
std::string list_json();

}  // namespace entalix::cli
