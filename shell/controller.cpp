// ShowScreen and the one failure mechanism of every press.
#include "shell/controller.h"

#include "base/property_error.h"
#include "props/water_steam.h"
#include "shell/errors.h"

namespace entalix::shell {

std::string message_line(const Outcome& outcome) { return outcome.message.empty() ? outcome.warning : outcome.message; }

std::optional<Outcome> run_event(const ScreenDesc& desc, std::string_view event, const Fields& fields) {
    const EventBinding* binding = desc.find_event(event);
    if (binding == nullptr) return std::nullopt;
    Outcome failed;
    failed.failed = true;
    // One water and steam per press, of the formulation the fields carry.
    const props::WaterSteamFor water(fields.formulation());
    try {
        // A warning travels with the outcome it belongs to.
        Outcome outcome = binding->handler(fields, *water);
        if (binding->kind == EventKind::Compute && !outcome.texts.empty() && water->used())
            outcome.formulation = std::string(props::formulation_name(fields.formulation()));
        return outcome;
    } catch (const CalculationError&) {
        failed.message = current_failure_message();
    } catch (const props::PropertyError&) {
        failed.message = current_failure_message();
    }
    // Anything else is a fault of the program and goes on to the host.
    return failed;
}

void Controller::ShowScreen(ScreenId target) { show(target, {}); }

void Controller::show(ScreenId target, const std::vector<std::pair<std::string, std::string>>& texts) {
    if (!created_[index(target)]) {
        host_.create_screen(catalog_(target));
        created_[index(target)] = true;
    }
    host_.show_screen(target);
    visible_[index(target)] = true;
    for (ScreenId other : all_screens()) {
        if (other == target || !visible_[index(other)]) continue;
        host_.hide_screen(other);
        visible_[index(other)] = false;
    }
    if (!texts.empty()) {
        Outcome written;
        written.texts = texts;
        host_.apply(target, written);
    }
    if (const std::string& event = catalog_(target).show_event; !event.empty()) fire(target, event);
}

void Controller::fire(ScreenId id, std::string_view event) {
    const std::optional<Outcome> outcome = run_event(catalog_(id), event, host_.fields(id));
    if (!outcome) return;
    host_.apply(id, *outcome);
    if (outcome->navigate) show(*outcome->navigate, outcome->target_texts);
}

bool Controller::close(ScreenId id) {
    const std::string& event = catalog_(id).close_event;
    if (event.empty()) return false;
    fire(id, event);
    return true;
}

}  // namespace entalix::shell
