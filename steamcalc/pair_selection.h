// Which rows of a steam calculator show their input box, and what the message
// line says of the ticks: a state needs exactly two known properties, and two
// among h, s, v and x are a pair the calculation does not support.
#pragma once

#include <array>
#include <string>

namespace entalix::steamcalc {

// Rows top to bottom: p, t, h, s, v, x (tick boxes Check1..Check6, boxes Text1..Text6).
inline constexpr int kRowCount = 6;
enum Row : int { kRowP = 0, kRowT, kRowH, kRowS, kRowV, kRowX };

// What each row holds: the quantity as the screens and their messages name it,
// its symbol, the unit label as the screens show it and the unit it means.
struct RowMeaning {
    const char* quantity;
    const char* symbol;
    const char* shown_unit;
    const char* unit;
};
inline constexpr std::array<RowMeaning, kRowCount> kRowMeanings{{
    {"压力", "p", "MPa", "MPa"},
    {"温度", "t", "℃", "℃"},
    {"比焓", "h", "kj/kg", "kJ/kg"},
    {"比熵", "s", "kj/kg*℃", "kJ/(kg·K)"},
    {"比容", "v", "m^3/kg", "m³/kg"},
    {"干度", "x", "%", "%"},
}};

// The pairs a state is computed from, each with its rows top to bottom: p or t
// with any other row, and h with s (a reading off the h-s chart). The other
// two of h, s, v and x do not fix a state here.
inline constexpr int kPairCount = 10;
inline constexpr std::array<std::array<Row, 2>, kPairCount> kComputablePairs{{
    {kRowP, kRowT},
    {kRowP, kRowH},
    {kRowP, kRowS},
    {kRowP, kRowV},
    {kRowP, kRowX},
    {kRowT, kRowH},
    {kRowT, kRowS},
    {kRowT, kRowV},
    {kRowT, kRowX},
    {kRowH, kRowS},
}};

// Whether the calculators find a state from the known values of these two rows
// (in either order): the pairs they solve, each an entry of one table in
// steamcalc/state_solver.cpp.
bool computable_pair(int first, int second);

// Two ticks that no calculation takes, said on the message line as soon as
// they are set and again by a press.
inline constexpr const char* kPairWithoutPOrT = "h、s、v、x 中任取两项不能确定状态，请选择含 p 或 t 的组合";

struct PairSelection {
    std::array<bool, kRowCount> tick_box_shown{};
    std::array<bool, kRowCount> input_box_shown{};
    // For the message line: kPairWithoutPOrT, or empty (which clears it).
    std::string note;
};

// Run after the click has toggled a row's tick; ticks as they stand.
PairSelection UpdatePairSelection(const std::array<bool, kRowCount>& ticks);

}  // namespace entalix::steamcalc
