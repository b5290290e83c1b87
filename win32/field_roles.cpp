// Roles of fields, from the style flags of the description. The calculation a
// field belongs to is found by asking each calculation of the screen whether
// the field's value changes what it writes.
#include "win32/field_roles.h"

#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "shell/controller.h"

namespace entalix::win32 {

using shell::ControlDesc;
using shell::ControlKind;

bool shows_result(const ControlDesc& c) {
    if (c.kind != ControlKind::Label || (c.style & (shell::kHeading | shell::kMessage)) != 0) return false;
    // Captions and units carry their text from the start; results start empty or boxed.
    return (c.style & shell::kBorder) != 0 || c.text.empty();
}

bool is_atmospheric(const ControlDesc& c) { return c.kind == ControlKind::TextBox && (c.style & shell::kRed) != 0; }

namespace {

bool same(const shell::Outcome& a, const shell::Outcome& b) {
    return a.texts == b.texts && a.message == b.message && a.failed == b.failed && a.visibility == b.visibility;
}

// The screen's buttons that calculate rather than lead to another screen.
std::vector<const ControlDesc*> calculation_buttons(const shell::ScreenDesc& screen, const shell::Fields& fields) {
    std::vector<const ControlDesc*> buttons;
    for (const ControlDesc& c : screen.controls) {
        if (c.kind != ControlKind::Button) continue;
        const std::optional<shell::Outcome> outcome = shell::run_event(screen, c.name + "_Click", fields);
        if (outcome && !outcome->navigate && c.name + "_Click" != screen.close_event) buttons.push_back(&c);
    }
    return buttons;
}

long long distance_squared(const shell::Twips& a, const shell::Twips& b) {
    const long long dx = (a.left + a.width / 2) - (b.left + b.width / 2);
    const long long dy = (a.top + a.height / 2) - (b.top + b.height / 2);
    return dx * dx + dy * dy;
}

}  // namespace

std::string enter_event(const shell::ScreenDesc& screen, std::string_view field) {
    const ControlDesc* box = screen.find(field);
    if (box == nullptr || box->kind != ControlKind::TextBox) return {};
    // Every box holds an ordinary number; then the field alone changes.
    shell::Fields probe = screen.default_fields();
    for (const ControlDesc& c : screen.controls)
        if (c.kind == ControlKind::TextBox && !is_atmospheric(c)) probe.set(c.name, "1");
    const std::vector<const ControlDesc*> buttons = calculation_buttons(screen, probe);
    const ControlDesc* best = nullptr;
    long long best_distance = std::numeric_limits<long long>::max();
    for (const ControlDesc* button : buttons) {
        // Two values far enough apart to show through a result's rounding, at two scales.
        const std::string event = button->name + "_Click";
        bool reads = false;
        for (const auto& [a, b] : {std::pair{"1", "2"}, std::pair{"100", "200"}}) {
            shell::Fields one = probe;
            shell::Fields two = probe;
            one.set(box->name, a);
            two.set(box->name, b);
            reads = reads || !same(*shell::run_event(screen, event, one), *shell::run_event(screen, event, two));
        }
        // A button that reads the field wins; among equals, the nearest one.
        const long long d = distance_squared(button->rect, box->rect) - (reads ? (1LL << 40) : 0);
        if (buttons.size() == 1 || d < best_distance) {
            best = button;
            best_distance = d;
        }
    }
    return best == nullptr ? std::string() : best->name + "_Click";
}

}  // namespace entalix::win32
