// The lines of a state's properties: layout and the texts of one press.
#include "shell/property_table.h"

#include <algorithm>

#include "props/validity.h"
#include "shell/menus.h"
#include "shell/numbers.h"

namespace entalix::shell {

namespace {

constexpr int kGap = 60;           // between a label and its field
constexpr int kLabelHeight = 255;  // one line of 12 px type
constexpr int kUnitWidth = 1080;   // "kJ/(kg·K)" with air

}  // namespace

ControlDesc property_value(const PropertyLine& line, Twips value) {
    ControlDesc c = label(line.field, "", value, Align::Right);
    c.style = kBorder;
    c.meaning = result(line.quantity, line.unit, line.format);
    return c;
}

std::vector<ControlDesc> property_row(const PropertyLine& line, Twips value, int caption_left) {
    const int top = value.top + (value.height - kLabelHeight) / 2;
    const int caption_right = value.left - kGap;
    return {
        label(std::string("Label_") + line.field, std::string(line.quantity) + " " + line.symbol + "：",
              {caption_left, top, std::max(0, caption_right - caption_left), kLabelHeight}, Align::Right),
        property_value(line, value),
        label(std::string("Unit_") + line.field, line.unit,
              {value.left + value.width + kGap, top, kUnitWidth, kLabelHeight}),
    };
}

std::vector<ControlDesc> property_columns(const std::vector<PropertyLine>& lines, const PropertyColumns& layout) {
    std::vector<ControlDesc> controls;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t column = std::min<std::size_t>(i / static_cast<std::size_t>(layout.per_column), 1);
        const int top = layout.top + static_cast<int>(i % static_cast<std::size_t>(layout.per_column)) * layout.pitch;
        for (ControlDesc& row :
             property_row(lines[i], {layout.value_left[column], top, layout.value_width, layout.value_height},
                          layout.caption_left[column]))
            controls.push_back(std::move(row));
    }
    return controls;
}

std::vector<std::string> property_fields(const std::vector<PropertyLine>& lines) {
    std::vector<std::string> fields;
    fields.reserve(lines.size());
    for (const PropertyLine& line : lines) fields.emplace_back(line.field);
    return fields;
}

Outcome property_outcome(const std::vector<PropertyLine>& lines, const Selector& select, props::WaterSteam& water) {
    Outcome outcome;
    std::vector<std::string> reasons;
    for (const PropertyLine& line : lines) {
        std::string text;
        try {
            const double value = props::selected_number(select(line.field)) * line.scale;
            text = std::string_view(line.unit) == "MPa" && std::string_view(line.format) == "0.000000"
                       ? FormatPressureMPa(value)
                       : FormatWithPattern(value, line.format);
        } catch (const props::PropertyRefusal& refusal) {
            if (line.basic) throw;
            text = std::string(kNoValue);
            if (std::find(reasons.begin(), reasons.end(), refusal.what()) == reasons.end())
                reasons.emplace_back(refusal.what());
        }
        outcome.texts.emplace_back(line.field, std::move(text));
    }
    if (const std::string warning = water.warning(); !warning.empty()) reasons.push_back(warning);
    for (const std::string& reason : reasons) outcome.warning += (outcome.warning.empty() ? "" : "；") + reason;
    return outcome;
}

}  // namespace entalix::shell
