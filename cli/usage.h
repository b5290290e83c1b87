// What the command line says when it was called wrongly, and how it quotes what
// it was given.
#pragma once

#include <ios>
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

// The input could not be read (standard input is a directory, closed, or a
// device that failed): exit status 4, "读取输入失败" with the cause.
class InputError : public std::runtime_error {
public:
    explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

// The InputError for a failure the stream library reported while reading.
InputError input_error(const std::ios_base::failure& failure);

// A text of the input as an error message quotes it: at most 80 characters
// (whole UTF-8 characters), "…" where it was cut.
std::string quote_input(std::string_view text);

// A message of the screens as the command line says it: advice that names the
// main menu's switch names the option instead.
std::string command_line_words(std::string message);

// The short usage, on standard error after a usage error.
extern const char* const kShortUsage;

}  // namespace entalix::cli
