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

struct FieldRow {
    std::string caption;       // "进汽温度：", the label "Label_<field>"
    shell::ControlDesc field;  // text box or result label
    std::string unit;          // "℃", the label "Unit_<field>"; empty for none
};

// The controls of the rows, all held by `parent` (a picture box, or empty for
// the window). A caption is right-aligned against its field; `caption_width`
// of 0 fits it to its text, otherwise it is that wide where the room allows.
std::vector<shell::ControlDesc> field_rows(const std::string& parent, std::initializer_list<FieldRow> rows,
                                           int caption_width = 0);

// The picture box "Picture1" that shows a plant drawing ("mixing_heater", ...).
shell::ControlDesc picture_box(std::string drawing, shell::Twips rect);

// A text box and a result label as the equipment screens show them.
shell::ControlDesc input_box(std::string name, std::string text, shell::Twips rect,
                             shell::Align align = shell::Align::Left, unsigned style = shell::kPlain);
shell::ControlDesc result_label(std::string name, std::string text, shell::Twips rect,
                                shell::Align align = shell::Align::Left);

}  // namespace entalix::equipment
