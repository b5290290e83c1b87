// What Entalix remembers between starts: a small .ini file beside the .exe
// when its folder is writable (a portable copy on a USB stick keeps its
// settings with it), else in %APPDATA%\Entalix.
#pragma once

#include <optional>
#include <string>

namespace entalix::win32 {

class Settings {
public:
    // The settings file of this copy of the program; an empty path keeps the
    // settings in memory only.
    static Settings for_this_program();
    explicit Settings(std::wstring path) : path_(std::move(path)) {}

    std::optional<std::string> get(const char* key) const;
    void set(const char* key, const std::string& value);
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};

// The folder entalix.exe stands in, with its final backslash; empty if unknown.
std::wstring folder_of_program();

// The keys.
inline constexpr const char* kAtmosphericPressure = "atmospheric_pressure";  // MPa, as typed
inline constexpr const char* kFormulation = "formulation";

}  // namespace entalix::win32
