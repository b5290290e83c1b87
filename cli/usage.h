// What the command line says when it was called wrongly, and how it quotes what
// it was given.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace entalix::cli {

// An unknown option, function, screen, event or field, or arguments missing or
// in excess: exit status 2 with the short usage.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// A text of the input as an error message quotes it: at most 80 characters
// (whole UTF-8 characters), "…" where it was cut.
std::string quote_input(std::string_view text);

// The short usage, on standard error after a usage error.
extern const char* const kShortUsage;

}  // namespace entalix::cli
