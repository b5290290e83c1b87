// The functions the page's script calls: every answer is one JSON text, valid
// until the next call.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>

#include "catalog/catalog.h"
#include "cli/batch.h"
#include "cli/csv.h"
#include "cli/usage.h"
#include "shell/drawing.h"
#include "shell/field_ranges.h"
#include "shell/help_button.h"
#include "shell/host_look.h"
#include "shell/svg.h"
#include "shell/tab_order.h"
#include "web/session.h"

using nlohmann::json;
using namespace entalix;

namespace {

web::PageStore& store() {
    static web::PageStore s;
    return s;
}

web::WebSession*& session() {
    static web::WebSession* s = nullptr;
    return s;
}

const char* give(const std::string& text) {
    static std::string answer;
    answer = text;
    return answer.c_str();
}

const char* give(const json& value) { return give(value.dump(-1, ' ', false, json::error_handler_t::replace)); }

std::string_view kind_name(shell::ControlKind kind) {
    switch (kind) {
        case shell::ControlKind::Label:
            return "label";
        case shell::ControlKind::TextBox:
            return "text";
        case shell::ControlKind::Button:
            return "button";
        case shell::ControlKind::CheckBox:
            return "check";
        case shell::ControlKind::PictureBox:
            return "picture";
        case shell::ControlKind::ComboBox:
            return "combo";
    }
    return "label";
}

std::string_view align_name(shell::Align align) {
    return align == shell::Align::Center ? "center" : align == shell::Align::Right ? "right" : "left";
}

json control_json(const shell::ScreenDesc& desc, const shell::ControlDesc& c) {
    const shell::Twips at = shell::window_rect(desc, c);
    json out = {{"name", c.name},
                {"kind", kind_name(c.kind)},
                {"text", c.text},
                {"rect", {at.left, at.top, at.width, at.height}},
                {"align", align_name(c.align)},
                {"red", (c.style & shell::kRed) != 0},
                {"border", (c.style & shell::kBorder) != 0},
                {"heading", (c.style & shell::kHeading) != 0},
                {"message", (c.style & shell::kMessage) != 0},
                {"drag", (c.style & shell::kDragRectangle) != 0},
                {"parent", c.parent},
                {"role", shell::role_name(c.meaning.role)},
                {"choices", c.choices}};
    if (c.meaning.role == shell::Role::Formulation) out["tooltip"] = std::string(shell::kFormulationTooltip);
    if (const std::string tip = shell::field_tooltip(c, props::Formulation::IFC67); !tip.empty()) {
        out["tooltip"] = tip;
        out["tooltip_if97"] = shell::field_tooltip(c, props::Formulation::IF97);
    }
    if (c.meaning.role == shell::Role::Result) {
        out["quantity"] = c.meaning.quantity;
        out["unit"] = shell::unit_text(c.meaning);
    }
    if (c.kind == shell::ControlKind::PictureBox)
        if (const std::optional<shell::Drawing> drawing = shell::plant_drawing(c.text))
            out["svg"] = shell::svg_of(*drawing, shell::kTextPixels);
    return out;
}

json describe(const shell::ScreenDesc& desc) {
    json controls = json::array();
    for (const shell::ControlDesc& c : desc.controls) controls.push_back(control_json(desc, c));
    json tab = json::array();
    for (const shell::ControlDesc* c : shell::tab_order(desc)) tab.push_back(c->name);
    json enter = json::object();
    for (const shell::ControlDesc* c : desc.typed_fields())
        if (const shell::ControlDesc* button = shell::enter_button(desc, c->name)) enter[c->name] = button->name;
    json events = json::array();
    for (const shell::EventBinding& e : desc.events)
        events.push_back({{"event", e.event}, {"kind", shell::event_kind_name(e.kind)}, {"writes", e.writes}});
    const shell::ControlDesc* back = desc.back_button();
    const shell::ControlDesc* help = shell::help_button_holder(desc);
    return {{"name", shell::screen_name(desc.id)},
            {"caption", desc.caption},
            {"width", desc.width},
            {"height", desc.height},
            {"controls", controls},
            {"tab", tab},
            {"enter", enter},
            {"events", events},
            {"back", back != nullptr ? back->name : ""},
            {"help_in", help != nullptr ? help->name : ""}};
}

json state() {
    web::WebSession& s = *session();
    json screens = json::object();
    json visible = json::array();
    for (shell::ScreenId id : s.visible()) {
        web::ScreenView& v = s.view(id);
        json pictures = json::object();
        for (const std::string& box : v.new_pictures)
            pictures[box] = shell::svg_of(v.pictures.at(box), shell::kTextPixels);
        v.new_pictures.clear();
        json stale = json::array();
        for (const std::string& name : v.results.stale_results()) stale.push_back(name);
        screens[shell::screen_name(id)] = {{"title", v.title},
                                           {"texts", v.texts},
                                           {"shown", v.shown},
                                           {"message", v.message},
                                           {"warning", v.warning},
                                           {"stale", stale},
                                           {"results", v.results.results_text()},
                                           {"pictures", pictures}};
        visible.push_back(shell::screen_name(id));
    }
    json out = {{"visible", visible}, {"formulation", props::formulation_name(s.formulation())}, {"screens", screens}};
    if (store().dirty) {
        out["store"] = store().values();
        store().dirty = false;
    }
    return out;
}

// Runs one action of the user on a screen named by the page; unknown names do nothing.
template <typename Action>
const char* act(const char* screen, Action action) {
    if (session() == nullptr) return give(json{{"error", "not started"}});
    if (const auto id = shell::screen_from_name(screen ? screen : "")) {
        const std::vector<shell::ScreenId> visible = session()->visible();
        if (std::find(visible.begin(), visible.end(), *id) != visible.end()) action(*id);
    }
    return give(state());
}

props::Formulation formulation_of(const char* name) {
    return props::parse_formulation(name ? name : "").value_or(props::Formulation::IFC67);
}

}  // namespace

