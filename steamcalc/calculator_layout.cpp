// The property rows and the tick-box events of both steam calculators.
#include "steamcalc/calculator_layout.h"

#include <array>
#include <string>

#include "shell/menus.h"

namespace entalix::steamcalc {

using namespace shell;

namespace {

struct RowText {
    const char* label;
    const char* unit;
};
constexpr std::array<RowText, kRowCount> kRows{{
    {"压力：p=", "MPa"},
    {"温度：t=", "℃"},
    {"比焓：h=", "kj/kg"},
    {"比熵：s=", "kj/kg*℃"},
    {"比容：v=", "m^3/kg"},
    {"干度：x=", "%"},
}};
constexpr int kRowPitch = 480;

std::string indexed(const char* name, int index) { return std::string(name) + std::to_string(index); }

}  // namespace

std::vector<ControlDesc> property_rows(int tick_left, int tick_top) {
    std::vector<ControlDesc> controls;
    for (int row = 0; row < kRowCount; ++row) {
        const int top = tick_top + row * kRowPitch;
        // The caption does not fit in the box's width, so the tick box shows bare.
        controls.push_back({indexed("Check", row + 1),
                            ControlKind::CheckBox,
                            indexed("Check", row + 1),
                            {tick_left, top, 255, 180},
                            Align::Left,
                            kPlain,
                            {}});
        controls.push_back(
            label("Label2(" + std::to_string(row) + ")", kRows[row].label, {tick_left + 240, top, 855, 255}));
        controls.push_back(
            text_box(indexed("Text", row + 1), "", {tick_left + 1080, top - 120, 1455, 375}, Align::Left, kHidden));
        // The "%" of the dryness stands a little further right, in a narrower label.
        const bool percent = row == kRowX;
        controls.push_back(label("Label4(" + std::to_string(row) + ")", kRows[row].unit,
                                 {tick_left + (percent ? 2640 : 2520), top, percent ? 735 : 855, 255}));
    }
    return controls;
}

std::vector<EventBinding> tick_box_events() {
    std::vector<EventBinding> events;
    for (int row = 0; row < kRowCount; ++row) {
        events.push_back({indexed("Check", row + 1) + "_Click", [row](const Fields& fields) {
                              std::array<bool, kRowCount> ticks{};
                              for (int r = 0; r < kRowCount; ++r) ticks[r] = fields.ticked(indexed("Check", r + 1));
                              const PairSelection selection = UpdatePairSelection(ticks, row);
                              Outcome outcome;
                              for (int r = 0; r < kRowCount; ++r)
                                  outcome.visibility.emplace_back(indexed("Check", r + 1), selection.tick_box_shown[r]);
                              for (int r = 0; r < kRowCount; ++r)
                                  outcome.visibility.emplace_back(indexed("Text", r + 1), selection.input_box_shown[r]);
                              if (selection.compute_button_shown)
                                  outcome.visibility.emplace_back("Command1", *selection.compute_button_shown);
                              return outcome;
                          }});
    }
    return events;
}

PairInput pair_input(const Fields& fields) {
    PairInput input;
    for (int row = 0; row < kRowCount; ++row) {
        input.ticks[row] = fields.ticked(indexed("Check", row + 1));
        input.texts[row] = fields.text(indexed("Text", row + 1));
    }
    return input;
}

Outcome state_outcome(const StateAnswer& answer) {
    Outcome outcome;
    if (answer.caption)
        outcome.texts = {{"Label3", *answer.caption}};
    else
        outcome.message = answer.note;
    return outcome;
}

}  // namespace entalix::steamcalc
