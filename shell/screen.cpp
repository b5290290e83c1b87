// Lookups over screen descriptions.
#include "shell/screen.h"

#include <stdexcept>

namespace entalix::shell {

std::string screen_name(ScreenId id) { return "Form" + std::to_string(static_cast<int>(id)); }

std::optional<ScreenId> screen_from_name(std::string_view name) {
    for (ScreenId id : all_screens())
        if (screen_name(id) == name) return id;
    return std::nullopt;
}

std::vector<ScreenId> all_screens() {
    std::vector<ScreenId> ids;
    for (int i = 1; i <= kScreenCount; ++i) ids.push_back(static_cast<ScreenId>(i));
    return ids;
}

const std::string& Fields::text(std::string_view control) const {
    const auto it = texts_.find(control);
    if (it == texts_.end()) throw std::out_of_range("no control " + std::string(control));
    return it->second;
}

const ControlDesc* ScreenDesc::find(std::string_view control) const {
    for (const ControlDesc& c : controls)
        if (c.name == control) return &c;
    return nullptr;
}

const EventBinding* ScreenDesc::find_event(std::string_view event) const {
    for (const EventBinding& e : events)
        if (e.event == event) return &e;
    return nullptr;
}

Fields ScreenDesc::default_fields() const {
    Fields fields;
    for (const ControlDesc& c : controls) fields.set(c.name, c.kind == ControlKind::CheckBox ? "0" : c.text);
    return fields;
}

Handler navigate_to(ScreenId target) {
    return [target](const Fields&) {
        Outcome outcome;
        outcome.navigate = target;
        return outcome;
    };
}

}  // namespace entalix::shell
