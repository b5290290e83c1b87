// Where a window host keeps what outlives the program: a small store of short
// texts under a group and a key. Each host puts it in its own file (QSettings,
// an .ini file beside the program, a browser's local storage) and in that
// file's own layout; what is kept and when is decided in shell/remembered.h.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace entalix::shell {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::optional<std::string> get(std::string_view group, std::string_view key) const = 0;
    // False when the store cannot keep the value as it is (a file that takes
    // only short lines); what was stored before then stays.
    virtual bool set(std::string_view group, std::string_view key, const std::string& value) = 0;
    virtual void remove(std::string_view group, std::string_view key) = 0;
};

// The groups and keys asked for. The program's own values:
inline constexpr std::string_view kProgramGroup = "entalix";
inline constexpr std::string_view kAtmosphericKey = "atmospheric_pressure";  // MPa, as typed
inline constexpr std::string_view kFormulationKey = "formulation";           // "IFC-67", "IAPWS-IF97"
inline constexpr std::string_view kMainLeftKey = "main_left";                // the main menu's frame, screen pixels
inline constexpr std::string_view kMainTopKey = "main_top";
// Each screen's last inputs and ticks stand in a group of their own, "inputs
// Form2", under the names of their fields.
inline constexpr std::string_view kInputsGroupPrefix = "inputs ";
// The size of each screen's window, client area in pixels at 96 dpi, in a group
// "window Form2".
inline constexpr std::string_view kWindowGroupPrefix = "window ";
inline constexpr std::string_view kWidthKey = "width";
inline constexpr std::string_view kHeightKey = "height";

// A store that lasts as long as the program: for a host started without a
// file (the screenshots, the tests).
class MemoryStore : public SettingsStore {
public:
    std::optional<std::string> get(std::string_view group, std::string_view key) const override {
        const auto it = values_.find({std::string(group), std::string(key)});
        return it == values_.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool set(std::string_view group, std::string_view key, const std::string& value) override {
        values_[{std::string(group), std::string(key)}] = value;
        return true;
    }
    void remove(std::string_view group, std::string_view key) override {
        values_.erase({std::string(group), std::string(key)});
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace entalix::shell
