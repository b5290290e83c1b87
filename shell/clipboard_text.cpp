// Copying a screen's results with the inputs that produced them.
#include "shell/clipboard_text.h"

#include <algorithm>

#include "shell/field_ranges.h"
#include "shell/tab_order.h"

namespace entalix::shell {

namespace {

bool reads(const EventBinding& press, const std::string& name) {
    return std::find(press.reads.begin(), press.reads.end(), name) != press.reads.end();
}

// An input row counts only when no tick box of the same quantity, read by the
// same press, is clear (the steam calculators' unticked rows are not inputs).
bool counts(const ScreenDesc& desc, const EventBinding& press, const Fields& fields, const ControlDesc& input) {
    for (const ControlDesc& c : desc.controls)
        if (c.meaning.role == Role::TickBox && c.meaning.quantity == input.meaning.quantity && reads(press, c.name) &&
            !fields.ticked(c.name))
            return false;
    return true;
}

std::vector<std::string> split(const std::string& text, std::string_view separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

// "x=90%" under "%": the value without the symbol and without the unit it repeats.
std::string value_of_line(const std::string& line, const std::string& unit) {
    std::string value = line.substr(line.find('=') + 1);
    if (!unit.empty() && value.size() > unit.size() && value.ends_with(unit)) value.erase(value.size() - unit.size());
    return value;
}

// A steam state's lines ("p=..", "t=..") in the order of its list of units; each
// is named by the input field of the same unit, which also says gauge or absolute.
void state_lines(const ScreenDesc& desc, const ControlDesc& result, const std::string& text,
                 std::vector<TableLine>& out) {
    const std::vector<std::string> units = split(result.meaning.unit, ", ");
    std::vector<std::string> lines = split(text, "\r\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('=') == std::string::npos) continue;
        Meaning meaning{Role::Result, lines[i].substr(0, lines[i].find('=')), i < units.size() ? units[i] : ""};
        for (const ControlDesc& c : desc.controls)
            if (c.meaning.role == Role::Input && c.meaning.unit == meaning.unit) {
                meaning.quantity = c.meaning.quantity;
                meaning.pressure = c.meaning.pressure;
            }
        out.push_back({meaning.quantity, value_of_line(lines[i], meaning.unit), unit_text(meaning)});
    }
}

}  // namespace

std::vector<TableLine> press_lines(const ScreenDesc& desc, const EventBinding& press, const Fields& fields,
                                   std::string_view formulation) {
    std::vector<TableLine> out;
    for (const ControlDesc* c : tab_order(desc)) {
        const Role role = c->meaning.role;
        if ((role == Role::Input || role == Role::Atmospheric) && reads(press, c->name) &&
            counts(desc, press, fields, *c))
            out.push_back({c->meaning.quantity, fields.text(c->name), unit_text(c->meaning)});
    }
    if (!formulation.empty()) out.push_back({"物性公式", std::string(formulation), ""});
    for (const std::string& name : press.writes) {
        const ControlDesc* c = desc.find(name);
        if (c == nullptr || c->meaning.quantity.empty()) continue;
        if (c->meaning.format == "state")
            state_lines(desc, *c, fields.text(name), out);
        else
            out.push_back({c->meaning.quantity, fields.text(name), unit_text(c->meaning)});
    }
    return out;
}

std::string tab_separated(const std::vector<TableLine>& lines) {
    const auto cell = [](std::string text) {
        std::replace_if(
            text.begin(), text.end(), [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n'; }, ' ');
        return text;
    };
    std::string out;
    for (const TableLine& line : lines)
        out += cell(line.quantity) + '\t' + cell(line.value) + '\t' + cell(line.unit) + '\n';
    return out;
}

}  // namespace entalix::shell
