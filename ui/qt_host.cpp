// Windows for the screens; events go through the shared controller.
#include "ui/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "shell/errors.h"

namespace entalix::ui {

QtHost::QtHost(shell::Catalog catalog) : controller_(*this, std::move(catalog)) {}

QtHost::~QtHost() = default;

void QtHost::create_screen(const shell::ScreenDesc& desc) {
    auto on_event = [this](shell::ScreenId id, const std::string& event) {
        try {
            controller_.fire(id, event);
        } catch (const std::exception&) {
            // A fault of the program itself: the press writes nothing and the screen stays usable.
            shell::Outcome outcome;
            outcome.message = shell::kMsgInternalError;
            apply(id, outcome);
        }
    };
    auto on_close = [this](shell::ScreenId id) {
        if (controller_.close(id)) return true;
        QApplication::quit();
        return false;
    };
    windows_[desc.id] = std::make_unique<ScreenWindow>(desc, on_event, on_close);
}

void QtHost::show_screen(shell::ScreenId id) {
    ScreenWindow* w = windows_.at(id).get();
    // Each screen opens where the one it replaces stood, so the program stays in one place.
    if (!placed_) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            last_position_ = area.center() - QPoint(w->width() / 2, w->height() / 2);
        }
        placed_ = true;
    }
    for (const auto& [other, window] : windows_)
        if (other != id && window->isVisible()) last_position_ = window->pos();
    if (!w->isVisible()) w->move(last_position_);
    w->show();
    w->raise();
    w->activateWindow();
}

void QtHost::hide_screen(shell::ScreenId id) { windows_.at(id)->hide(); }

shell::Fields QtHost::fields(shell::ScreenId id) const { return windows_.at(id)->fields(); }

void QtHost::apply(shell::ScreenId id, const shell::Outcome& outcome) { windows_.at(id)->apply(outcome); }

ScreenWindow* QtHost::window(shell::ScreenId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.get();
}

}  // namespace entalix::ui
