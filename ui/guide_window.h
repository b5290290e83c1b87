// The user guide inside the program: docs/使用说明.md with its pictures, built
// into the program, under a line with the version and the formulation in use.
#pragma once

#include <QTextBrowser>

#include "shell/screen.h"

namespace entalix::ui {

class GuideWindow : public QTextBrowser {
public:
    explicit GuideWindow(const QString& formulation);

    // The main menu's choice changed: the line under the title follows it.
    void set_formulation(const QString& formulation);
    // Scrolls to the section that describes the screen.
    void show_section(shell::ScreenId id);

    QVariant loadResource(int type, const QUrl& name) override;
};

// The guide's Markdown with the line "版本 … · 水和水蒸汽性质：…" under its title.
QString guide_markdown(const QString& formulation);

}  // namespace entalix::ui
