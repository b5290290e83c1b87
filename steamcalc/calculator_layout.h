// What the two steam calculators share on screen: the six property rows with
// tick box, label, input box and unit, and the events of the tick boxes.
#pragma once

#include <string>
#include <vector>

#include "shell/screen.h"
#include "steamcalc/state_solver.h"

namespace entalix::steamcalc {

// The meaning of a typed row: quantity, unit, and what the value can
// physically be (an absolute pressure above zero, a temperature of water or
// steam not below 0 degC, a specific volume above zero). A gauge pressure is
// bounded by its absolute pressure instead.
shell::Meaning row_meaning(Row row, shell::PressureKind pressure);

// The six rows from the place of row 0's tick box; each row lies 480 twips
// below the one before.
// The input boxes of row p hold absolute or gauge pressures.
std::vector<shell::ControlDesc> property_rows(int tick_left, int tick_top, shell::PressureKind pressure);

// The result label "Label3" with the six lines of a state.
shell::ControlDesc state_label(shell::Twips rect);

// What "计  算" reads: the tick boxes, the six inputs, and on the gauge screen
// the atmospheric pressure.
std::vector<std::string> calculation_reads(bool gauge);

// Check1_Click .. Check6_Click, each running UpdatePairSelection for its row.
std::vector<shell::EventBinding> tick_box_events();

// The ticks and the six input texts of a press.
PairInput pair_input(const shell::Fields& fields);

// "全部物性": opens Form16 for the state Label3 shows, computed there as its
// own press computes it; with no state shown, the message line says so. On
// the gauge screen (gauge) the pressure and Text7 go over as they are; the
// absolute pressure of the other becomes a gauge one with Form16's own
// atmospheric pressure.
shell::EventBinding all_properties_event(std::string event, bool gauge);

// "焓熵图": opens the chart screen with the state Label3 shows marked on it
// (on the gauge screen made absolute with Text7); with no state shown, the
// message line says so.
shell::EventBinding chart_event(std::string event, bool gauge);

// Label3 takes the new caption, and the outcome the state as numbers; with no
// change the message line says why.
// With a state, its properties beyond the six lines, from the press's water
// and steam at the absolute pressure (the shown one plus atmospheric, 0 on
// the absolute screen).
shell::Outcome state_outcome(const StateAnswer& answer, props::WaterSteam& water, double atmospheric);

}  // namespace entalix::steamcalc
