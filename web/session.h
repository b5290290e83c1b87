// The browser's host of the screens, without the page: what every screen
// shows, the shared host policy (remembered values, stale results, the site's
// atmospheric pressure, the formulation) and the user's clicks and typing.
// The page's script only draws what this holds and reports what the user did.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/controller.h"
#include "shell/remembered.h"
#include "shell/settings_store.h"
#include "shell/shown_results.h"

namespace entalix::web {

// The browser's local storage as the page hands it over: every value under
// "group/key". What changed since the page last saved is told by `dirty`.
class PageStore : public shell::SettingsStore {
public:
    std::optional<std::string> get(std::string_view group, std::string_view key) const override;
    bool set(std::string_view group, std::string_view key, const std::string& value) override;
    void remove(std::string_view group, std::string_view key) override;

    static std::string key_of(std::string_view group, std::string_view key);
    // The values as the page kept them, a JSON object of texts; anything else is left out.
    void load_json(const std::string& kept);
    const std::map<std::string, std::string>& values() const { return values_; }
    bool dirty = false;

private:
    std::map<std::string, std::string> values_;
};

struct ScreenView {
    explicit ScreenView(const shell::ScreenDesc& d) : desc(&d), results(d) {}
    const shell::ScreenDesc* desc;
    std::map<std::string, std::string, std::less<>> texts;  // tick boxes hold "0" or "1"
    std::map<std::string, bool, std::less<>> shown;
    bool visible = false;
    std::string title;
    std::string message;   // the message line
    bool warning = false;  // the message line is a warning alone, in its own colour
    std::map<std::string, shell::Drawing, std::less<>> pictures;  // drawn by presses
    std::set<std::string, std::less<>> new_pictures;              // not yet sent to the page
    shell::ShownResults results;
};

class WebSession final : public shell::ScreenHost {
public:
    explicit WebSession(PageStore& store);

    void start() { controller_.ShowScreen(shell::ScreenId::Form1); }
    // A click on a button or a tick box (which toggles first).
    void click(shell::ScreenId id, const std::string& control);
    // A text box's new text: its Change event runs, an atmospheric pressure
    // goes to every screen.
    void type(shell::ScreenId id, const std::string& control, const std::string& text);
    // One of a combo box's choices; the main menu's sets the formulation.
    void choose(shell::ScreenId id, const std::string& control, const std::string& choice);
    // A drag over a chart: "x0 y0 x1 y1" in the drawing's pixels.
    void drag(shell::ScreenId id, const std::string& box, const std::string& rectangle);
    // Esc or the browser's back: as the frame's close control, which never
    // ends the page.
    void close(shell::ScreenId id);
    // The page is going away: the open screens' inputs are kept.
    void leave();

    std::vector<shell::ScreenId> visible() const;
    ScreenView& view(shell::ScreenId id) { return views_.at(id); }
    props::Formulation formulation() const { return formulation_; }

    void create_screen(const shell::ScreenDesc& desc) override;
    void show_screen(shell::ScreenId id) override;
    void hide_screen(shell::ScreenId id) override;
    shell::Fields fields(shell::ScreenId id) const override;
    void apply(shell::ScreenId id, const shell::Outcome& outcome) override;

private:
    void fire(shell::ScreenId id, const std::string& event);
    void set_text(ScreenView& view, const std::string& control, const std::string& text);
    void set_formulation(props::Formulation formulation);

    shell::Remembered remembered_;
    shell::Controller controller_;
    std::map<shell::ScreenId, ScreenView> views_;
    std::string atmospheric_;
    props::Formulation formulation_;
    std::string pressing_;  // the event being run, while it runs
};

// The command line's batch for the page: JSON lines in, one answer a line out
// (as entalix-calc --batch), or a CSV table for a function or a screen's event
// ("pswh_ptstm", "Form8 Command2_Click") with its results appended (as --csv).
std::string batch_answers(const std::string& lines, props::Formulation formulation);
std::string csv_answers(const std::string& target, const std::string& table, props::Formulation formulation);

}  // namespace entalix::web
