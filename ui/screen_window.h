// One top-level window built from a screen description.
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <string>

#include "shell/screen.h"

class QLabel;

namespace entalix::ui {

// Twips to logical pixels: 1440 twips to the inch at 96 pixels to the inch.
// Qt scales logical pixels with the screen's device pixel ratio.
int px(int twips);

class ScreenWindow : public QWidget {
public:
    using EventSink = std::function<void(shell::ScreenId, const std::string& event)>;
    using CloseSink = std::function<bool(shell::ScreenId)>;

    ScreenWindow(const shell::ScreenDesc& desc, EventSink on_event, CloseSink on_close);

    shell::ScreenId id() const { return desc_.id; }
    shell::Fields fields() const;
    void apply(const shell::Outcome& outcome);
    QWidget* control(const std::string& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* build(const shell::ControlDesc& c, QWidget* parent);

    const shell::ScreenDesc& desc_;
    EventSink on_event_;
    CloseSink on_close_;
    std::map<std::string, QWidget*, std::less<>> controls_;
};

// The fonts of the screens: a Song-style face for Simplified Chinese first.
void install_application_font();

}  // namespace entalix::ui