extern "C" {

// Starts the screens with what the browser kept ({"group/key": "text", ...}).
const char* entalix_start(const char* kept) {
    std::map<std::string, std::string> values;
    const json parsed = json::parse(kept ? kept : "", nullptr, false);
    if (parsed.is_object())
        for (const auto& [key, value] : parsed.items())
            if (value.is_string()) values[key] = value.get<std::string>();
    store().load(std::move(values));
    delete session();
    session() = new web::WebSession(store());
    session()->start();
    return give(state());
}

// Every screen's name and caption.
const char* entalix_screens() {
    json out = json::array();
    for (shell::ScreenId id : shell::all_screens())
        out.push_back({{"name", shell::screen_name(id)}, {"caption", catalog::screen_desc(id).caption}});
    return give(out);
}

const char* entalix_describe(const char* screen) {
    const auto id = shell::screen_from_name(screen ? screen : "");
    if (!id) return give(json{{"error", "no such screen"}});
    return give(describe(catalog::screen_desc(*id)));
}

const char* entalix_click(const char* screen, const char* control) {
    return act(screen, [&](shell::ScreenId id) { session()->click(id, control ? control : ""); });
}

const char* entalix_type(const char* screen, const char* control, const char* text) {
    return act(screen, [&](shell::ScreenId id) { session()->type(id, control ? control : "", text ? text : ""); });
}

const char* entalix_choose(const char* screen, const char* control, const char* choice) {
    return act(screen,
               [&](shell::ScreenId id) { session()->choose(id, control ? control : "", choice ? choice : ""); });
}

const char* entalix_drag(const char* screen, const char* box, const char* rectangle) {
    return act(screen, [&](shell::ScreenId id) { session()->drag(id, box ? box : "", rectangle ? rectangle : ""); });
}

const char* entalix_close(const char* screen) {
    return act(screen, [&](shell::ScreenId id) { session()->close(id); });
}

// The page is closing or hidden: the open screens' inputs are kept.
const char* entalix_leave() {
    if (session() != nullptr) session()->leave();
    return give(state());
}

// JSON lines in, one answer a line out, as entalix-calc --batch.
const char* entalix_batch(const char* lines, const char* formulation) {
    std::istringstream in(lines ? lines : "");
    std::ostringstream out;
    try {
        cli::run_batch(in, out, formulation_of(formulation));
    } catch (const std::exception& e) {
        out << json{{"error", e.what()}}.dump() << '\n';
    }
    return give(out.str());
}

// A CSV table for a function or a screen's event ("pswh_ptstm", or "Form8 Command2_Click"),
// as entalix-calc --csv.
const char* entalix_csv(const char* target, const char* table, const char* formulation) {
    std::vector<std::string> words;
    std::istringstream split(target ? target : "");
    for (std::string word; split >> word && words.size() < 3;) words.push_back(word);
    std::istringstream in(table ? table : "");
    std::ostringstream out;
    try {
        cli::run_csv(words, false, in, out, formulation_of(formulation));
    } catch (const std::exception& e) {
        return give(std::string("错误：") + e.what() + "\n");
    }
    return give(out.str());
}

}  // extern "C"
