// What a screen is, as data: its controls, their texts and places, its events.
#pragma once

#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "props/formulation.h"
#include "props/water_steam.h"
#include "shell/drawing.h"
#include "shell/state_values.h"

namespace entalix::shell {

enum class ScreenId {
    Form1 = 1,
    Form2,
    Form3,
    Form4,
    Form5,
    Form6,
    Form7,
    Form8,
    Form9,
    Form10,
    Form11,
    Form12,
    Form13,
    Form14,
    Form15,
    Form16,
    Form17,
    Form18,
    Form19,
    Form20,
};
// The highest id a screen has; all_screens() names those that exist.
inline constexpr int kScreenCount = 20;

std::string screen_name(ScreenId id);  // "Form8"
std::optional<ScreenId> screen_from_name(std::string_view name);
std::vector<ScreenId> all_screens();

enum class ControlKind { Label, TextBox, Button, CheckBox, PictureBox, ComboBox };
enum class Align { Left, Center, Right };

// Style flags of a control.
enum Style : unsigned {
    kPlain = 0,
    kRed = 1u << 0,      // red text: the atmospheric-pressure boxes
    kBorder = 1u << 1,   // single-line border
    kHeading = 1u << 2,  // the screen's heading label, in a larger type
    kHidden = 1u << 3,   // hidden when the screen is created
    kMessage = 1u << 4,  // the message line that says why a press failed, or warns
    // A picture box on which a drag of the mouse marks a rectangle: the host
    // writes it, "x0 y0 x1 y1" in the drawing's pixels, into the hidden label
    // <box>_Rect and runs the event <box>_MouseUp.
    kDragRectangle = 1u << 5,
};

// Positions and sizes in twips (1440 to the inch), from the top-left corner of
// the client area or of the containing picture box.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What a control is to the calculations, beside where it stands.
enum class Role {
    None,         // captions, unit labels, headings, buttons, drawings
    Input,        // a number the user types
    Result,       // written by a calculation, never typed
    Atmospheric,  // the screen's atmospheric pressure, which makes gauge pressures absolute
    TickBox,      // says which quantity of the steam calculators is known
    Message,      // the line where a press says why it failed
    Formulation,  // the main menu's choice of the water and steam formulation
};
enum class PressureKind { None, Gauge, Absolute };

// The values a typed number can physically take. Beside its domain, every
// atmospheric pressure must be at least zero and every gauge pressure must
// give an absolute pressure above zero.
enum class Domain {
    Any,
    Positive,          // a diameter, velocity, flow, current, voltage, head, density or heat
    WaterTemperature,  // of water or steam: not below 0 degC
    Fraction,          // a power factor: above 0, at most 1
    Percent,           // an efficiency: above 0, at most 100 %
};

struct Meaning {
    Role role = Role::None;
    std::string quantity{};  // as the screen names it: "管道直径", "进汽压力"
    std::string unit{};      // "mm", "MPa", "℃", "t/h", "%"; "1" for a pure number
    PressureKind pressure = PressureKind::None;
    // How a calculation writes the field: a pattern such as "0.0000", "R6" or
    // "general" for one number, "state" for the six lines of a steam state,
    // "text" for a written note. Empty for a field no calculation writes.
    std::string format{};
    Domain domain = Domain::Any;  // of a typed number
    // What the plant's quantity can plausibly be, inside its domain: a number
    // typed beyond it is a slip of the keyboard (a motor of 10^6 kV), refused
    // rather than carried into a result too wide to read. Open where the
    // domain alone bounds the quantity.
    double plausible_low = -std::numeric_limits<double>::infinity();
    double plausible_high = std::numeric_limits<double>::infinity();
};

struct ControlDesc {
    std::string name;  // "Text2", "Label1(3)", "jzwd"
    ControlKind kind = ControlKind::Label;
    std::string text;  // default text or caption; a picture box names its drawing
    Twips rect;
    Align align = Align::Left;
    unsigned style = kPlain;
    std::string parent;  // the picture box that holds it, or empty
    Meaning meaning{};
    std::vector<std::string> choices{};  // of a combo box, in the order shown; `text` is the first chosen
};

// A field's meaning, declared beside its geometry.
ControlDesc with_meaning(ControlDesc control, Meaning meaning);
ControlDesc with_domain(ControlDesc control, Domain domain);
Meaning input(std::string quantity, std::string unit, PressureKind pressure = PressureKind::None);
Meaning result(std::string quantity, std::string unit, std::string format, PressureKind pressure = PressureKind::None);
Meaning atmospheric();  // "大气压值" in MPa

// The texts of a screen's controls at the moment of an event; a tick box reads
// "1" when ticked and "0" when clear. With them the formulation of water and
// steam the user chose, which the press computes with (IFC-67 unless set).
class Fields {
public:
    Fields() = default;
    explicit Fields(std::map<std::string, std::string, std::less<>> texts) : texts_(std::move(texts)) {}
    const std::string& text(std::string_view control) const;  // throws std::out_of_range
    bool ticked(std::string_view check_box) const { return text(check_box) == "1"; }
    void set(std::string control, std::string text) { texts_[std::move(control)] = std::move(text); }
    const std::map<std::string, std::string, std::less<>>& all() const { return texts_; }
    props::Formulation formulation() const { return formulation_; }
    void set_formulation(props::Formulation formulation) { formulation_ = formulation; }

private:
    std::map<std::string, std::string, std::less<>> texts_;
    props::Formulation formulation_ = props::Formulation::IFC67;
};

// What one event does to its screen. A failed calculation throws instead and
// writes nothing.
struct Outcome {
    std::vector<std::pair<std::string, std::string>> texts;         // control -> new text
    std::vector<std::pair<std::string, bool>> visibility;           // control -> shown
    std::optional<ScreenId> navigate;                               // ShowScreen target
    std::vector<std::pair<std::string, std::string>> target_texts;  // written on the target after it shows
    // For a navigation that carries a press to the target: what the target
    // writes, computed from the target's own texts before it shows (its
    // atmospheric pressure, say), run as a press of the target. Should it
    // fail, this screen shows why and nothing navigates.
    std::function<Outcome(const Fields&, props::WaterSteam&)> target_press{};
    // Of a target press: the target's own event whose results it writes, which
    // the target's window counts as pressed (its results copied, greyed when stale).
    std::string pressed_as;
    std::string message;  // message line; empty clears it
    // A result shown but extrapolated: everything is written, and the warning
    // says why the number deserves care. Shown on the message line when there
    // is no message, in its own colour.
    std::string warning;
    bool failed = false;  // set by run_event when the press stopped on a failure
    // The formulation a calculation used ("IFC-67", "IAPWS-IF97"), set by
    // run_event for a Compute event that wrote its result; empty otherwise.
    std::string formulation;
    // The steam state a press of the steam calculators showed, as the texts
    // it wrote and the numbers they stand for; nullopt for any other press.
    std::optional<StateValues> state;
    // Drawings computed by the press (a chart), each shown in the picture box
    // it names in place of what the box showed before.
    std::vector<std::pair<std::string, Drawing>> pictures;
};

// An event's function: the screen's texts and the press's water and steam,
// built for the formulation of the fields, in; what the press writes out.
using Handler = std::function<Outcome(const Fields&, props::WaterSteam&)>;
// An event that computes without water and steam (a motor's power).
using PlainHandler = std::function<Outcome(const Fields&)>;

enum class EventKind {
    Navigate,  // a button that only leads to another screen
    Compute,   // a calculation button
    Change,    // typing in a field updates another
    Tick,      // a tick box shows and hides fields
};

struct EventBinding {
    std::string event;  // "Command1_Click", "jzwd_Change", "Check3_Click"
    Handler handler;
    EventKind kind = EventKind::Navigate;
    std::vector<std::string> reads{};   // the fields whose texts it uses
    std::vector<std::string> writes{};  // the fields it may write or show and hide
};

// A calculation event with the fields it reads and writes.
EventBinding compute(std::string event, std::vector<std::string> reads, std::vector<std::string> writes,
                     Handler handler, EventKind kind = EventKind::Compute);
EventBinding compute(std::string event, std::vector<std::string> reads, std::vector<std::string> writes,
                     PlainHandler handler, EventKind kind = EventKind::Compute);

struct ScreenDesc {
    ScreenId id = ScreenId::Form1;
    std::string caption;
    int width = 0;  // client area, twips
    int height = 0;
    std::vector<ControlDesc> controls;
    std::vector<EventBinding> events;
    std::string close_event;  // what the frame's close control runs; empty ends the application
    // What runs each time the screen shows, after any texts the press that led
    // here writes on it (a chart drawn in the formulation in use); empty for none.
    std::string show_event{};

