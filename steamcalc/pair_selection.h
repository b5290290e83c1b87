// Which rows of a steam calculator show their input box, and when the compute
// button can be pressed: a state needs exactly two known properties, one of
// the pairs a state is computed from.
#pragma once

#include <array>
#include <optional>

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

// Whether two different rows, in either order, are one of those pairs.
constexpr bool IsComputablePair(int a, int b) {
    for (const auto& pair : kComputablePairs)
        if ((pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a)) return true;
    return false;
}

struct PairSelection {
    std::array<bool, kRowCount> tick_box_shown{};
    std::array<bool, kRowCount> input_box_shown{};
    // Set only after a click on h, s, v or x: hidden while that row and
    // another of them are ticked and not a pair a state is computed from; a
    // click on p or t leaves the button as it is.
    std::optional<bool> compute_button_shown;
};

// Run after the click has toggled the clicked row's tick; ticks as they stand.
PairSelection UpdatePairSelection(const std::array<bool, kRowCount>& ticks, int clicked_row);

}  // namespace entalix::steamcalc
