// A screen's results as text that pastes into a spreadsheet as a table: one line
// "quantity<TAB>value<TAB>unit" each, the inputs of a press before what it wrote.
#pragma once

#include <string>
#include <vector>

#include "shell/screen.h"

namespace entalix::shell {

struct TableLine {
    std::string quantity;
    std::string value;
    std::string unit;  // "MPa（表压）" for a gauge pressure
};

// The lines of one press from the fields as they stood when it succeeded: the
// fields it read in the screen's tab order (tick boxes left out, and the rows
// whose tick box was clear), then the results it wrote. A steam state gives a
// line for each of its quantities. A press that used water and steam
// properties names their formulation on a line between the two.
std::vector<TableLine> press_lines(const ScreenDesc& desc, const EventBinding& press, const Fields& fields,
                                   std::string_view formulation = {});

// Tab-separated, each line ended by a line feed. Tabs and line breaks inside a
// value become blanks, so that each line stays one row of three cells.
std::string tab_separated(const std::vector<TableLine>& lines);

}  // namespace entalix::shell
