// One JSON request in, one JSON answer out: the batch protocol of entalix-calc.
#pragma once

#include <iosfwd>
#include <string>

#include "props/formulation.h"

namespace entalix::cli {

// Limits of one request: longer or deeper lines get an error answer, so that no
// input holds more than a few MiB of memory.
inline constexpr std::size_t kMaxLineBytes = 1 << 20;
inline constexpr int kMaxDepth = 64;

// Answers one request line; never throws: a malformed line gets {"error": ...},
// and so does a request that gives one member twice (at any depth).
// An "id" member of the request comes back in its answer as it was written.
// One request line's answer; the line's own "formulation" overrides the one
// given for the whole batch.
std::string answer_json_line(const std::string& line, props::Formulation formulation);

// Answers every line of `in` on `out` until the input ends; blank lines are
// skipped. OutputLost when `out` failed (closed, full, a broken pipe); throws
// InputError when `in` cannot be read, after the answers to the lines before.
enum class BatchEnd { Done, OutputLost };
BatchEnd run_batch(std::istream& in, std::ostream& out, props::Formulation formulation);

// The functions and the screens' events with their fields, as JSON.
std::string list_json();

}  // namespace entalix::cli
