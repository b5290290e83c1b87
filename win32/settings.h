// The store of what Entalix remembers between starts (shell/remembered.h): a
// small .ini file beside the .exe when its folder is writable (a portable copy
// on a USB stick keeps its settings with it), else in %APPDATA%\Entalix. A
// group is a section of the file: [entalix] for the program's own values,
// [inputs Form2] for a screen's last inputs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/settings_store.h"

namespace entalix::win32 {

class Settings : public shell::SettingsStore {
public:
    // The settings file of this copy of the program; an empty path keeps the
    // settings in memory only.
    static Settings for_this_program();
    explicit Settings(std::wstring path) : path_(std::move(path)) {}

    // A value is one line of at most 200 characters, kept exactly as typed
    // (blanks, quotes and Chinese included); set refuses anything else and
    // returns false.
    std::optional<std::string> get(std::string_view section, std::string_view key) const override;
    bool set(std::string_view section, std::string_view key, const std::string& value) override;
    void remove(std::string_view section, std::string_view key) override;

    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};

// The folder entalix.exe stands in, with its final backslash; empty if unknown.
std::wstring folder_of_program();

}  // namespace entalix::win32
