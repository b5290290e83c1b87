// Roles of fields, as each screen declares them beside its geometry.
#include "win32/field_roles.h"

#include "shell/tab_order.h"

namespace entalix::win32 {

using shell::ControlDesc;
using shell::Role;

bool shows_result(const ControlDesc& c) {
    return c.kind == shell::ControlKind::Label && c.meaning.role == Role::Result;
}

bool is_atmospheric(const ControlDesc& c) {
    return c.kind == shell::ControlKind::TextBox && c.meaning.role == Role::Atmospheric;
}

std::string enter_event(const shell::ScreenDesc& screen, std::string_view field) {
    // The same button as every host presses: the calculation that reads the field.
    const ControlDesc* button = shell::enter_button(screen, field);
    return button == nullptr ? std::string() : button->name + "_Click";
}

}  // namespace entalix::win32
