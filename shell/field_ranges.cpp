// The allowed ranges of the typed fields and the texts that state them.
#include "shell/field_ranges.h"

#include <array>
#include <limits>
#include <string_view>

#include "props/validity.h"
#include "shell/numbers.h"

namespace entalix::shell {

namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

struct RangeRow {
    std::string_view key;  // a quantity, or a unit for every quantity in it
    AllowedRange range;
};

// The water and steam figures span the IFC-67 region (props/validity.h) and what
// h, s and v reach in it (rounded outward: h 4158.7 kJ/kg,
// s 11.92 kJ/(kg·K) and v 810.6 m³/kg at 0.000611 MPa and 800 ℃). The
// saturation line ends at the critical point; a site's atmosphere lies between
// a mountain plant's 0.05 MPa and a deep mine's 0.11 MPa.
constexpr std::array<RangeRow, 6> kByQuantity{{
    {"饱和压力", {0.000611, 22.129, false}},
    {"饱和温度", {0.0, 374.15, false}},
    {"大气压值", {0.05, 0.11, false}},
    {"干度", {0.0, 100.0, false}},
    {"水泵效率", {0.0, 100.0, true}},
    {"额定功率因数", {0.0, 1.0, true}},
}};

constexpr std::array<RangeRow, 16> kByUnit{{
    {"MPa", {0.0, props::kHighestPressure, true}},
    {"℃", {props::kLowestTemperature, props::kHighestTemperature, false}},
    {"kJ/kg", {0.0, 4160.0, false}},
    {"kJ/(kg·K)", {0.0, 12.0, false}},
    {"m³/kg", {0.0009, 811.0, false}},
    {"t/h", {0.0, kNone, true}},
    {"mm", {0.0, kNone, true}},
    {"m/s", {0.0, kNone, true}},
    {"kV", {0.0, kNone, true}},
    {"A", {0.0, kNone, true}},
    {"kg/m3", {0.0, kNone, true}},
    {"m", {0.0, kNone, true}},
    {"m3/h", {0.0, kNone, true}},
    {"Gj", {0.0, kNone, true}},
    {"w", {0.0, kNone, true}},
    {"%", {0.0, 100.0, false}},
}};

// IAPWS-IF97 reaches 2000 ℃ (up to 50 MPa) and ends its saturation line at its
// own critical point; h, s and v reach 7377 kJ/kg, 13.90 kJ/(kg·K) and
// 1714 m³/kg at 0.000612 MPa and 2000 ℃. These rows come before the others.
constexpr std::array<RangeRow, 6> kIf97{{
    {"饱和压力", {props::kIf97LowestSaturationPressure, props::kIf97CriticalPressure, false}},
    {"饱和温度", {0.0, props::kIf97CriticalTemperature, false}},
    {"℃", {props::kLowestTemperature, props::kIf97HighestTemperature, false}},
    {"kJ/kg", {0.0, 7380.0, false}},
    {"kJ/(kg·K)", {0.0, 14.0, false}},
    {"m³/kg", {0.0009, 1715.0, false}},
}};

std::string number_text(double value) { return FormatGeneralNumber(value); }

bool is_listed_quantity(std::string_view quantity) {
    for (const RangeRow& row : kByQuantity)
        if (row.key == quantity) return true;
    return false;
}

std::optional<AllowedRange> table_range(const Meaning& meaning, props::Formulation formulation) {
    if (formulation == props::Formulation::IF97) {
        for (const RangeRow& row : kIf97)
            if (row.key == meaning.quantity) return row.range;
        for (const RangeRow& row : kIf97)
            if (row.key == meaning.unit && !is_listed_quantity(meaning.quantity)) return row.range;
    }
    for (const RangeRow& row : kByQuantity)
        if (row.key == meaning.quantity) return row.range;
    for (const RangeRow& row : kByUnit)
        if (row.key == meaning.unit) return row.range;
    return std::nullopt;
}

}  // namespace

// The table's range narrowed to what the field's quantity can plausibly be.
std::optional<AllowedRange> allowed_range(const Meaning& meaning, props::Formulation formulation) {
    std::optional<AllowedRange> range = table_range(meaning, formulation);
    const bool low = meaning.plausible_low > -kNone;
    const bool high = meaning.plausible_high < kNone;
    if (!low && !high) return range;
    // A quantity no table lists starts from its domain: a positive one above 0.
    if (!range)
        range =
            AllowedRange{meaning.domain == Domain::Positive ? 0.0 : -kNone, kNone, meaning.domain == Domain::Positive};
    // A quantity that may take any sign (a rise, the air's temperature) is
    // bounded by its plausible figures alone, even below the unit's table.
    if (low && (meaning.plausible_low >= range->low || meaning.domain == Domain::Any))
        range->low = meaning.plausible_low, range->low_open = false;
    if (high && meaning.plausible_high < range->high) range->high = meaning.plausible_high;
    return range;
}

std::string unit_text(const Meaning& meaning) {
    std::string unit = meaning.unit == "1" ? "" : meaning.unit;
    if (meaning.role == Role::Atmospheric) return unit;
    if (meaning.pressure == PressureKind::Gauge) unit += "（表压）";
    if (meaning.pressure == PressureKind::Absolute) unit += "（绝压）";
    return unit;
}

std::string range_text(const Meaning& meaning, props::Formulation formulation) {
    const std::optional<AllowedRange> range = allowed_range(meaning, formulation);
    if (!range) return {};
    const std::string unit = meaning.unit == "1" ? "" : " " + meaning.unit;
    if (range->high == kNone) return (range->low_open ? "大于 " : "不小于 ") + number_text(range->low) + unit;
    if (range->low == -kNone) return "不大于 " + number_text(range->high) + unit;
    return number_text(range->low) + " ~ " + number_text(range->high) + unit;
}

std::string field_tooltip(const ControlDesc& control, props::Formulation formulation) {
    const Meaning& m = control.meaning;
    if (m.role == Role::TickBox) return "勾选：" + m.quantity + "为已知量";
    if (m.role != Role::Input && m.role != Role::Atmospheric) return {};
    std::string tip = m.quantity;
    if (const std::string unit = unit_text(m); !unit.empty()) tip += "\n单位：" + unit;
    if (const std::string range = range_text(m, formulation); !range.empty()) {
        if (m.pressure == PressureKind::Gauge)
            tip += "\n允许范围：绝压（表压加大气压值）" + range;
        else
            tip += "\n允许范围：" + range;
    }
    if (m.role == Role::Atmospheric) tip += "\n各画面共用的本厂大气压值";
    return tip;
}

}  // namespace entalix::shell
