// The property rows and the tick-box events of both steam calculators.
#include "steamcalc/calculator_layout.h"

#include <array>
#include <string>

#include "shell/menus.h"

namespace entalix::steamcalc {

using namespace shell;

namespace {

constexpr int kRowPitch = 480;

std::string indexed(const char* name, int index) { return std::string(name) + std::to_string(index); }

}  // namespace

Meaning row_meaning(Row row, PressureKind pressure) {
    Meaning m = input(kRowMeanings[row].quantity, kRowMeanings[row].unit, row == kRowP ? pressure : PressureKind::None);
    if ((row == kRowP && pressure == PressureKind::Absolute) || row == kRowV) m.domain = Domain::Positive;
    if (row == kRowT) m.domain = Domain::WaterTemperature;
    return m;
}

std::vector<ControlDesc> property_rows(int tick_left, int tick_top, PressureKind pressure) {
    std::vector<ControlDesc> controls;
    for (int row = 0; row < kRowCount; ++row) {
        const int top = tick_top + row * kRowPitch;
        const RowMeaning& m = kRowMeanings[row];
        // The caption does not fit in the box's width, so the tick box shows bare.
        controls.push_back({indexed("Check", row + 1),
                            ControlKind::CheckBox,
                            indexed("Check", row + 1),
                            {tick_left, top, 255, 180},
                            Align::Left,
                            kPlain,
                            {},
                            {Role::TickBox, m.quantity, m.unit}});
        controls.push_back(label("Label2(" + std::to_string(row) + ")", std::string(m.quantity) + "：" + m.symbol + "=",
                                 {tick_left + 240, top, 855, 255}));
        controls.push_back(with_meaning(
            text_box(indexed("Text", row + 1), "", {tick_left + 1080, top - 120, 1455, 375}, Align::Left, kHidden),
            row_meaning(static_cast<Row>(row), pressure)));
        // The "%" of the dryness stands a little further right, in a narrower label.
        const bool percent = row == kRowX;
        controls.push_back(label("Label4(" + std::to_string(row) + ")", m.shown_unit,
                                 {tick_left + (percent ? 2640 : 2520), top, percent ? 735 : 855, 255}));
    }
    return controls;
}

std::vector<std::string> tick_boxes() {
    std::vector<std::string> names;
    for (int row = 0; row < kRowCount; ++row) names.push_back(indexed("Check", row + 1));
    return names;
}

std::vector<std::string> calculation_reads(bool gauge) {
    std::vector<std::string> names = tick_boxes();
    for (int row = 0; row < kRowCount; ++row) names.push_back(indexed("Text", row + 1));
    if (gauge) names.emplace_back("Text7");
    return names;
}

ControlDesc state_label(Twips rect) {
    return with_meaning(label("Label3", "", rect), result("水蒸汽状态", "MPa, ℃, m³/kg, kJ/kg, kJ/(kg·K), %", "state"));
}

std::vector<EventBinding> tick_box_events() {
    std::vector<EventBinding> events;
    std::vector<std::string> shown_and_hidden = calculation_reads(false);
    for (int row = 0; row < kRowCount; ++row) {
        events.push_back(compute(
            indexed("Check", row + 1) + "_Click", tick_boxes(), shown_and_hidden,
            [](const Fields& fields) {
                std::array<bool, kRowCount> ticks{};
                for (int r = 0; r < kRowCount; ++r) ticks[r] = fields.ticked(indexed("Check", r + 1));
                const PairSelection selection = UpdatePairSelection(ticks);
                Outcome outcome;
                for (int r = 0; r < kRowCount; ++r)
                    outcome.visibility.emplace_back(indexed("Check", r + 1), selection.tick_box_shown[r]);
                for (int r = 0; r < kRowCount; ++r)
                    outcome.visibility.emplace_back(indexed("Text", r + 1), selection.input_box_shown[r]);
                outcome.message = selection.note;
                return outcome;
            },
            EventKind::Tick));
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

namespace {

constexpr const char* kMore[] = {"rho", "u", "cp", "cv", "w", "kappa", "mu", "lambda", "nu", "Pr"};

// Each property is asked of the shown state checked, as every shown value is;
// one the state does not have, or one beyond its release, is left out.
void add_more_properties(shell::StateValues& state, props::WaterSteam& water, double atmospheric) {
    water.set_checking(true);
    const double p = state.p.value + atmospheric;
    const double t = state.t.value;
    const double x = state.x.value;
    if (x == 0.0 || x == 100.0) {
        // A single-phase state: its whole set in one evaluation.
        try {
            const props::PropertySet set = x == 0.0 ? water.pswA_ptwtr_all(p, t) : water.pswA_ptstm_all(p, t);
            for (const char* name : kMore) {
                try {
                    state.more.emplace_back(name, props::set_member(set, name));
                } catch (const props::PropertyError&) {
                }
            }
        } catch (const props::PropertyError&) {
        }
        return;
    }
    for (const char* name : kMore) {
        try {
            state.more.emplace_back(name, props::selected_number(water.pswA_ph(name, p, state.h.value)));
        } catch (const props::PropertyError&) {
        }
    }
}

}  // namespace

Outcome state_outcome(const StateAnswer& answer, props::WaterSteam& water, double atmospheric) {
    Outcome outcome;
    if (std::optional<std::string> caption = answer.caption()) {
        outcome.texts = {{"Label3", std::move(*caption)}};
        outcome.warning = answer.warning;
        outcome.state = answer.state;
        if (outcome.state) add_more_properties(*outcome.state, water, atmospheric);
    } else
        outcome.message = answer.note;
    return outcome;
}

}  // namespace entalix::steamcalc
