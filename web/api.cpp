// The functions the page's script calls: every answer is one JSON text, valid
// until the next call. Compiled without landing pads (nothing here catches: a
// press's failures are caught in the session), the answers written by plain appends.
#include <algorithm>
#include <string>

#include "catalog/catalog.h"
#include "shell/drawing.h"
#include "shell/field_menu.h"
#include "shell/field_ranges.h"
#include "shell/guide_sections.h"
#include "shell/help_button.h"
#include "shell/host_look.h"
#include "shell/svg.h"
#include "shell/tab_order.h"
#include "web/session.h"

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

// A JSON writer for the answers: plain appends, no tree, so that an answer
// costs little beside the press.
class JsonOut {
public:
    JsonOut& open(char bracket) {
        comma();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    JsonOut& close(char bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    JsonOut& key(std::string_view name) {
        string(name);
        text_ += ':';
        first_ = true;
        return *this;
    }
    JsonOut& string(std::string_view value) {
        comma();
        text_ += '"';
        for (const char c : value) {
            switch (c) {
                case '"':
                    text_ += "\\\"";
                    break;
                case '\\':
                    text_ += "\\\\";
                    break;
                case '\n':
                    text_ += "\\n";
                    break;
                case '\r':
                    text_ += "\\r";
                    break;
                case '\t':
                    text_ += "\\t";
                    break;
                default:
                    if (static_cast<unsigned char>(c) < 0x20) {
                        constexpr char kHex[] = "0123456789abcdef";
                        text_ += "\\u00";
                        text_ += kHex[(c >> 4) & 0xf];
                        text_ += kHex[c & 0xf];
                    } else {
                        text_ += c;  // UTF-8 as it is; the page reads it as UTF-8
                    }
            }
        }
        text_ += '"';
        first_ = false;
        return *this;
    }
    JsonOut& number(long long value) {
        comma();
        text_ += std::to_string(value);
        first_ = false;
        return *this;
    }
    JsonOut& boolean(bool value) {
        comma();
        text_ += value ? "true" : "false";
        first_ = false;
        return *this;
    }
    JsonOut& member(std::string_view name, std::string_view value) { return key(name).string(value); }
    JsonOut& member(std::string_view name, bool value) { return key(name).boolean(value); }
    template <typename Strings>
    JsonOut& strings(std::string_view name, const Strings& values) {
        key(name).open('[');
        for (const auto& v : values) string(v);
        return close(']');
    }
    const std::string& text() const { return text_; }

private:
    void comma() {
        if (!first_) text_ += ',';
    }
    std::string text_;
    bool first_ = true;
};

void put_control(JsonOut& out, const shell::ScreenDesc& desc, const shell::ControlDesc& c) {
    const shell::Twips at = shell::window_rect(desc, c);
    out.open('{')
        .member("name", c.name)
        .member("kind", kind_name(c.kind))
        .member("text", c.text)
        .key("rect")
        .open('[')
        .number(at.left)
        .number(at.top)
        .number(at.width)
        .number(at.height)
        .close(']')
        .member("align", align_name(c.align))
        .member("red", (c.style & shell::kRed) != 0)
        .member("border", (c.style & shell::kBorder) != 0)
        .member("heading", (c.style & shell::kHeading) != 0)
        .member("message", (c.style & shell::kMessage) != 0)
        .member("drag", (c.style & shell::kDragRectangle) != 0)
        .member("parent", c.parent)
        .member("role", shell::role_name(c.meaning.role))
        .strings("choices", c.choices);
    if (c.meaning.role == shell::Role::Formulation) out.member("tooltip", shell::kFormulationTooltip);
    if (const std::string tip = shell::field_tooltip(c, props::Formulation::IFC67); !tip.empty())
        out.member("tooltip", tip).member("tooltip_if97", shell::field_tooltip(c, props::Formulation::IF97));
    if (c.meaning.role == shell::Role::Result)
        out.member("quantity", c.meaning.quantity).member("unit", shell::unit_text(c.meaning));
    if (c.meaning.role == shell::Role::Input || c.meaning.role == shell::Role::Atmospheric) {
        // A phone's number pad has no minus sign: a field that can hold a
        // vacuum's gauge pressure or a frost's temperature keeps the full keyboard.
        const std::optional<shell::AllowedRange> range = shell::allowed_range(c.meaning);
        const bool negative = !range || range->low < 0.0 || c.meaning.pressure == shell::PressureKind::Gauge;
        out.member("negative", negative);
    }
    if (c.kind == shell::ControlKind::PictureBox)
        if (const std::optional<shell::Drawing> drawing = shell::plant_drawing(c.text))
            out.member("svg", shell::svg_of(*drawing, shell::kTextPixels));
    out.close('}');
}

std::string describe(const shell::ScreenDesc& desc) {
    JsonOut out;
    out.open('{').member("name", shell::screen_name(desc.id)).member("caption", desc.caption);
    out.key("width").number(desc.width).key("height").number(desc.height);
    out.key("controls").open('[');
    for (const shell::ControlDesc& c : desc.controls) put_control(out, desc, c);
    out.close(']');
    out.key("tab").open('[');
    for (const shell::ControlDesc* c : shell::tab_order(desc)) out.string(c->name);
    out.close(']');
    out.key("blocks").open('[');
    for (const std::vector<const shell::ControlDesc*>& block : shell::side_by_side_blocks(desc)) {
        out.open('[');
        for (const shell::ControlDesc* c : block) out.string(c->name);
        out.close(']');
    }
    out.close(']');
    out.key("enter").open('{');
    for (const shell::ControlDesc* c : desc.typed_fields())
        if (const shell::ControlDesc* button = shell::enter_button(desc, c->name)) out.member(c->name, button->name);
    out.close('}');
    out.key("events").open('[');
    for (const shell::EventBinding& e : desc.events)
        out.open('{')
            .member("event", e.event)
            .member("kind", shell::event_kind_name(e.kind))
            .strings("writes", e.writes)
            .close('}');
    out.close(']');
    const shell::ControlDesc* back = desc.back_button();
    const shell::ControlDesc* help = shell::help_button_holder(desc);
    out.member("back", back != nullptr ? back->name : "").member("help_in", help != nullptr ? help->name : "");
    out.member("help_tip", shell::kHelpTooltip).member("guide", shell::guide_anchor(shell::guide_heading(desc.id)));
    return out.close('}').text();
}

std::string state() {
    web::WebSession& s = *session();
    JsonOut out;
    out.open('{');
    std::vector<std::string> visible;
    out.key("screens").open('{');
    for (shell::ScreenId id : s.visible()) {
        web::ScreenView& v = s.view(id);
        visible.push_back(shell::screen_name(id));
        out.key(visible.back()).open('{').member("title", v.title);
        out.key("texts").open('{');
        for (const auto& [name, text] : v.texts) out.member(name, text);
        out.close('}').key("shown").open('{');
        for (const auto& [name, shown] : v.shown) out.member(name, shown);
        // The message line's colour, as every host shows it: a warning alone in its own.
        const shell::Colour colour = v.warning ? shell::kWarningColour : shell::kFailureColour;
        const std::string rgb = "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
                                std::to_string(colour.blue) + ")";
        out.close('}').member("message", v.message).member("warning", v.warning).member("colour", rgb);
        out.strings("stale", v.results.stale_results()).member("results", v.results.results_text());
        out.key("pictures").open('{');
        for (const std::string& box : v.new_pictures)
            out.member(box, shell::svg_of(v.pictures.at(box), shell::kTextPixels));
        v.new_pictures.clear();
        out.close('}').close('}');
    }
    out.close('}').strings("visible", visible).member("formulation", props::formulation_name(s.formulation()));
    if (store().dirty) {
        out.key("store").open('{');
        for (const auto& [key, value] : store().values()) out.member(key, value);
        out.close('}');
        store().dirty = false;
    }
    return out.close('}').text();
}

// Runs one action of the user on a screen named by the page; unknown names do nothing.
template <typename Action>
const char* act(const char* screen, Action action) {
    if (session() == nullptr) return give(R"({"error":"not started"})");
    if (const auto id = shell::screen_from_name(screen ? screen : "")) {
        const std::vector<shell::ScreenId> visible = session()->visible();
        if (std::find(visible.begin(), visible.end(), *id) != visible.end()) action(*id);
    }
    return give(state());
}

std::string_view action_name(shell::FieldAction action) {
    switch (action) {
        case shell::FieldAction::Undo:
            return "undo";
        case shell::FieldAction::Cut:
            return "cut";
        case shell::FieldAction::Copy:
            return "copy";
        case shell::FieldAction::Paste:
            return "paste";
        case shell::FieldAction::Delete:
            return "delete";
        case shell::FieldAction::SelectAll:
            return "select_all";
        case shell::FieldAction::CopyAllResults:
            return "copy_all_results";
        case shell::FieldAction::RestoreDefault:
            return "restore_default";
    }
    return "copy";
}

props::Formulation formulation_of(const char* name) {
    return props::parse_formulation(name ? name : "").value_or(props::Formulation::IFC67);
}

}  // namespace

extern "C" {

// Starts the screens with what the browser kept ({"group/key": "text", ...}).
const char* entalix_start(const char* kept) {
    store().load_json(kept ? kept : "");
    delete session();
    session() = new web::WebSession(store());
    session()->start();
    return give(state());
}

// Every screen's name and caption.
const char* entalix_screens() {
    JsonOut out;
    out.open('[');
    for (shell::ScreenId id : shell::all_screens())
        out.open('{')
            .member("name", shell::screen_name(id))
            .member("caption", catalog::screen_desc(id).caption)
            .close('}');
    return give(out.close(']').text());
}

const char* entalix_describe(const char* screen) {
    const auto id = shell::screen_from_name(screen ? screen : "");
    if (!id) return give(R"({"error":"no such screen"})");
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

// A field's right-click menu, as every host shows it. `held` tells what the
// page sees when it opens: "u" undo possible, "s" a selection, "t" some text,
// "c" the clipboard may hold text. An empty list for a field without a menu.
const char* entalix_field_menu(const char* screen, const char* control, const char* held) {
    const auto id = shell::screen_from_name(screen ? screen : "");
    const std::string_view flags = held ? held : "";
    JsonOut out;
    out.open('[');
    const std::vector<shell::ScreenId> visible =
        session() != nullptr ? session()->visible() : std::vector<shell::ScreenId>{};
    if (id && std::find(visible.begin(), visible.end(), *id) != visible.end()) {
        const shell::ControlDesc* c = catalog::screen_desc(*id).find(control ? control : "");
        shell::FieldState state;
        state.can_undo = flags.find('u') != std::string_view::npos;
        state.has_selection = flags.find('s') != std::string_view::npos;
        state.has_text = flags.find('t') != std::string_view::npos;
        state.clipboard_has_text = flags.find('c') != std::string_view::npos;
        state.results_shown = session()->view(*id).results.any();
        if (c != nullptr)
            for (const shell::FieldMenuItem& item : shell::field_menu(*c, state))
                out.open('{')
                    .member("action", action_name(item.action))
                    .member("text", item.text)
                    .member("enabled", item.enabled)
                    .member("separator", item.separator_before)
                    .close('}');
    }
    return give(out.close(']').text());
}

// The page is closing or hidden: the open screens' inputs are kept.
const char* entalix_leave() {
    if (session() != nullptr) session()->leave();
    return give(state());
}

// JSON lines in, one answer a line out, as entalix-calc --batch.
const char* entalix_batch(const char* lines, const char* formulation) {
    return give(web::batch_answers(lines ? lines : "", formulation_of(formulation)));
}

// A CSV table for a function or a screen's event ("pswh_ptstm", or "Form8 Command2_Click"),
// as entalix-calc --csv.
const char* entalix_csv(const char* target, const char* table, const char* formulation) {
    return give(web::csv_answers(target ? target : "", table ? table : "", formulation_of(formulation)));
}

}  // extern "C"
