// The store of what Entalix remembers between starts (shell/remembered.h) in
// QSettings, under the keys it has always had: "site/atmospheric",
// "properties/formulation", "window/main_position" (a point) and
// "inputs/Form2/Text1".
#pragma once

#include "shell/settings_store.h"

class QSettings;

namespace entalix::ui {

class QtSettingsStore : public shell::SettingsStore {
public:
    // Without settings nothing outlives the program (the screenshots, the tests).
    explicit QtSettingsStore(QSettings* settings) : settings_(settings) {}

    std::optional<std::string> get(std::string_view group, std::string_view key) const override;
    bool set(std::string_view group, std::string_view key, const std::string& value) override;
    void remove(std::string_view group, std::string_view key) override;

private:
    QSettings* settings_;
};

}  // namespace entalix::ui
