// The in-memory host of the screens.
#include "shell/memory_app.h"

#include <algorithm>
#include <stdexcept>

namespace entalix::shell {

void MemoryHost::create_screen(const ScreenDesc& desc) {
    ScreenModel model(desc);
    model.shown_results.formulation_chosen(formulation_);
    for (const ControlDesc& c : desc.controls) {
        model.texts[c.name] = c.kind == ControlKind::CheckBox ? "0" : c.text;
        model.shown[c.name] = (c.style & kHidden) == 0;
    }
    screens_.insert_or_assign(desc.id, std::move(model));
}

void MemoryHost::set_formulation(props::Formulation formulation) {
    formulation_ = formulation;
    for (auto& [id, m] : screens_) m.shown_results.formulation_chosen(formulation);
}

void MemoryHost::set_pressing(std::optional<ScreenId> id, std::string event) {
    pressing_screen_ = id;
    pressing_event_ = std::move(event);
}

void MemoryHost::show_screen(ScreenId id) { model(id).window_visible = true; }
void MemoryHost::hide_screen(ScreenId id) { model(id).window_visible = false; }

Fields MemoryHost::fields(ScreenId id) const {
    Fields fields(model(id).texts);
    fields.set_formulation(formulation_);
    return fields;
}

void MemoryHost::apply(ScreenId id, const Outcome& outcome) {
    ScreenModel& m = model(id);
    for (const auto& [control, text] : outcome.texts) m.texts.at(control) = text;
    for (const auto& [control, shown] : outcome.visibility) m.shown.at(control) = shown;
    if (!outcome.formulation.empty()) m.formulation = outcome.formulation;
    for (const auto& [box, drawing] : outcome.pictures) m.pictures[box] = drawing;
    for (const ControlDesc& c : m.desc->controls)
        if (c.style & kMessage) m.texts.at(c.name) = message_line(outcome);
    // Results another screen's press computed here count as this screen's own press.
    const std::string& event = pressing_screen_ == id ? pressing_event_ : outcome.pressed_as;
    if (!event.empty()) m.shown_results.pressed(event, outcome, fields(id));
}

const ScreenModel& MemoryHost::model(ScreenId id) const { return screens_.at(id); }
ScreenModel& MemoryHost::model(ScreenId id) { return screens_.at(id); }

MemoryApp::MemoryApp(Catalog catalog) : controller_(host_, std::move(catalog)) {}

void MemoryApp::click(ScreenId id, std::string_view control) {
    ScreenModel& m = host_.model(id);
    if (!m.window_visible || !m.shown.at(std::string(control))) return;
    const ControlDesc* c = m.desc->find(control);
    if (c != nullptr && c->kind == ControlKind::CheckBox) {
        std::string& value = m.texts.at(std::string(control));
        const char toggled = value == "1" ? '0' : '1';
        value.assign(1, toggled);
        m.shown_results.input_changed(control, value);
    }
    fire(id, std::string(control) + "_Click");
}

void MemoryApp::fire(ScreenId id, const std::string& event) {
    host_.set_pressing(id, event);
    controller_.fire(id, event);
    host_.set_pressing(std::nullopt, {});
}

void MemoryApp::enter(ScreenId id, std::string_view field) {
    const ScreenModel& m = host_.model(id);
    if (!m.window_visible) return;
    for (const std::string& event : m.shown_results.enter_events(field))
        click(id, std::string_view(event).substr(0, event.rfind("_Click")));
}

void MemoryApp::choose(ScreenId id, std::string_view control, std::string_view choice) {
    ScreenModel& m = host_.model(id);
    const ControlDesc* c = m.desc->find(control);
    if (!m.window_visible || c == nullptr ||
        std::find(c->choices.begin(), c->choices.end(), choice) == c->choices.end())
        return;
    m.texts.at(c->name) = std::string(choice);
    if (const auto formulation = chosen_formulation(*c, choice)) host_.set_formulation(*formulation);
    fire(id, c->name + "_Click");
}

void MemoryApp::type(ScreenId id, std::string_view control, std::string text) {
    ScreenModel& m = host_.model(id);
    m.texts.at(std::string(control)) = std::move(text);
    m.shown_results.input_changed(control, m.texts.at(std::string(control)));
    fire(id, std::string(control) + "_Change");
}

std::vector<ScreenId> MemoryApp::visible_screens() const {
    std::vector<ScreenId> visible;
    for (ScreenId id : all_screens())
        if (host_.created(id) && host_.model(id).window_visible) visible.push_back(id);
    return visible;
}

const std::string& MemoryApp::text(ScreenId id, std::string_view control) const {
    return host_.model(id).texts.at(std::string(control));
}

bool MemoryApp::shown(ScreenId id, std::string_view control) const {
    return host_.model(id).shown.at(std::string(control));
}

}  // namespace entalix::shell
