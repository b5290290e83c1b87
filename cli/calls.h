// The public property functions by name, for the command line.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "props/water_steam.h"

namespace entalix::cli {

struct Argument {
    std::string name;
    std::string unit;  // empty for the name of a selector
};

struct FunctionInfo {
    std::string name;
    std::vector<Argument> arguments;
    std::string result;  // what it returns, with its unit
};

const std::vector<FunctionInfo>& functions();
const FunctionInfo* find_function(std::string_view name);

// Calls a function with its arguments as texts (numbers read strictly), in
// the water and steam of the formulation given.
// Throws UsageError for an unknown function or a wrong number of arguments,
// CalculationError for an argument that is not a number and PropertyError for
// a failed evaluation.
props::Selected call_function(std::string_view name, const std::vector<std::string>& arguments,
                              props::Formulation formulation);

// The same, with the warning of an extrapolated result (empty when there is none).
struct CallResult {
    props::Selected value;
    std::string warning;
};
CallResult call_function_warned(std::string_view name, const std::vector<std::string>& arguments,
                                props::Formulation formulation);
// The same over texts held elsewhere (a batch line read in place).
CallResult call_texts(std::string_view name, std::span<const std::string_view> arguments,
                      props::Formulation formulation);

// For callers that hold numbers already (the spreadsheet functions): a
// function's place in functions(), found once, and the call by that place with
// the selector's name (ignored by a function without one) and the numbers in
// their order. Throws as call_function does, UsageError for a wrong count.
std::optional<std::size_t> function_index(std::string_view name);
CallResult call_numbers(std::size_t index, std::string_view selector, std::span<const double> numbers,
                        props::Formulation formulation);

}  // namespace entalix::cli
