// The keys of the store, and the checks on what is read back from it.
#include "shell/remembered.h"

#include <charconv>

#include "shell/numbers.h"

namespace entalix::shell {

namespace {

// A strict integer within reach of any desktop; a file edited by hand may hold anything.
std::optional<int> coordinate(const std::optional<std::string>& text) {
    if (!text || text->empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
    constexpr int kFarthest = 100000;
    if (value < -kFarthest || value > kFarthest) return std::nullopt;
    return value;
}

}  // namespace

bool is_kept_input(const ControlDesc& c) { return c.kind == ControlKind::TextBox && c.meaning.role == Role::Input; }

bool is_kept_tick(const ControlDesc& c) { return c.kind == ControlKind::CheckBox && c.meaning.role == Role::TickBox; }

std::string inputs_group(ScreenId id) { return std::string(kInputsGroupPrefix) + screen_name(id); }

std::string window_group(ScreenId id) { return std::string(kWindowGroupPrefix) + screen_name(id); }

std::optional<WindowSize> Remembered::window_size(ScreenId id) const {
    const std::string group = window_group(id);
    const std::optional<int> width = coordinate(store_.get(group, kWidthKey));
    const std::optional<int> height = coordinate(store_.get(group, kHeightKey));
    if (!width || !height || *width <= 0 || *height <= 0) return std::nullopt;
    return WindowSize{*width, *height};
}

std::optional<std::string> Remembered::atmospheric() const {
    std::optional<std::string> kept = store_.get(kProgramGroup, kAtmosphericKey);
    if (!kept || !is_keepable_number(*kept)) return std::nullopt;
    return kept;
}

void Remembered::atmospheric_typed(const std::string& text) {
    if (is_keepable_number(text)) store_.set(kProgramGroup, kAtmosphericKey, text);
}

std::optional<props::Formulation> Remembered::formulation() const {
    const std::optional<std::string> kept = store_.get(kProgramGroup, kFormulationKey);
    return kept ? props::parse_formulation(*kept) : std::nullopt;
}

void Remembered::set_formulation(props::Formulation formulation) {
    store_.set(kProgramGroup, kFormulationKey, std::string(props::formulation_name(formulation)));
}

std::optional<WindowPlace> Remembered::main_place() const {
    const std::optional<int> left = coordinate(store_.get(kProgramGroup, kMainLeftKey));
    const std::optional<int> top = coordinate(store_.get(kProgramGroup, kMainTopKey));
    if (!left || !top) return std::nullopt;
    return WindowPlace{*left, *top};
}

std::vector<std::pair<std::string, std::string>> Remembered::inputs(const ScreenDesc& desc) const {
    std::vector<std::pair<std::string, std::string>> out;
    const std::string group = inputs_group(desc.id);
    for (const ControlDesc& c : desc.controls)
        if (is_kept_input(c))
            if (std::optional<std::string> kept = store_.get(group, c.name)) out.emplace_back(c.name, std::move(*kept));
    return out;
}

std::vector<std::string> Remembered::ticks(const ScreenDesc& desc) const {
    std::vector<std::string> out;
    const std::string group = inputs_group(desc.id);
    for (const ControlDesc& c : desc.controls)
        if (is_kept_tick(c) && store_.get(group, c.name) == std::optional<std::string>("1")) out.push_back(c.name);
    return out;
}

void Remembered::screen_left(const ScreenDesc& desc, const Fields& fields, std::optional<WindowPlace> frame,
                             std::optional<WindowSize> size) {
    const std::string group = inputs_group(desc.id);
    for (const ControlDesc& c : desc.controls) {
        const auto it = fields.all().find(c.name);
        if (it == fields.all().end()) continue;
        if (is_kept_tick(c)) store_.set(group, c.name, it->second);
        if (is_kept_input(c) && !store_.set(group, c.name, it->second)) store_.remove(group, c.name);
    }
    if (size && size->width > 0 && size->height > 0) {
        store_.set(window_group(desc.id), kWidthKey, std::to_string(size->width));
        store_.set(window_group(desc.id), kHeightKey, std::to_string(size->height));
    }
    // The main menu: the next start opens where it stood.
    if (desc.close_event.empty() && frame) {
        store_.set(kProgramGroup, kMainLeftKey, std::to_string(frame->left));
        store_.set(kProgramGroup, kMainTopKey, std::to_string(frame->top));
    }
}

}  // namespace entalix::shell
