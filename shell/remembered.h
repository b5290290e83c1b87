// What Entalix keeps from one start to the next, the same in every window
// host: the site's atmospheric pressure typed last, the formulation chosen on
// the main menu, each screen's last inputs and the steam calculators' ticks,
// where the main menu stood and the size each window was left with. A value read back that cannot be right (not
// a number, a formulation this version does not know, a place no desktop
// reaches) is ignored, and the screens' defaults stand.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/placement.h"
#include "shell/screen.h"
#include "shell/settings_store.h"

namespace entalix::shell {

class Remembered {
public:
    explicit Remembered(SettingsStore& store) : store_(store) {}

    // The atmospheric pressure as typed last, when it is a number.
    std::optional<std::string> atmospheric() const;
    // Typed on any screen: kept once it is a number; an emptied or half-typed
    // field leaves the value kept before.
    void atmospheric_typed(const std::string& text);

    std::optional<props::Formulation> formulation() const;
    void set_formulation(props::Formulation formulation);

    // Where the main menu stood when the program last left it.
    std::optional<WindowPlace> main_place() const;

    // The client area a screen's window was left with, in pixels at 96 dpi.
    std::optional<WindowSize> window_size(ScreenId id) const;

    // What a screen made anew takes back: the texts of its inputs, field by
    // field, and the tick boxes that were ticked, top row first, which the host
    // ticks as a person's clicks would so that the rows they show come back.
    std::vector<std::pair<std::string, std::string>> inputs(const ScreenDesc& desc) const;
    std::vector<std::string> ticks(const ScreenDesc& desc) const;

    // A screen is left (hidden, or open when the program ends): its inputs and
    // ticks as they stand, its client area's size, and for the main menu where
    // its frame stands. An input the store cannot keep (a pasted page) is
    // forgotten rather than brought back older.
    void screen_left(const ScreenDesc& desc, const Fields& fields, std::optional<WindowPlace> frame,
                     std::optional<WindowSize> size = std::nullopt);

private:
    SettingsStore& store_;
};

// The fields whose texts are kept: the numbers a person types, and the tick boxes.
bool is_kept_input(const ControlDesc& control);
bool is_kept_tick(const ControlDesc& control);

// "inputs Form2".
std::string inputs_group(ScreenId id);
// "window Form2": the size of the screen's window.
std::string window_group(ScreenId id);

}  // namespace entalix::shell
