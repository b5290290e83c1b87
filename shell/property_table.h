// Result lines that each show one named property of a state as a selector of
// the press's water and steam gives it: the field, its caption and unit, and
// how the number is scaled and written. Shared by the screens that list many
// properties of one state.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "props/water_steam.h"
#include "shell/screen.h"

namespace entalix::shell {

// Shown in a line whose property the state does not have (the heat capacities
// of a wet state) or that its release refuses there.
inline constexpr std::string_view kNoValue = "—";

struct PropertyLine {
    const char* field;     // the result label, also the selector's name
    const char* quantity;  // "密度"
    const char* symbol;    // "ρ"
    const char* unit;      // as shown and meant: "kg/m³"
    const char* format;    // "0.0000"
    double scale = 1.0;    // from the selector's unit to the shown one (Pa·s to μPa·s: 1e6)
    bool basic = false;    // a value every state has: its refusal fails the press
};

// The caption, the bordered result label at `value` and the unit label of a line.
std::vector<ControlDesc> property_row(const PropertyLine& line, Twips value, int caption_left);
// The result label alone, for a second column whose caption stands on the first.
ControlDesc property_value(const PropertyLine& line, Twips value);

// Where the rows of a two-column result table go: `per_column` rows from
// `top`, one every `pitch` twips, the left column filled first.
struct PropertyColumns {
    int top = 0;
    int pitch = 0;
    int per_column = 1;
    std::array<int, 2> caption_left{};
    std::array<int, 2> value_left{};
    int value_width = 0;
    int value_height = 0;
};
// The rows of the lines in their columns, each as property_row places it.
std::vector<ControlDesc> property_columns(const std::vector<PropertyLine>& lines, const PropertyColumns& layout);

// The fields of the lines.
std::vector<std::string> property_fields(const std::vector<PropertyLine>& lines);

using Selector = std::function<props::Selected(std::string_view name)>;

// The texts of all lines, and on the outcome's warning why some show kNoValue
// and what the formulation warns of. A refusal of a basic line or any other
// failure throws, and the press writes nothing.
Outcome property_outcome(const std::vector<PropertyLine>& lines, const Selector& select, props::WaterSteam& water);

}  // namespace entalix::shell
