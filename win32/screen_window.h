// One top-level window built from a screen description: buttons, edit boxes,
// labels, tick boxes, results in read-only boxes that can be selected and
// copied, the red message line and the picture boxes with their drawings. Its
// member functions stand in a file per job: screen_controls.cpp (making the
// controls), screen_layout.cpp, screen_fonts.cpp, screen_messages.cpp (the
// window procedures), field_menu.cpp, tooltips.cpp, help_button.cpp,
// picture_files.cpp (a drawing saved as PNG or SVG).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/host_look.h"
#include "shell/placement.h"
#include "shell/screen.h"
#include "shell/shown_results.h"

namespace entalix::win32 {

class Win32Host;

class ScreenWindow {
public:
    // Creates the window hidden, at the given top-left corner, with the
    // description's default texts; atmospheric-pressure boxes show the shared
    // value where there is one.
    ScreenWindow(const shell::ScreenDesc& desc, Win32Host& host, POINT top_left,
                 const std::optional<std::string>& atmospheric);
    ~ScreenWindow();
    ScreenWindow(const ScreenWindow&) = delete;
    ScreenWindow& operator=(const ScreenWindow&) = delete;

    static bool register_classes(HINSTANCE instance, HICON icon, HICON small_icon);

    HWND hwnd() const { return hwnd_; }
    shell::ScreenId id() const { return desc_.id; }
    const shell::ScreenDesc& desc() const { return desc_; }

    shell::Fields fields() const;
    void apply(const shell::Outcome& outcome);
    // Puts a text remembered from an earlier run into an input box, as the program, not as typing.
    void set_input(std::string_view name, const std::string& text);
    // A remembered tick put back as a person's click would: ticked, then its
    // event run. A box already ticked or hidden by the ticks before is left.
    void restore_tick(std::string_view name);
    // Writes the shared atmospheric pressure into this screen's boxes, as the program, not as typing.
    void set_atmospheric(const std::string& text);
    // The formulation the next press computes with: a combo box for it shows it.
    void set_formulation(props::Formulation formulation);
    // Shows the window with its top-left corner at the point, moved the least
    // that puts it wholly on the monitor's work area, in that monitor's scale.
    // Without a monitor, the one nearest the point; without a point, in the
    // middle of the primary monitor. Its client area takes the size it was
    // left with (`kept`, in pixels at 96 dpi) where the monitor has room.
    void show_at(std::optional<POINT> top_left, HMONITOR monitor, std::optional<shell::WindowSize> kept = std::nullopt);
    // The client area in pixels at 96 dpi of its monitor, as remembered.
    shell::WindowSize client_size() const;
    // The scale of the layout in a window enlarged by hand (shell/placement.h).
    double scale() const { return static_cast<double>(dpi_) / monitor_dpi_; }
    void focus_first_field();

    // A calculation pressed on this screen ended so: its results are current, or stale when it failed.
    void note_press(const std::string& event, const shell::Outcome& outcome);
    // A result shown greyed: an input it read changed, its press failed, or another formulation was chosen.
    bool greyed(std::string_view name) const;
    // Ctrl+Shift+C: every result shown with the inputs that produced it, as
    // tab-separated lines on the clipboard. False when there is none yet.
    bool copy_results();
    // The right-click menu of a text box or a result, with the items every
    // host shows (shell/field_menu.h); a command is the item's action counted
    // from 1. The caller destroys it; nullptr for other controls. field_command
    // runs one of its items.
    HMENU field_menu(std::string_view name) const;
    void field_command(std::string_view name, UINT command);

    // The tooltip a field shows: its quantity, unit and allowed range in the
    // formulation chosen, as the tooltip window holds it; empty for none.
    std::string tooltip_of(std::string_view name) const;

    // The small "?" at the top right that opens the guide, as F1 does.
    HWND help_button() const { return help_; }
    // The controls the "?" overlaps, and "the window's edge" when it is not
    // wholly inside what holds it: empty when it stands clear.
    std::vector<std::string> help_button_overlaps() const;

