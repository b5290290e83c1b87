// The whole application as plain data, without windows: the host behind the
// tests of navigation and screens, and behind the command line.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "shell/controller.h"
#include "shell/shown_results.h"

namespace entalix::shell {

struct ScreenModel {
    explicit ScreenModel(const ScreenDesc& screen) : desc(&screen), shown_results(screen) {}

    const ScreenDesc* desc = nullptr;
    std::map<std::string, std::string, std::less<>> texts;  // tick boxes hold "0" or "1"
    std::map<std::string, bool, std::less<>> shown;         // control visibility
    bool window_visible = false;
    std::string formulation;  // of the last result written, as Outcome::formulation names it
    std::map<std::string, Drawing, std::less<>> pictures;  // the drawings presses put in picture boxes
    ShownResults shown_results;                            // which results are stale, what a copy carries, the title
};

class MemoryHost : public ScreenHost {
public:
    void create_screen(const ScreenDesc& desc) override;
    void show_screen(ScreenId id) override;
    void hide_screen(ScreenId id) override;
    Fields fields(ScreenId id) const override;  // with the chosen formulation
    void apply(ScreenId id, const Outcome& outcome) override;

    // The formulation every press computes with, as the main menu's switch sets it.
    void set_formulation(props::Formulation formulation);
    // The event a person's action runs on a screen, while it runs: its outcome
    // counts as that screen's press.
    void set_pressing(std::optional<ScreenId> id, std::string event);
    props::Formulation formulation() const { return formulation_; }

    const ScreenModel& model(ScreenId id) const;  // throws std::out_of_range if not created
    ScreenModel& model(ScreenId id);
    bool created(ScreenId id) const { return screens_.count(id) != 0; }

private:
    std::map<ScreenId, ScreenModel> screens_;
    props::Formulation formulation_ = props::Formulation::IFC67;
    std::optional<ScreenId> pressing_screen_;
    std::string pressing_event_;
};

// A user at the keyboard: starts the application, clicks, types, closes.
class MemoryApp {
public:
    explicit MemoryApp(Catalog catalog);

    void start() { controller_.ShowScreen(ScreenId::Form1); }
    // A click on a button or a tick box (which toggles first); hidden controls take no clicks.
    void click(ScreenId id, std::string_view control);
    // Replaces a text box's text and runs its Change event.
    void type(ScreenId id, std::string_view control, std::string text);
    // Enter in a field: presses the buttons shell/shown_results.h names for it.
    void enter(ScreenId id, std::string_view field);
    // Ctrl+Shift+C: every calculation shown, with its inputs.
    std::string copy_all(ScreenId id) const { return host_.model(id).shown_results.results_text(); }
    bool stale(ScreenId id, std::string_view result) const { return host_.model(id).shown_results.stale(result); }
    std::string title(ScreenId id) const { return host_.model(id).shown_results.title(); }
    // The frame's close control; false when the application ends.
    bool close(ScreenId id) { return controller_.close(id); }
    // The user's choice of formulation for the presses that follow.
    void set_formulation(props::Formulation formulation) { host_.set_formulation(formulation); }
    // Picks one of a combo box's choices, then runs its Click event; the main
    // menu's sets the formulation. Hidden windows and texts that are not a
    // choice take nothing.
    void choose(ScreenId id, std::string_view control, std::string_view choice);

    std::vector<ScreenId> visible_screens() const;
    const std::string& text(ScreenId id, std::string_view control) const;
    bool shown(ScreenId id, std::string_view control) const;
    const MemoryHost& host() const { return host_; }
    MemoryHost& host() { return host_; }
    Controller& controller() { return controller_; }

private:
    void fire(ScreenId id, const std::string& event);

    MemoryHost host_;
    Controller controller_;
};

}  // namespace entalix::shell
