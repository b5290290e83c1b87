// One top-level window built from a screen description.
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "shell/field_menu.h"
#include "shell/placement.h"
#include "shell/screen.h"
#include "shell/shown_results.h"

class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;

namespace entalix::ui {

// Twips to logical pixels: 1440 twips to the inch at 96 pixels to the inch.
// Qt scales logical pixels with the screen's device pixel ratio.
int px(int twips);

class ScreenWindow : public QWidget {
public:
    struct Hooks {
        std::function<void(shell::ScreenId, const std::string& event)> event;
        std::function<bool(shell::ScreenId)> close;  // false when it ends the application
        // A person typed into a field or chose in a combo box: the host
        // remembers it, shares the site's atmospheric pressure with the other
        // screens, and takes the main menu's choice of formulation.
        std::function<void(shell::ScreenId, const shell::ControlDesc&, const QString& text)> typed;
        std::function<void()> help;  // F1: the user guide, at this screen's section
        shell::Catalog catalog;      // the other screens, which the buttons' tooltips name
    };

    ScreenWindow(const shell::ScreenDesc& desc, Hooks hooks);

    shell::ScreenId id() const { return desc_.id; }
    const shell::ScreenDesc& desc() const { return desc_; }
    shell::Fields fields() const;
    void apply(const shell::Outcome& outcome);
    QWidget* control(const std::string& name) const;
    // The client area as the description draws it; it scrolls inside the window
    // only where the monitor is smaller than the screen.
    QWidget* page() const { return page_; }

    // A text put into a typed field by the host (a remembered input, the site's
    // atmospheric pressure): like typing, it leaves the results that read the
    // field stale, but it runs no event.
    void set_field_text(const std::string& name, const QString& text);
    // The formulation the next press computes with: the tooltips give its
    // ranges, results computed with the other one turn grey, and a combo box
    // for it shows it.
    void set_formulation(props::Formulation formulation);
    // A remembered tick put back as a person's click would: ticked, then its
    // event run. A box already ticked or hidden by the ticks before is left.
    void restore_tick(const std::string& name);
    // The first field a person types or ticks takes the keyboard, its text selected.
    void focus_first_field();
    // The client area as the window opens: the size it was left with (`kept`)
    // within `room`, at least the screen's own; a monitor smaller than the
    // screen gets the whole room, and the rest scrolls.
    void fit_within(const QSize& room, std::optional<shell::WindowSize> kept = std::nullopt);
    // The screen's own client area, in logical pixels, and the scale its
    // layout is drawn at in a window enlarged by hand (shell/placement.h).
    QSize design_size() const;
    double scale() const { return scale_; }

    // Every calculation shown, as tab-separated lines: the inputs that produced
    // it, then its results. Empty before the first successful press.
    QString results_text() const;
    void copy_results() const;
    // The right-click menu of a field, with the items of shell/field_menu.h;
    // the caller owns it. nullptr for other controls.
    QMenu* field_menu(const std::string& name);
    // A result shown greyed: its inputs changed, or its last press failed.
    bool stale(const std::string& result) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A double-click in a field or a result selects the whole number (shell/numbers.h).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* build(const shell::ControlDesc& c, QWidget* parent);
    void bind_keys();
    QRect place_for(const shell::ControlDesc& c) const;  // in the page's pixels at the scale in use
    void lay_out();                                      // every control placed and fitted at the scale
    void scroll_into_sight(const QWidget* widget);       // a field reached by Tab, whole
    void add_help_button();
    void bind_field(const shell::ControlDesc& c, QWidget* widget);
    void dispatch(const std::string& event);
    void press_enter(const std::string& field);
    void inputs_changed(const std::string& field);
    void note_press(const std::string& event, const shell::Outcome& outcome);
    void show_stale();
    void run_field_action(const shell::ControlDesc& c, QLineEdit* edit, QLabel* label, shell::FieldAction action);

    const shell::ScreenDesc& desc_;
    Hooks hooks_;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<std::string, QPalette, std::less<>> own_palettes_;  // of the results, to undo the grey
    std::string pressing_;                                       // the event being run, while it runs
    shell::ShownResults shown_;  // what the calculations have shown, and which of it is stale
    props::Formulation formulation_ = props::Formulation::IFC67;
    double scale_ = 1.0;
};

// The text a label shows, as plain text (a label of several lines may be drawn
// as rich text to set its lines closer).
QString label_text(const QLabel* label);

// The fonts of the screens: a Song-style face for Simplified Chinese first.
void install_application_font();

// Qt's own texts (the standard dialogs and menus) in Simplified Chinese, from the
// translations Qt is installed with; nothing changes where they are missing.
void install_qt_translation();

}  // namespace entalix::ui
