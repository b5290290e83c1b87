// The bookkeeping behind greyed results and "copy all results".
#include "shell/shown_results.h"

#include <algorithm>

#include "shell/clipboard_text.h"

namespace entalix::shell {

void ShownResults::pressed(std::string_view event, const Outcome& outcome, const Fields& fields) {
    const EventBinding* binding = desc_->find_event(event);
    if (binding == nullptr || binding->kind != EventKind::Compute) return;
    const std::string name(event);
    if (outcome.failed || !outcome.message.empty()) {
        stale_.insert(name);
        return;
    }
    stale_.erase(name);
    produced_[name] = fields;
    if (outcome.formulation.empty())
        used_.erase(name);
    else
        used_[name] = outcome.formulation;
}

void ShownResults::input_changed(std::string_view field) {
    // Only a calculation that has shown results can leave them stale.
    for (const auto& [event, fields] : produced_) {
        const EventBinding* e = desc_->find_event(event);
        if (e != nullptr && std::find(e->reads.begin(), e->reads.end(), field) != e->reads.end()) stale_.insert(event);
    }
}

void ShownResults::formulation_chosen(props::Formulation formulation) {
    const std::string_view name = props::formulation_name(formulation);
    for (const auto& [event, used] : used_)
        if (used != name) stale_.insert(event);
}

std::set<std::string, std::less<>> ShownResults::stale_results() const {
    std::set<std::string, std::less<>> greyed;
    for (const std::string& event : stale_)
        if (const EventBinding* e = desc_->find_event(event)) greyed.insert(e->writes.begin(), e->writes.end());
    return greyed;
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