    const ControlDesc* find(std::string_view control) const;
    const EventBinding* find_event(std::string_view event) const;
    Fields default_fields() const;
    // The controls a person types into or ticks: inputs, atmospheric pressure, tick boxes.
    std::vector<const ControlDesc*> typed_fields() const;
    // The first calculation event that reads the field: what Enter in it presses.
    const EventBinding* event_for_enter(std::string_view field) const;
    // The control whose click leaves the screen ("返回"), if any.
    const ControlDesc* back_button() const;
};

// The window's title: the caption, and after a result computed with water and
// steam properties the formulation it used ("饱和参数计算画面 · IAPWS-IF97").
std::string window_title(const ScreenDesc& desc, std::string_view formulation);

// The formulation a choice of the main menu's combo box stands for; nullopt
// for any other control or text.
std::optional<props::Formulation> chosen_formulation(const ControlDesc& control, std::string_view text);

// A control's written text as entalix-calc prints it, one line per control:
// each CR LF continues on an indented line.
std::string printed_text(std::string_view text);

// A handler that only navigates.
Handler navigate_to(ScreenId target);

// Names used by the command line and the test reports: "input", "result",
// "atmospheric", "tick_box", "message", "formulation"; "gauge", "absolute"; "compute", ...
std::string_view role_name(Role role);
std::string_view pressure_name(PressureKind pressure);
std::string_view event_kind_name(EventKind kind);

// The description of every screen, looked up by id.
using Catalog = std::function<const ScreenDesc&(ScreenId)>;

}  // namespace entalix::shell
