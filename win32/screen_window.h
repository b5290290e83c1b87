// One top-level window built from a screen description: buttons, edit boxes,
// labels, tick boxes, results in read-only boxes that can be selected and
// copied, the red message line and the picture boxes with their drawings.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/screen.h"
#include "shell/shown_results.h"

namespace entalix::win32 {

class Win32Host;

class ScreenWindow {
public:
    // Creates the window hidden, at the given top-left corner, with the
    // description's default texts; atmospheric-pressure boxes show the shared value.
    ScreenWindow(const shell::ScreenDesc& desc, Win32Host& host, POINT top_left, const std::string& atmospheric);
    ~ScreenWindow();
    ScreenWindow(const ScreenWindow&) = delete;
    ScreenWindow& operator=(const ScreenWindow&) = delete;

    static bool register_classes(HINSTANCE instance, HICON icon, HICON small_icon);

    HWND hwnd() const { return hwnd_; }
    shell::ScreenId id() const { return desc_.id; }
    const shell::ScreenDesc& desc() const { return desc_; }

    shell::Fields fields() const;
    void apply(const shell::Outcome& outcome);
    // Writes the shared atmospheric pressure into this screen's boxes, as the program, not as typing.
    void set_atmospheric(const std::string& text);
    // The formulation the next press computes with: a combo box for it shows it.
    void set_formulation(props::Formulation formulation);
    // Shows the window with its top-left corner at the point, kept on the monitor's work area.
    void show_at(POINT top_left);
    void focus_first_field();

    // A calculation pressed on this screen ended so: its results are current, or stale when it failed.
    void note_press(const std::string& event, const shell::Outcome& outcome);
    // A result shown greyed: an input it read changed, its press failed, or another formulation was chosen.
    bool greyed(std::string_view name) const;
    // Ctrl+Shift+C: every result shown with the inputs that produced it, as
    // tab-separated lines on the clipboard. False when there is none yet.
    bool copy_results();
    // The right-click menu of a result ("复制", "复制全部结果"); the caller
    // destroys it. nullptr for other controls. field_command runs one of its items.
    HMENU field_menu(std::string_view name) const;
    void field_command(std::string_view name, UINT command);

    // The tooltip a field shows: its quantity, unit and allowed range in the
    // formulation chosen, as the tooltip window holds it; empty for none.
    std::string tooltip_of(std::string_view name) const;

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
    };

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK picture_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK result_proc(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    void show_field_menu(HWND field, LPARAM at);
    void show_grey();
    LRESULT handle(UINT message, WPARAM w, LPARAM l);

    void create_controls();
    HWND create_control(Control& c, HWND parent);
    void layout(UINT dpi);
    void place(Control& c);
    void set_text(Control& c, const std::string& text);
    void fit(Control& c);
    void fit_combo(const Control& c);
    void add_tooltips();
    std::string tooltip_text(const shell::ControlDesc& c) const;
    void on_command(int id, int code);
    void on_enter();
    HFONT font(int pixels_at_96, bool bold);
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    Control* find(HWND hwnd);

    const shell::ScreenDesc& desc_;
    Win32Host& host_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    int programmatic_ = 0;  // > 0 while the program writes texts: no Change events then
    std::vector<Control> controls_;
    std::map<std::string, std::string, std::less<>> enter_events_;  // text box -> its calculation
    std::map<std::pair<int, bool>, HFONT> fonts_;                   // (pixels at 96 dpi, bold)
    HBRUSH white_ = nullptr;
    HWND tooltip_ = nullptr;     // one tool in it for each field a person types, ticks or picks
    HWND focus_ = nullptr;       // the control that had the keyboard when the window was left
    bool warning_only_ = false;  // the message line holds a warning, not a failure
    props::Formulation formulation_ = props::Formulation::IFC67;
    shell::ShownResults shown_;
};

}  // namespace entalix::win32
