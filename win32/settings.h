// What Entalix remembers between starts: a small .ini file beside the .exe
// when its folder is writable (a portable copy on a USB stick keeps its
// settings with it), else in %APPDATA%\Entalix.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace entalix::win32 {

class Settings {
public:
    // The settings file of this copy of the program; an empty path keeps the
    // settings in memory only.
    static Settings for_this_program();
    explicit Settings(std::wstring path) : path_(std::move(path)) {}

    // In the program's own section.
    std::optional<std::string> get(const char* key) const { return get(kProgramSection, key); }
    bool set(const char* key, const std::string& value) { return set(kProgramSection, key, value); }

    // In a section of its own ("inputs Form2"). A value is one line of at most
    // 200 characters, kept exactly as typed (blanks, quotes and Chinese included);
    // set refuses anything else and returns false.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    bool set(std::string_view section, std::string_view key, const std::string& value);
    void remove(std::string_view section, std::string_view key);

    const std::wstring& path() const { return path_; }

private:
    static constexpr std::string_view kProgramSection = "entalix";
    std::wstring path_;
};

// The folder entalix.exe stands in, with its final backslash; empty if unknown.
std::wstring folder_of_program();

// The keys.
inline constexpr const char* kAtmosphericPressure = "atmospheric_pressure";  // MPa, as typed
inline constexpr const char* kFormulation = "formulation";
inline constexpr const char* kMainLeft = "main_left";  // the main menu's frame, screen pixels
inline constexpr const char* kMainTop = "main_top";
// The section of a screen's last inputs, one key per field.
std::string inputs_section(std::string_view screen_name);

}  // namespace entalix::win32
