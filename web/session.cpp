// The browser's host of the screens: the same controller and host policy as
// the desktop windows, holding the texts the page shows.
#include "web/session.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>

#include "catalog/catalog.h"
#include "cli/batch.h"
#include "cli/csv.h"
#include "shell/errors.h"
#include "shell/host_look.h"

namespace entalix::web {

namespace {

// The default atmospheric pressure of the screens' descriptions.
std::string default_atmospheric() {
    for (shell::ScreenId id : shell::all_screens())
        for (const shell::ControlDesc& c : catalog::screen_desc(id).controls)
            if (c.meaning.role == shell::Role::Atmospheric) return c.text;
    return {};
}

}  // namespace

std::string PageStore::key_of(std::string_view group, std::string_view key) {
    return std::string(group) + '/' + std::string(key);
}

std::optional<std::string> PageStore::get(std::string_view group, std::string_view key) const {
    const auto it = values_.find(key_of(group, key));
    return it == values_.end() ? std::nullopt : std::optional<std::string>(it->second);
}

void PageStore::load_json(const std::string& kept) {
    values_.clear();
    const nlohmann::json parsed = nlohmann::json::parse(kept, nullptr, false);
    if (!parsed.is_object()) return;
    for (const auto& [key, value] : parsed.items())
        if (value.is_string()) values_[key] = value.get<std::string>();
}

bool PageStore::set(std::string_view group, std::string_view key, const std::string& value) {
    // Local storage holds a few MiB for the whole page: a pasted page of text is not kept.
    constexpr std::size_t kLongestValue = 4096;
    if (value.size() > kLongestValue) return false;
    std::string& kept = values_[key_of(group, key)];
    dirty = dirty || kept != value;
    kept = value;
    return true;
}

void PageStore::remove(std::string_view group, std::string_view key) {
    dirty = values_.erase(key_of(group, key)) != 0 || dirty;
}

WebSession::WebSession(PageStore& store)
    : remembered_(store), controller_(*this, catalog::screen_desc), atmospheric_(default_atmospheric()) {
    if (const std::optional<std::string> kept = remembered_.atmospheric()) atmospheric_ = *kept;
    formulation_ = remembered_.formulation().value_or(props::Formulation::IFC67);
}

void WebSession::create_screen(const shell::ScreenDesc& desc) {
    ScreenView view(desc);
    for (const shell::ControlDesc& c : desc.controls) {
        view.texts[c.name] = c.kind == shell::ControlKind::CheckBox ? "0" : c.text;
        view.shown[c.name] = (c.style & shell::kHidden) == 0;
        if (c.meaning.role == shell::Role::Atmospheric) view.texts[c.name] = atmospheric_;
        if (c.meaning.role == shell::Role::Formulation) view.texts[c.name] = props::formulation_name(formulation_);
    }
    view.title = desc.caption;
    ScreenView& made = views_.insert_or_assign(desc.id, std::move(view)).first->second;
    for (const auto& [name, text] : remembered_.inputs(desc)) made.texts[name] = text;
    // The ticks come back as a person's clicks would, so that the rows they show come back too.
    for (const std::string& name : remembered_.ticks(desc))
        if (made.shown[name] && made.texts[name] != "1") {
            made.texts[name] = "1";
            fire(desc.id, name + "_Click");
        }
}

void WebSession::show_screen(shell::ScreenId id) { views_.at(id).visible = true; }

void WebSession::hide_screen(shell::ScreenId id) {
    ScreenView& v = views_.at(id);
    remembered_.screen_left(*v.desc, fields(id), std::nullopt);
    v.visible = false;
}

shell::Fields WebSession::fields(shell::ScreenId id) const {
    const ScreenView& v = views_.at(id);
    shell::Fields f(std::map<std::string, std::string, std::less<>>(v.texts.begin(), v.texts.end()));
    f.set_formulation(formulation_);
    return f;
}

void WebSession::apply(shell::ScreenId id, const shell::Outcome& outcome) {
    ScreenView& v = views_.at(id);
    for (const auto& [control, text] : outcome.texts) v.texts.at(control) = text;
    for (const auto& [control, shown] : outcome.visibility) v.shown.at(control) = shown;
    for (const auto& [box, drawing] : outcome.pictures) {
        v.pictures.insert_or_assign(box, drawing);
        v.new_pictures.insert(box);
    }
    if (!outcome.formulation.empty()) v.title = shell::window_title(*v.desc, outcome.formulation);
    v.message = shell::message_line(outcome);
    v.warning = outcome.message.empty() && !outcome.warning.empty();
    for (const shell::ControlDesc& c : v.desc->controls)
        if (c.style & shell::kMessage) v.texts.at(c.name) = v.message;
    // Results another screen's press computed here count as this screen's own press.
    const std::string& event = !pressing_.empty() ? pressing_ : outcome.pressed_as;
    if (!event.empty()) v.results.pressed(event, outcome, fields(id));
}

void WebSession::fire(shell::ScreenId id, const std::string& event) {
    pressing_ = event;
    try {
        controller_.fire(id, event);
    } catch (const std::exception&) {
        // A fault of the program itself: the press writes nothing and the screen stays usable.
        shell::Outcome outcome;
        outcome.message = shell::kMsgInternalError;
        outcome.failed = true;
        pressing_.clear();
        apply(id, outcome);
    }
    pressing_.clear();
}

void WebSession::set_text(ScreenView& view, const std::string& control, const std::string& text) {
    std::string& current = view.texts.at(control);
    if (current == text) return;
    current = text;
    view.results.input_changed(control, text);
}

void WebSession::click(shell::ScreenId id, const std::string& control) {
    ScreenView& v = views_.at(id);
    const shell::ControlDesc* c = v.desc->find(control);
    if (!v.visible || c == nullptr || !v.shown.at(control)) return;
    if (c->kind == shell::ControlKind::CheckBox) {
        std::string& value = v.texts.at(control);
        value = value == "1" ? "0" : "1";
    }
    fire(id, control + "_Click");
}

void WebSession::type(shell::ScreenId id, const std::string& control, const std::string& text) {
    ScreenView& v = views_.at(id);
    const shell::ControlDesc* c = v.desc->find(control);
    if (c == nullptr || c->kind != shell::ControlKind::TextBox) return;
    if (c->meaning.role == shell::Role::Atmospheric) {
        atmospheric_ = text;
        remembered_.atmospheric_typed(text);
        for (auto& [other_id, other] : views_)
            for (const shell::ControlDesc* field : other.desc->typed_fields())
                if (field->meaning.role == shell::Role::Atmospheric) set_text(other, field->name, text);
    } else {
        set_text(v, control, text);
    }
    fire(id, control + "_Change");
}

void WebSession::set_formulation(props::Formulation formulation) {
    formulation_ = formulation;
    remembered_.set_formulation(formulation);
    for (auto& [id, v] : views_) {
        v.results.formulation_chosen(formulation);
        for (const shell::ControlDesc& c : v.desc->controls)
            if (c.meaning.role == shell::Role::Formulation) v.texts.at(c.name) = props::formulation_name(formulation);
    }
}

void WebSession::choose(shell::ScreenId id, const std::string& control, const std::string& choice) {
    ScreenView& v = views_.at(id);
    const shell::ControlDesc* c = v.desc->find(control);
    if (!v.visible || c == nullptr || std::find(c->choices.begin(), c->choices.end(), choice) == c->choices.end())
        return;
    v.texts.at(control) = choice;
    if (const auto formulation = shell::chosen_formulation(*c, choice)) set_formulation(*formulation);
    fire(id, control + "_Click");
}

void WebSession::drag(shell::ScreenId id, const std::string& box, const std::string& rectangle) {
    ScreenView& v = views_.at(id);
    const shell::ControlDesc* c = v.desc->find(box);
    if (!v.visible || c == nullptr || (c->style & shell::kDragRectangle) == 0) return;
    const auto label = v.texts.find(box + "_Rect");
    if (label == v.texts.end()) return;
    label->second = rectangle;
    fire(id, box + "_MouseUp");
}

void WebSession::close(shell::ScreenId id) {
    if (!views_.count(id) || !views_.at(id).visible) return;
    try {
        controller_.close(id);  // false on the main menu: a page has nothing to end
    } catch (const std::exception&) {
        shell::Outcome outcome;
        outcome.message = shell::kMsgInternalError;
        outcome.failed = true;
        apply(id, outcome);
    }
}

void WebSession::leave() {
    for (shell::ScreenId id : visible()) remembered_.screen_left(*views_.at(id).desc, fields(id), std::nullopt);
}

std::vector<shell::ScreenId> WebSession::visible() const {
    std::vector<shell::ScreenId> out;
    for (const auto& [id, v] : views_)
        if (v.visible) out.push_back(id);
    return out;
}

std::string batch_answers(const std::string& lines, props::Formulation formulation) {
    std::istringstream in(lines);
    std::ostringstream out;
    try {
        cli::run_batch(in, out, formulation);
    } catch (const std::exception& e) {
        out << nlohmann::json{{"error", e.what()}}.dump() << '\n';
    }
    return out.str();
}

std::string csv_answers(const std::string& target, const std::string& table, props::Formulation formulation) {
    std::vector<std::string> words;
    std::istringstream split(target);
    for (std::string word; words.size() < 2 && split >> word;) words.push_back(word);
    std::istringstream in(table);
    std::ostringstream out;
    try {
        cli::run_csv(words, false, in, out, formulation);
    } catch (const std::exception& e) {
        return std::string("错误：") + e.what() + "\n";
    }
    return out.str();
}

}  // namespace entalix::web
