// The range a typed field accepts, and the tooltip that says what the field is.
// One table, by quantity and then by unit, so that every host shows the same
// figures.
#pragma once

#include <optional>
#include <string>

#include "shell/screen.h"

namespace entalix::shell {

// A pressure's range is for the absolute pressure; a gauge field's typed value
// plus the atmospheric pressure must lie in it.
struct AllowedRange {
    double low = 0.0;
    double high = 0.0;      // infinity when only the low end is bounded
    bool low_open = false;  // the low end itself is not allowed ("大于 0")
};

// The water and steam figures are those of the formulation chosen.
std::optional<AllowedRange> allowed_range(const Meaning& meaning,
                                          props::Formulation formulation = props::Formulation::IFC67);

// "0 ~ 800 ℃", "大于 0 t/h"; empty when the quantity has no range.
std::string range_text(const Meaning& meaning, props::Formulation formulation = props::Formulation::IFC67);

// "MPa（表压）", "MPa（绝压）", "℃"; empty for a pure number.
std::string unit_text(const Meaning& meaning);

// Several lines: the quantity, its unit (gauge or absolute), its allowed range.
// A tick box says which quantity it declares known. Empty for other controls.
std::string field_tooltip(const ControlDesc& control, props::Formulation formulation = props::Formulation::IFC67);

}  // namespace entalix::shell
