// Navigation between screens and the running of events, over an abstract host
// (the Qt windows, or an in-memory model for tests and the command line).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "shell/screen.h"

namespace entalix::shell {

// What a host of screens must offer.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    virtual void create_screen(const ScreenDesc& desc) = 0;  // with its default texts
    virtual void show_screen(ScreenId id) = 0;               // modeless, activated
    virtual void hide_screen(ScreenId id) = 0;
    virtual Fields fields(ScreenId id) const = 0;  // current texts and ticks
    // Writes texts, visibility and the message line of one screen.
    virtual void apply(ScreenId id, const Outcome& outcome) = 0;
};

// What the message line shows after a press: the failure or the note, else
// the warning, else nothing.
std::string message_line(const Outcome& outcome);

// Runs an event's handler in the formulation of the fields and turns every
// foreseen failure into an outcome that writes nothing but the message line.
// A Compute event that wrote a result computed with water and steam
// properties names their formulation in Outcome::formulation.
// An event the screen does not bind gives nullopt.
std::optional<Outcome> run_event(const ScreenDesc& desc, std::string_view event, const Fields& fields);

// The target's part of a navigation's outcome (Outcome::target_press), run
// on the target's texts as run_event runs a press; nullopt without one.
std::optional<Outcome> run_target_press(const Outcome& outcome, const Fields& target);

class Controller {
public:
    Controller(ScreenHost& host, Catalog catalog) : host_(host), catalog_(std::move(catalog)) {}

    // Creates the target on first use, shows it, then hides every other
    // screen, and runs the target's show event if it has one.
    void ShowScreen(ScreenId target);

    // Runs one event of a screen and applies its outcome, navigation included.
    void fire(ScreenId id, std::string_view event);

    // The frame's close control: false when it ends the application.
    bool close(ScreenId id);

    bool exists(ScreenId id) const { return created_[index(id)]; }
    bool is_visible(ScreenId id) const { return visible_[index(id)]; }
    const ScreenDesc& desc(ScreenId id) const { return catalog_(id); }

private:
    // ShowScreen, with the texts a press writes on the target before its show event.
    void show(ScreenId target, const std::vector<std::pair<std::string, std::string>>& texts);
    static std::size_t index(ScreenId id) { return static_cast<std::size_t>(id); }

    ScreenHost& host_;
    Catalog catalog_;
    std::array<bool, kScreenCount + 1> created_{};
    std::array<bool, kScreenCount + 1> visible_{};
};

}  // namespace entalix::shell
