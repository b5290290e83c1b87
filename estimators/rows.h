// The build the three estimator screens share: one row per quantity with a
// caption on the left, a centred field and a unit on the right.
#pragma once

#include <initializer_list>
#include <limits>
#include <vector>

#include "shell/screen.h"

namespace entalix::estimators {

inline constexpr int kFieldWidth = 975;
inline constexpr int kFieldHeight = 315;

// No plausible least value beside the domain's own.
inline constexpr double kNoLeast = -std::numeric_limits<double>::infinity();

struct Row {
    const char* quantity;                       // "运行电压", captioned "运行电压："
    const char* field;                          // "Text1", or "yxgl" for the result
    const char* unit;                           // "kV"; empty for a pure number (its unit is then "1")
    int top;                                    // of the field, twips
    shell::Domain domain = shell::Domain::Any;  // of a typed number
    // What a plant's machine plausibly runs at (Meaning::plausible_low/high).
    double low = kNoLeast;
    double high = std::numeric_limits<double>::infinity();
};

// Input rows become text boxes with the default "0"; the row whose field is
// `result` becomes the bordered result label, empty until the first press,
// written with `format`.
std::vector<shell::ControlDesc> estimator_rows(int caption_left, int field_left, const char* result, const char* format,
                                               std::initializer_list<Row> rows);

}  // namespace entalix::estimators
