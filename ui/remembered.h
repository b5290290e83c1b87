// What Entalix keeps from one start to the next: the site's atmospheric
// pressure, each screen's last inputs, and where the main menu stood.
#pragma once

#include <QPoint>
#include <QString>

#include <map>
#include <optional>
#include <string>

#include "shell/screen.h"

class QSettings;

namespace entalix::ui {

class Remembered {
public:
    // Without settings nothing outlives the program (the screenshots, the tests).
    explicit Remembered(QSettings* settings) : settings_(settings) {}

    std::optional<QString> atmospheric() const;
    void set_atmospheric(const QString& text);

    // Field name -> text, for the typed fields of one screen.
    std::map<std::string, QString> inputs(shell::ScreenId id) const;
    void set_inputs(shell::ScreenId id, const std::map<std::string, QString>& texts);

    // The formulation chosen on the main menu, as formulation_name() writes it.
    std::optional<props::Formulation> formulation() const;
    void set_formulation(props::Formulation formulation);

    std::optional<QPoint> main_position() const;
    void set_main_position(const QPoint& position);

private:
    QSettings* settings_;
};

}  // namespace entalix::ui