    // A picture box's drawing saved as a file, as its right-click menu does
    // once the Save dialog has given the path; false when it cannot be written,
    // and then any file that stood there is left as it was.
    enum class PictureFile { Png, Svg };
    bool save_picture(std::string_view box, const std::wstring& path, PictureFile kind) const;
    // The drawing the last press computed for a picture box; nullptr for none.
    const shell::Drawing* drawing_of(std::string_view box) const;

    HWND control(std::string_view name) const;         // nullptr for an unknown name
    std::string text_of(std::string_view name) const;  // as the control shows it
    bool shown(std::string_view name) const;

private:
    enum class Widget { Label, Message, Result, Edit, Button, CheckBox, Picture, Combo };
    struct Control {
        const shell::ControlDesc* desc = nullptr;
        Widget widget = Widget::Label;
        HWND hwnd = nullptr;
        int id = 0;
        bool in_picture = false;
        std::string text;  // labels, results and buttons: the text as written, CR LF included
        bool greyed = false;
        std::optional<shell::Drawing> drawing;  // a picture box's, computed by the last press
        std::optional<POINT> drag_from;         // where a drag on it began, in the box's pixels
        POINT drag_to{};
    };

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK picture_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    void paint_picture(HWND hwnd, HDC dc);
    void picture_menu(HWND hwnd, LPARAM at);  // copy, save as PNG or SVG, for a computed drawing
    void copy_picture(const shell::Drawing& drawing);
    void save_picture_as(const Control& c, PictureFile kind);  // through the Save dialog
    bool drag(HWND hwnd, UINT message, LPARAM l);              // false for a message it leaves
    static LRESULT CALLBACK field_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    void show_field_menu(HWND field, LPARAM at);
    void show_grey();
    LRESULT handle(UINT message, WPARAM w, LPARAM l);

    void create_controls();
    HWND create_control(Control& c, HWND parent);
    void layout(UINT monitor_dpi);  // for a monitor's dpi, at the scale the window is enlarged to
    void place_all(UINT dpi);       // every control for a dpi that includes the enlargement
    void resized();                 // the frame was dragged larger or smaller, or maximized
    void place(Control& c);
    void set_text(Control& c, const std::string& text);
    void fit(Control& c);
    void fit_combo(const Control& c);
    void add_tooltips();
    void update_tooltips();
    void create_help_button();
    void place_help_button();
    void click_help();
    std::string tooltip_text(const shell::ControlDesc& c) const;
    void on_command(int id, int code);
    void typed(const Control& c);  // a text box's text changed by the person, not the program
    void clean_paste(Control& c);  // a pasted cell's tab or line break dropped, in sight
    void on_enter();
    HFONT font(int pixels_at_96, bool bold);
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    Control* find(HWND hwnd);

    const shell::ScreenDesc& desc_;
    Win32Host& host_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;          // the layout's: the monitor's times the enlargement
    UINT monitor_dpi_ = 96;  // the monitor's own
    int sizing_ = 0;         // > 0 while the program sets the frame's size
    int programmatic_ = 0;   // > 0 while the program writes texts: no Change events then
    std::vector<Control> controls_;
    std::map<std::pair<int, bool>, HFONT> fonts_;  // (pixels at 96 dpi, bold)
    HBRUSH white_ = nullptr;
    HWND tooltip_ = nullptr;                            // one tool in it for each field a person types, ticks or picks
    HWND help_ = nullptr;                               // the "?"
    const shell::ControlDesc* help_picture_ = nullptr;  // the drawing that holds it, if one does
    HWND help_return_ = nullptr;                        // the control that had the keyboard before it was clicked
    HWND focus_ = nullptr;                              // the control that had the keyboard when the window was left
    shell::Colour message_colour_ = shell::kFailureColour;  // of the message line, after the last press
    props::Formulation formulation_ = props::Formulation::IFC67;
    shell::ShownResults shown_;
};

}  // namespace entalix::win32
