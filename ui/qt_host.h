// The Qt host of the screens: one window per screen, created on first use.
#pragma once

#include <map>
#include <memory>

#include "shell/controller.h"
#include "shell/remembered.h"
#include "ui/screen_window.h"
#include "ui/settings_store.h"

class QScreen;
class QSettings;

namespace entalix::ui {

class GuideWindow;

class QtHost : public shell::ScreenHost {
public:
    // `settings` keeps the site's atmospheric pressure, each screen's last inputs
    // and the main menu's place from one start to the next; without it they last
    // as long as the host.
    explicit QtHost(shell::Catalog catalog, QSettings* settings = nullptr);
    ~QtHost() override;

    void create_screen(const shell::ScreenDesc& desc) override;
    void show_screen(shell::ScreenId id) override;
    void hide_screen(shell::ScreenId id) override;
    shell::Fields fields(shell::ScreenId id) const override;
    void apply(shell::ScreenId id, const shell::Outcome& outcome) override;

    shell::Controller& controller() { return controller_; }
    ScreenWindow* window(shell::ScreenId id) const;  // nullptr until created

    // The user guide, opened by F1 and by the "?" of every screen at the
    // section of the screen (shell/guide_sections.h).
    void show_guide(std::optional<shell::ScreenId> from = std::nullopt);
    GuideWindow* guide() const { return guide_.get(); }

    // The main menu's choice: every later press computes with it, and it is
    // remembered for the next start.
    void set_formulation(props::Formulation formulation);
    props::Formulation formulation() const { return formulation_; }

private:
    void share_atmospheric(const QString& text);
    void remember(const ScreenWindow& window);
    void place(ScreenWindow& window);
    std::optional<QPoint> remembered_main_position() const;
    QString formulation_text() const;

    shell::Controller controller_;
    QtSettingsStore store_;
    shell::Remembered remembered_{store_};
    QString atmospheric_;  // the site's, in every screen's atmospheric-pressure field
    props::Formulation formulation_ = props::Formulation::IFC67;
    std::map<shell::ScreenId, std::unique_ptr<ScreenWindow>> windows_;
    std::unique_ptr<GuideWindow> guide_;
    std::optional<QPoint> last_position_;        // where the last screen stood when it hid
    std::map<shell::ScreenId, QPoint> left_at_;  // where each screen stood when it hid
    // What the window frame adds to a window's size, known once a framed window
    // has shown; a title bar and thin borders until then.
    QSize frame_extra_{8, 32};
};

}  // namespace entalix::ui
