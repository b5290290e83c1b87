// Rows of the equipment screens: a field with its caption label on its left
// and its unit label on its right, each label as wide as its text, so that
// the labels placed on a plant drawing leave the pipes they name uncovered.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "shell/screen.h"

namespace entalix::equipment {

// Width in twips of a label text in the screens' 12 px type: a Chinese
// character or full-width sign takes 12 px, an ASCII character at most 7 px.
int text_width(std::string_view utf8);

// The caption label "Label_<field>" reads the quantity and its colon; the unit
// label "Unit_<field>" the unit. Both are also the field's meaning.
struct FieldRow {
    std::string quantity;      // "进汽温度"
    shell::ControlDesc field;  // text box or result label, with its role
    std::string unit;          // "℃"
    const char* colon = "：";  // the pipe screen's captions stand without one
};

// The controls of the rows, all held by `parent` (a picture box, or empty for
// the window). A caption is right-aligned against its field; `caption_width`
// of 0 fits it to its text, otherwise it is that wide where the room allows.
std::vector<shell::ControlDesc> field_rows(const std::string& parent, std::initializer_list<FieldRow> rows,
                                           int caption_width = 0);

// The picture box "Picture1" that shows a plant drawing ("mixing_heater", ...).
shell::ControlDesc picture_box(std::string drawing, shell::Twips rect);

// A typed field, a gauge-pressure field, the red atmospheric-pressure box and a
// result label (written with `format`) as the equipment screens show them.
shell::ControlDesc input_box(std::string name, std::string text, shell::Twips rect,
                             shell::Align align = shell::Align::Left);
shell::ControlDesc gauge_box(std::string name, std::string text, shell::Twips rect,
                             shell::Align align = shell::Align::Left);
shell::ControlDesc atmospheric_box(std::string name, shell::Twips rect, shell::Align align = shell::Align::Left);
shell::ControlDesc result_label(std::string name, std::string text, shell::Twips rect, std::string format,
                                shell::Align align = shell::Align::Left);

}  // namespace entalix::equipment
