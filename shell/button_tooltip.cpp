// Button tooltips from the events the buttons run.
#include "shell/button_tooltip.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

#include "props/water_steam.h"

namespace entalix::shell {

namespace {

// The screen a navigation leads to, asked of its event with the screen's own
// texts; a navigation only chooses a screen, so this computes nothing.
std::optional<ScreenId> target_of(const ScreenDesc& desc, const EventBinding& event) {
    try {
        const std::unique_ptr<props::WaterSteam> water = props::make_water_steam(props::Formulation::IFC67);
        return event.handler(desc.default_fields(), *water).navigate;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string quoted(const std::string& caption) { return "“" + caption + "”"; }

// A button named for the screen it opens ("全部物性", "焓熵图"), whose event
// carries what this screen shows there and so leads nowhere before a press.
std::optional<ScreenId> screen_named(const std::string& caption, const Catalog& catalog) {
    for (ScreenId id : all_screens())
        if (catalog(id).caption == caption) return id;
    return std::nullopt;
}

}  // namespace

std::string button_tooltip(const ScreenDesc& desc, const ControlDesc& button, const Catalog& catalog) {
    if (button.kind != ControlKind::Button) return {};
    const EventBinding* event = desc.find_event(button.name + "_Click");
    if (event == nullptr) return {};
    if (event->kind == EventKind::Navigate) {
        std::optional<ScreenId> target = target_of(desc, *event);
        if (!target) target = screen_named(button.text, catalog);
        if (!target) return {};
        const std::string caption = quoted(catalog(*target).caption);
        if (desc.back_button() == &button) return "返回" + caption + "（Esc）";
        return "打开" + caption;
    }
    if (event->kind != EventKind::Compute) return {};
    // The quantities it writes, each once, in the screen's order.
    std::vector<std::string> names;
    for (const std::string& written : event->writes) {
        const ControlDesc* field = desc.find(written);
        // A result, or a field both typed and written (the saturation screen's arrows).
        const bool shown =
            field != nullptr && (field->meaning.role == Role::Result || field->meaning.role == Role::Input);
        if (!shown || field->meaning.quantity.empty()) continue;
        if (std::find(names.begin(), names.end(), field->meaning.quantity) == names.end())
            names.push_back(field->meaning.quantity);
    }
    if (names.empty()) {
        if (const std::optional<ScreenId> shown = screen_named(button.text, catalog))
            return "按本画面的输入画出" + quoted(catalog(*shown).caption);
        return "按输入计算";
    }
    constexpr std::size_t kNamed = 4;
    std::string text = "计算：";
    for (std::size_t i = 0; i < names.size() && i < kNamed; ++i) text += (i == 0 ? "" : "、") + names[i];
    if (names.size() > kNamed) text += "等";
    return text;
}

}  // namespace entalix::shell
