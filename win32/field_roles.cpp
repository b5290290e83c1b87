// Roles of fields, as each screen declares them beside its geometry.
#include "win32/field_roles.h"

namespace entalix::win32 {

using shell::ControlDesc;
using shell::Role;

bool shows_result(const ControlDesc& c) {
    return c.kind == shell::ControlKind::Label && c.meaning.role == Role::Result;
}

bool is_atmospheric(const ControlDesc& c) {
    return c.kind == shell::ControlKind::TextBox && c.meaning.role == Role::Atmospheric;
}

}  // namespace entalix::win32
