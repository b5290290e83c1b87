// The bookkeeping behind greyed results, "copy all results", the title and Enter.
#include "shell/shown_results.h"

#include <algorithm>

#include "shell/clipboard_text.h"
#include "shell/tab_order.h"

namespace entalix::shell {

namespace {

bool lists(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const std::string* text_in(const Fields& fields, std::string_view name) {
    const auto it = fields.all().find(name);
    return it == fields.all().end() ? nullptr : &it->second;
}

}  // namespace

void ShownResults::forget(const std::string& event) {
    produced_.erase(event);
    used_.erase(event);
    failed_.erase(event);
}

void ShownResults::pressed(std::string_view event, const Outcome& outcome, const Fields& fields) {
    for (const auto& [name, text] : fields.all()) now_[name] = text;
    const EventBinding* binding = desc_->find_event(event);
    if (binding == nullptr || binding->kind != EventKind::Compute) return;
    const std::string name(event);
    const bool failed = outcome.failed || !outcome.message.empty();
    // What this press wrote replaces what another press showed there or stood on
    // (the saturation screen's arrows write each other's input); a failure that
    // writes ("错误") replaces its own result too.
    std::vector<std::string> gone;
    for (const auto& [other, unused] : produced_) {
        const EventBinding* e = desc_->find_event(other);
        if (e == nullptr || (other == name && !failed)) continue;
        for (const auto& [field, text] : outcome.texts)
            if (lists(e->writes, field) || (other != name && lists(e->reads, field))) gone.push_back(other);
    }
    for (const std::string& other : gone) forget(other);
    if (failed) {
        if (produced_.count(name) != 0) failed_.insert(name);
        return;
    }
    failed_.erase(name);
    produced_[name] = fields;
    if (outcome.formulation.empty()) {
        used_.erase(name);
    } else {
        used_[name] = outcome.formulation;
        uses_water_ = true;
    }
}

void ShownResults::input_changed(std::string_view field, std::string_view text) {
    now_[std::string(field)] = std::string(text);
    // A result typed over is no longer on the screen.
    std::vector<std::string> gone;
    for (const auto& [event, fields] : produced_) {
        const EventBinding* e = desc_->find_event(event);
        const std::string* shown = text_in(fields, field);
        if (e != nullptr && lists(e->writes, field) && shown != nullptr && *shown != text) gone.push_back(event);
    }
    for (const std::string& event : gone) forget(event);
}

void ShownResults::formulation_chosen(props::Formulation formulation) { chosen_ = formulation; }

bool ShownResults::event_stale(const std::string& event, const Fields& produced) const {
    if (failed_.count(event) != 0) return true;
    if (const auto used = used_.find(event);
        used != used_.end() && chosen_ && used->second != props::formulation_name(*chosen_))
        return true;
    const EventBinding* e = desc_->find_event(event);
    if (e == nullptr) return false;
    for (const std::string& read : e->reads) {
        const auto now = now_.find(read);
        const std::string* then = text_in(produced, read);
        if (now != now_.end() && then != nullptr && now->second != *then) return true;
    }
    return false;
}

std::set<std::string, std::less<>> ShownResults::stale_results() const {
    std::set<std::string, std::less<>> greyed;
    for (const auto& [event, fields] : produced_)
        if (event_stale(event, fields))
            if (const EventBinding* e = desc_->find_event(event)) greyed.insert(e->writes.begin(), e->writes.end());
    return greyed;
}

std::set<std::string, std::less<>> ShownResults::written_fields() const {
    std::set<std::string, std::less<>> written;
    for (const EventBinding& e : desc_->events)
        if (e.kind == EventKind::Compute)
            for (const std::string& name : e.writes)
                if (const ControlDesc* c = desc_->find(name); c != nullptr && c->meaning.role != Role::Message)
                    written.insert(name);
    return written;
}

std::string ShownResults::title() const {
    const bool offers_choice = std::any_of(desc_->controls.begin(), desc_->controls.end(),
                                           [](const ControlDesc& c) { return c.meaning.role == Role::Formulation; });
    if (!offers_choice && !uses_water_) return desc_->caption;
    return window_title(*desc_, props::formulation_name(chosen_.value_or(props::Formulation::IFC67)));
}

std::vector<std::string> ShownResults::enter_events(std::string_view field) const {
    std::vector<std::string> events;
    for (const EventBinding& e : desc_->events)
        if (e.kind == EventKind::Compute && produced_.count(e.event) != 0 && lists(e.reads, field) &&
            e.event.ends_with("_Click"))
            events.push_back(e.event);
    if (events.empty())
        if (const ControlDesc* button = enter_button(*desc_, field)) events.push_back(button->name + "_Click");
    return events;
}

std::string ShownResults::results_text() const {
    std::vector<TableLine> lines;
    for (const EventBinding& e : desc_->events)
        if (const auto it = produced_.find(e.event); it != produced_.end()) {
            const auto used = used_.find(e.event);
            const std::string_view formulation = used == used_.end() ? std::string_view() : used->second;
            for (TableLine& line : press_lines(*desc_, e, it->second, formulation)) lines.push_back(std::move(line));
        }
    return tab_separated(lines);
}

}  // namespace entalix::shell
