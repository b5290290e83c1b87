// The Qt host of the screens: one window per screen, created on first use.
#pragma once

#include <map>
#include <memory>

#include "shell/controller.h"
#include "ui/screen_window.h"

namespace entalix::ui {

class QtHost : public shell::ScreenHost {
public:
    explicit QtHost(shell::Catalog catalog);
    ~QtHost() override;

    void create_screen(const shell::ScreenDesc& desc) override;
    void show_screen(shell::ScreenId id) override;
    void hide_screen(shell::ScreenId id) override;
    shell::Fields fields(shell::ScreenId id) const override;
    void apply(shell::ScreenId id, const shell::Outcome& outcome) override;

    shell::Controller& controller() { return controller_; }
    ScreenWindow* window(shell::ScreenId id) const;  // nullptr until created

private:
    shell::Controller controller_;
    std::map<shell::ScreenId, std::unique_ptr<ScreenWindow>> windows_;
    QPoint last_position_;
    bool placed_ = false;
};

}  // namespace entalix::ui
