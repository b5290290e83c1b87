// ShowScreen and the one failure mechanism of every press.
#include "shell/controller.h"

#include "base/property_error.h"
#include "props/water_steam.h"
#include "shell/errors.h"
#include "shell/reading.h"

namespace entalix::shell {

std::string message_line(const Outcome& outcome) { return outcome.message.empty() ? outcome.warning : outcome.message; }

namespace {

// One press's handler in the formulation of the fields; every foreseen failure
// becomes an outcome that writes nothing but the message line.
template <typename Handler>
Outcome run_handler(const Handler& handler, bool compute, const Fields& fields) {
    Outcome failed;
    failed.failed = true;
    // One water and steam per press, of the formulation the fields carry.
    const props::WaterSteamFor water(fields.formulation());
    try {
        // A warning travels with the outcome it belongs to.
        Outcome outcome = handler(fields, *water);
        if (compute && !outcome.texts.empty() && water->used())
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

}  // namespace

std::optional<Outcome> run_event(const ScreenDesc& desc, std::string_view event, const Fields& fields) {
    const EventBinding* binding = desc.find_event(event);
    if (binding == nullptr) return std::nullopt;
    Outcome outcome = run_handler(binding->handler, binding->kind == EventKind::Compute, fields);
    // A result computed from an efficiency that looks like a fraction is shown,
    // and the press asks whether a percentage was meant.
    if (binding->kind == EventKind::Compute && !outcome.failed && !outcome.texts.empty()) {
        const std::string question = percent_question(desc, binding->reads, fields);
        if (!question.empty()) outcome.warning += (outcome.warning.empty() ? "" : "；") + question;
    }
    return outcome;
}

std::optional<Outcome> run_target_press(const Outcome& outcome, const Fields& target) {
    if (!outcome.navigate || !outcome.target_press) return std::nullopt;
    return run_handler(outcome.target_press, true, target);
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
    std::optional<Outcome> outcome = run_event(catalog_(id), event, host_.fields(id));
    if (!outcome) return;
    std::optional<Outcome> on_target;
    if (outcome->navigate && outcome->target_press) {
        const ScreenId target = *outcome->navigate;
        if (!created_[index(target)]) {
            host_.create_screen(catalog_(target));
            created_[index(target)] = true;
        }
        on_target = run_target_press(*outcome, host_.fields(target));
        if (on_target->failed) {
            // The press stays on this screen, which says why.
            Outcome failed;
            failed.failed = true;
            failed.message = on_target->message;
            outcome = failed;
            on_target.reset();
        }
    }
    host_.apply(id, *outcome);
    if (outcome->navigate) {
        show(*outcome->navigate, outcome->target_texts);
        if (on_target) host_.apply(*outcome->navigate, *on_target);
    }
}

bool Controller::close(ScreenId id) {
    const std::string& event = catalog_(id).close_event;
    if (event.empty()) return false;
    fire(id, event);
    return true;
}

}  // namespace entalix::shell
