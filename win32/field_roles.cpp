// Roles of fields, as each screen declares them beside its geometry.
#include "win32/field_roles.h"

#include <algorithm>
#include <limits>

namespace entalix::win32 {

using shell::ControlDesc;
using shell::Role;

bool shows_result(const ControlDesc& c) {
    return c.kind == shell::ControlKind::Label && c.meaning.role == Role::Result;
}

bool is_atmospheric(const ControlDesc& c) {
    return c.kind == shell::ControlKind::TextBox && c.meaning.role == Role::Atmospheric;
}

namespace {

long long distance_squared(const shell::Twips& a, const shell::Twips& b) {
    const long long dx = (a.left + a.width / 2) - (b.left + b.width / 2);
    const long long dy = (a.top + a.height / 2) - (b.top + b.height / 2);
    return dx * dx + dy * dy;
}

}  // namespace

std::string enter_event(const shell::ScreenDesc& screen, std::string_view field) {
    const ControlDesc* box = screen.find(field);
    if (box == nullptr || box->kind != shell::ControlKind::TextBox) return {};
    // The calculation that reads the field; where several do (the atmospheric
    // pressure of the pipe screen's two blocks), the one whose button is nearest.
    std::string best;
    long long best_distance = std::numeric_limits<long long>::max();
    for (const shell::EventBinding& e : screen.events) {
        if (e.kind != shell::EventKind::Compute || !e.event.ends_with("_Click")) continue;
        if (std::find(e.reads.begin(), e.reads.end(), field) == e.reads.end()) continue;
        const ControlDesc* button = screen.find(e.event.substr(0, e.event.size() - 6));
        if (button == nullptr) continue;
        if (const long long d = distance_squared(button->rect, box->rect); d < best_distance) {
            best = e.event;
            best_distance = d;
        }
    }
    return best;
}

}  // namespace entalix::win32
