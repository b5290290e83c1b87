// Running any screen's event from the command line with its field texts.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "shell/screen.h"

namespace entalix::cli {

struct FieldInfo {
    std::string name;
    std::string default_text;
    std::string caption;  // the label to its left, if any
    std::string unit;     // the label to its right, if any
    bool tick_box = false;
};

struct EventInfo {
    shell::ScreenId screen;
    std::string event;
};

// The events that compute or react to typing (navigation is left out).
std::vector<EventInfo> events();
// The fields a screen's events read: text boxes and tick boxes.
std::vector<FieldInfo> fields_of(shell::ScreenId screen);

// Runs one event with the given field texts over the screen's defaults.
// Throws CalculationError for an unknown screen, event or field.
shell::Outcome run_screen_event(const std::string& screen, const std::string& event,
                                const std::map<std::string, std::string>& given);

}  // namespace entalix::cli
