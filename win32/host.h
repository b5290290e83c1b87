// The Win32 host of the screens: one window per screen, created on first use,
// one visible at a time, every event through the shared controller.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/controller.h"
#include "shell/remembered.h"
#include "win32/screen_window.h"
#include "win32/settings.h"

namespace entalix::win32 {

class Win32Host : public shell::ScreenHost {
public:
    Win32Host(shell::Catalog catalog, Settings settings);
    ~Win32Host() override;

    void create_screen(const shell::ScreenDesc& desc) override;
    void show_screen(shell::ScreenId id) override;
    void hide_screen(shell::ScreenId id) override;
    shell::Fields fields(shell::ScreenId id) const override;
    void apply(shell::ScreenId id, const shell::Outcome& outcome) override;

    shell::Controller& controller() { return controller_; }
    ScreenWindow* window(shell::ScreenId id) const;  // nullptr until created
    HWND active_window() const;                      // the visible screen's window
    std::optional<shell::ScreenId> visible_screen() const;

    // What the windows report.
    void on_event(shell::ScreenId id, const std::string& event);
    void on_close(shell::ScreenId id);  // the frame's close control, or Esc
    void on_atmospheric_typed(shell::ScreenId id, const std::string& text);
    // Each screen's inputs are remembered when it is left and when the program
    // ends (also when Windows ends the session with a screen open).
    void remember_all();
    // A person picked a choice in a combo box; the main menu's sets the formulation.
    void on_chosen(const shell::ControlDesc& control, const std::string& text);

    // The main menu's choice: every later press computes with it, and it is
    // remembered for the next start.
    void set_formulation(props::Formulation formulation);
    props::Formulation formulation() const { return formulation_; }

    // F1: the user guide, user-guide.html beside the program, in the browser,
    // at the section of the screen shown; where it is missing a message says so.
    void show_guide();
    // How the guide is opened: its path, the anchor of the section, and whether
    // the file is there. The self-test records instead of starting a browser.
    using GuideOpener = std::function<void(const std::wstring& path, const std::wstring& anchor, bool present)>;
    void set_guide_opener(GuideOpener opener) { guide_opener_ = std::move(opener); }
    // Ctrl+Shift+C: the visible screen's results with their inputs on the clipboard.
    bool copy_results();
    // Ctrl+Q: on the main menu it ends the program; elsewhere it does nothing (false).
    bool quit_from_main_menu();

    // The outcomes applied since the last call, screen by screen (the self-test reads them).
    std::vector<std::pair<shell::ScreenId, shell::Outcome>> take_applied();
    // The site's atmospheric pressure as typed last, or as remembered; nullopt
    // while the screens' default stands.
    const std::optional<std::string>& atmospheric_pressure() const { return atmospheric_; }

private:
    void remember(shell::ScreenId id);
    std::optional<POINT> remembered_main_position() const;

    shell::Controller controller_;
    Settings settings_;
    shell::Remembered remembered_;
    std::map<shell::ScreenId, std::unique_ptr<ScreenWindow>> windows_;
    std::vector<std::pair<shell::ScreenId, shell::Outcome>> applied_;
    std::optional<std::string> atmospheric_;
    props::Formulation formulation_ = props::Formulation::IFC67;
    std::optional<POINT> last_position_;
    std::map<shell::ScreenId, POINT> left_at_;  // where each screen stood when it hid
    GuideOpener guide_opener_;
    std::optional<std::pair<shell::ScreenId, std::string>> pressing_;  // the event being run, while it runs
    bool ending_ = false;
};

}  // namespace entalix::win32
