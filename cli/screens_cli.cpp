// Screen events without windows: defaults, given texts, one outcome.
#include "cli/screens_cli.h"

#include <cstdlib>

#include "catalog/catalog.h"
#include "shell/controller.h"
#include "shell/errors.h"

namespace entalix::cli {

using shell::ControlDesc;
using shell::ControlKind;

namespace {

bool same_row(const ControlDesc& a, const ControlDesc& b) {
    return a.parent == b.parent && std::abs((a.rect.top + a.rect.height / 2) - (b.rect.top + b.rect.height / 2)) <= 200;
}

// The nearest label on the same row, to the left (caption) or to the right (unit).
std::string neighbour_label(const shell::ScreenDesc& desc, const ControlDesc& field, bool right) {
    const ControlDesc* best = nullptr;
    int best_gap = 1 << 30;
    for (const ControlDesc& c : desc.controls) {
        if (c.kind != ControlKind::Label || (c.style & (shell::kMessage | shell::kHeading)) || c.text.empty() ||
            !same_row(c, field))
            continue;
        const int gap =
            right ? c.rect.left - (field.rect.left + field.rect.width) : field.rect.left - (c.rect.left + c.rect.width);
        if (gap < -150 || gap > 400 || gap >= best_gap) continue;
        best = &c;
        best_gap = gap;
    }
    return best != nullptr ? best->text : std::string();
}

}  // namespace

std::vector<EventInfo> events() {
    using shell::ScreenId;
    std::vector<EventInfo> out;
    for (ScreenId id : shell::all_screens()) {
        // The menus and the notes screen only navigate.
        if (id == ScreenId::Form1 || id == ScreenId::Form3 || id == ScreenId::Form4 || id == ScreenId::Form10 ||
            id == ScreenId::Form13)
            continue;
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        for (const shell::EventBinding& e : desc.events) {
            const std::string control = e.event.substr(0, e.event.rfind('_'));
            const ControlDesc* c = desc.find(control);
            if (c != nullptr && c->text == "返回") continue;
            out.push_back({id, e.event});
        }
    }
    return out;
}

std::vector<FieldInfo> fields_of(shell::ScreenId screen) {
    const shell::ScreenDesc& desc = catalog::screen_desc(screen);
    std::vector<FieldInfo> out;
    for (const ControlDesc& c : desc.controls) {
        if (c.kind != ControlKind::TextBox && c.kind != ControlKind::CheckBox) continue;
        FieldInfo f{c.name, c.kind == ControlKind::CheckBox ? "0" : c.text, {}, {}, c.kind == ControlKind::CheckBox};
        if (!f.tick_box) {
            f.caption = neighbour_label(desc, c, false);
            f.unit = neighbour_label(desc, c, true);
        }
        out.push_back(std::move(f));
    }
    return out;
}

shell::Outcome run_screen_event(const std::string& screen, const std::string& event,
                                const std::map<std::string, std::string>& given) {
    const auto id = shell::screen_from_name(screen);
    if (!id) throw shell::CalculationError("no screen " + screen);
    const shell::ScreenDesc& desc = catalog::screen_desc(*id);
    shell::Fields fields = desc.default_fields();
    for (const auto& [name, text] : given) {
        const ControlDesc* c = desc.find(name);
        if (c == nullptr) throw shell::CalculationError(screen + " has no field " + name);
        fields.set(name, text);
    }
    auto outcome = shell::run_event(desc, event, fields);
    if (!outcome) throw shell::CalculationError(screen + " has no event " + event);
    return *outcome;
}

}  // namespace entalix::cli
