// The state of water or steam from two known properties: the calculation
// behind "计  算" on both steam calculators.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "props/water_steam.h"
#include "shell/state_values.h"
#include "steamcalc/pair_selection.h"
#include "steamcalc/step_search.h"

namespace entalix::steamcalc {

struct PairInput {
    std::array<bool, kRowCount> ticks{};
    std::array<std::string, kRowCount> texts;  // Text1..Text6, as typed
};

// What a press does to the result label Label3.
struct StateAnswer {
    std::optional<shell::StateValues> state;  // the state shown; p gauge on the gauge screen
    bool out_of_range = false;                // "参数超限" shown in place of a state
    std::string note;                         // with no change: why, for the message line
    std::string warning;                      // with a state: why its numbers deserve care (extrapolated)
    // The new text of Label3: the state's six lines or "参数超限"; nullopt for no change.
    std::optional<std::string> caption() const;
};

inline constexpr std::string_view kOutOfRange = "参数超限";
inline constexpr std::string_view kNoPairNote = "请勾选两个已知参数";
inline constexpr std::string_view kNoStateNote = "无法由这两个参数确定状态，结果未改变";

// Both compute with the water and steam of the press; with IAPWS-IF97 each
// pair is found on its inverses directly.
//
// Pressures absolute (Form11). Throws a CalculationError for a text that is not
// a number, a value its field cannot hold, an arithmetic fault or a state that
// cannot be shown; PropertyError where the equations fail (PropertyRefusal
// outside the formulation or in the near-critical region).
StateAnswer SolveStateFromPair(const PairInput& input, props::WaterSteam& water);

// Typed pressures gauge (Form12), made absolute with the atmospheric pressure
// of Text7; line 1 shows the gauge pressure of the result.
StateAnswer SolveGaugeStateFromPair(const PairInput& input, std::string_view atmospheric, props::WaterSteam& water);

}  // namespace entalix::steamcalc
