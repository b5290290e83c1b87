// Lookups over screen descriptions.
#include "shell/screen.h"

#include <stdexcept>

namespace entalix::shell {

std::string screen_name(ScreenId id) { return "Form" + std::to_string(static_cast<int>(id)); }

std::optional<ScreenId> screen_from_name(std::string_view name) {
    // "Form" and the id in decimal without a leading zero, as screen_name writes it.
    constexpr std::string_view kPrefix = "Form";
    if (name.size() < kPrefix.size() + 1 || name.size() > kPrefix.size() + 2 || !name.starts_with(kPrefix) ||
        name[kPrefix.size()] == '0')
        return std::nullopt;
    int number = 0;
    for (const char c : name.substr(kPrefix.size())) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > kScreenCount) return std::nullopt;
    return static_cast<ScreenId>(number);
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

std::vector<const ControlDesc*> ScreenDesc::typed_fields() const {
    std::vector<const ControlDesc*> out;
    for (const ControlDesc& c : controls)
        if (c.meaning.role == Role::Input || c.meaning.role == Role::Atmospheric || c.meaning.role == Role::TickBox)
            out.push_back(&c);
    return out;
}

const EventBinding* ScreenDesc::event_for_enter(std::string_view field) const {
    for (const EventBinding& e : events)
        if (e.kind == EventKind::Compute)
            for (const std::string& read : e.reads)
                if (read == field) return &e;
    return nullptr;
}

const ControlDesc* ScreenDesc::back_button() const {
    if (close_event.empty()) return nullptr;
    return find(close_event.substr(0, close_event.rfind('_')));
}

ControlDesc with_meaning(ControlDesc control, Meaning meaning) {
    control.meaning = std::move(meaning);
    return control;
}

ControlDesc with_domain(ControlDesc control, Domain domain) {
    control.meaning.domain = domain;
    return control;
}

Meaning input(std::string quantity, std::string unit, PressureKind pressure) {
    return {Role::Input, std::move(quantity), std::move(unit), pressure, {}};
}

Meaning result(std::string quantity, std::string unit, std::string format, PressureKind pressure) {
    return {Role::Result, std::move(quantity), std::move(unit), pressure, std::move(format)};
}

Meaning atmospheric() { return {Role::Atmospheric, "大气压值", "MPa", PressureKind::Absolute, {}}; }

EventBinding compute(std::string event, std::vector<std::string> reads, std::vector<std::string> writes,
                     Handler handler, EventKind kind) {
    return {std::move(event), std::move(handler), kind, std::move(reads), std::move(writes)};
}

EventBinding compute(std::string event, std::vector<std::string> reads, std::vector<std::string> writes,
                     PlainHandler handler, EventKind kind) {
    Handler without_water = [plain = std::move(handler)](const Fields& fields, props::WaterSteam&) {
        return plain(fields);
    };
    return {std::move(event), std::move(without_water), kind, std::move(reads), std::move(writes)};
}

std::string_view role_name(Role role) {
    switch (role) {
        case Role::Input:
            return "input";
        case Role::Result:
            return "result";
        case Role::Atmospheric:
            return "atmospheric";
        case Role::TickBox:
            return "tick_box";
        case Role::Message:
            return "message";
        case Role::Formulation:
            return "formulation";
        case Role::None:
            break;
    }
    return "none";
}

std::string_view pressure_name(PressureKind pressure) {
    switch (pressure) {
        case PressureKind::Gauge:
            return "gauge";
        case PressureKind::Absolute:
            return "absolute";
        case PressureKind::None:
            break;
    }
    return "";
}

std::string_view event_kind_name(EventKind kind) {
    switch (kind) {
        case EventKind::Compute:
            return "compute";
        case EventKind::Change:
            return "change";
        case EventKind::Tick:
            return "tick";
        case EventKind::Navigate:
            break;
    }
    return "navigate";
}

std::string window_title(const ScreenDesc& desc, std::string_view formulation) {
    if (formulation.empty()) return desc.caption;
    return desc.caption + " · " + std::string(formulation);
}

std::optional<props::Formulation> chosen_formulation(const ControlDesc& control, std::string_view text) {
    if (control.meaning.role != Role::Formulation) return std::nullopt;
    return props::parse_formulation(text);
}

std::string printed_text(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += "\n    ";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

Handler navigate_to(ScreenId target) {
    return [target](const Fields&, props::WaterSteam&) {
        Outcome outcome;
        outcome.navigate = target;
        return outcome;
    };
}

}  // namespace entalix::shell
