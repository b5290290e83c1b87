// Screen Form19 ("焓熵图"): the chart of the formulation in use, with the state
// typed on the screen (gauge pressure made absolute with the screen's own
// atmospheric pressure) and the process another screen handed over. The part
// of the chart shown is kept in a hidden label, so that a redraw, a zoom or a
// return to the screen shows the same part.
#include "charts/chart_screen.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "base/property_error.h"
#include "charts/chart.h"
#include "charts/chart_state.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/reading.h"

namespace entalix::charts {

using namespace shell;

namespace {

constexpr const char* kHs = "焓熵图";
constexpr const char* kTs = "温熵图";
constexpr const char* kUsual = "常用范围";
constexpr const char* kWhole = "全图";
// At most this many states come with a process: a heater hands over four.
constexpr std::size_t kMostHanded = 16;

ChartKind kind_of(const Fields& f) { return f.text("Combo1") == kTs ? ChartKind::TS : ChartKind::HS; }
const char* kind_word(ChartKind kind) { return kind == ChartKind::HS ? "hs" : "ts"; }

View chosen_range(const Fields& f) {
    return f.text("Combo2") == kWhole ? full_view(kind_of(f)) : default_view(kind_of(f));
}

// "hs 5.5 8.5 2000 3700": the chart and the part of it shown.
std::string view_text(ChartKind kind, const View& v) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %.10g %.10g %.10g %.10g", kind_word(kind), v.s0, v.s1, v.y0, v.y1);
    return text;
}

// The part kept in the label when it is one of this chart, else the chosen range.
View kept_view(const Fields& f) {
    std::istringstream in(f.text("View"));
    std::string word;
    View v;
    if (in >> word >> v.s0 >> v.s1 >> v.y0 >> v.y1 && word == kind_word(kind_of(f)) && std::isfinite(v.s0) &&
        std::isfinite(v.s1) && std::isfinite(v.y0) && std::isfinite(v.y1) && v.s1 > v.s0 && v.y1 > v.y0)
        return v;
    return chosen_range(f);
}

bool blank(const Fields& f, const char* field) { return fold_typed_text(f.text(field)).empty(); }

// The typed state, if any: pressure and temperature, or the dryness with the
// pressure (else the temperature) of a wet state.
std::optional<MarkedState> typed_state(const Fields& f, props::WaterSteam& water) {
    const bool p_given = !blank(f, "Text1");
    const bool t_given = !blank(f, "Text2");
    const bool x_given = !blank(f, "Text3");
    if (!p_given && !t_given && !x_given) return std::nullopt;
    const ScreenDesc& d = form19();
    const auto pressure = [&] {
        const double pa = read_field(d, f, "Text7");
        return read_gauge_pressure(d, f, "Text1", pa) + pa;
    };
    if (x_given) {
        const double x = read_field(d, f, "Text3");
        if (!(x >= 0 && x <= 100)) throw OutOfDomain("“干度”须在0到100 %之间：" + quoted_text(f.text("Text3")));
        if (p_given) return MarkedState{chart_state(water, 'p', pressure(), 'x', x / 100), ""};
        if (t_given) return MarkedState{chart_state(water, 't', read_field(d, f, "Text2"), 'x', x / 100), ""};
    } else if (p_given && t_given) {
        return MarkedState{chart_state(water, 'p', pressure(), 't', read_field(d, f, "Text2")), ""};
    }
    throw UnreadableField("请给出压力和温度；湿蒸汽给出压力或温度，再加干度");
}

// The states and lines of the hidden label "Process" (see chart_screen.h).
void handed_process(const std::string& text, props::WaterSteam& water, ChartRequest& request) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line, '|')) {
        std::istringstream states(line);
        std::string one;
        std::vector<int> process;
        while (std::getline(states, one, ';')) {
            std::istringstream words(one);
            std::string name;
            std::string pair[2];
            if (!(words >> name >> pair[0] >> pair[1])) continue;
            if (request.states.size() >= kMostHanded) throw ImpossibleResult("交来的过程状态太多");
            double values[2];
            for (int i = 0; i < 2; ++i) {
                if (pair[i].size() < 3 || pair[i][1] != '=') throw ImpossibleResult("交来的过程无法识别");
                values[i] = read_typed_number(pair[i].substr(2), name, "");
            }
            process.push_back(static_cast<int>(request.states.size()));
            try {
                request.states.push_back({chart_state(water, pair[0][0], values[0], pair[1][0], values[1]), name});
            } catch (const props::PropertyError&) {
                throw ImpossibleResult("“" + quoted_text(name) + "”的状态超出公式适用范围；按“绘图”只画输入的状态");
            }
        }
        if (process.size() >= 2) request.processes.push_back(std::move(process));
    }
}

// The chart of the fields in the view given, with the typed state and, unless
// left out, the handed process.
Outcome draw(const Fields& f, props::WaterSteam& water, const View& view, bool with_process) {
    ChartRequest request;
    request.kind = kind_of(f);
    request.view = view;
    request.width = kChartWidth;
    request.height = kChartHeight;
    if (with_process) handed_process(f.text("Process"), water, request);
    if (const std::optional<MarkedState> state = typed_state(f, water)) request.states.push_back(*state);
    Outcome outcome;
    outcome.pictures.emplace_back("Picture1", chart_drawing(request, water));
    outcome.texts = {{"View", view_text(request.kind, view)}};
    return outcome;
}

// "绘图": the typed state alone, in the part shown.
Outcome Command1_Click(const Fields& f, props::WaterSteam& water) {
    Outcome outcome = draw(f, water, kept_view(f), false);
    outcome.texts.emplace_back("Process", "");
    return outcome;
}

Outcome redraw(const Fields& f, props::WaterSteam& water) { return draw(f, water, kept_view(f), true); }

// Another chart or range chosen: the whole of the chosen range.
Outcome chosen(const Fields& f, props::WaterSteam& water) { return draw(f, water, chosen_range(f), true); }

// A drag on the chart: the rectangle, in the chart's pixels, becomes the part
// shown. A rectangle of a few pixels is a slip of the mouse and changes nothing.
Outcome zoom(const Fields& f, props::WaterSteam& water) {
    std::istringstream in(f.text("Picture1_Rect"));
    Point a;
    Point b;
    const View view = kept_view(f);
    if (!(in >> a.x >> a.y >> b.x >> b.y) || !(std::fabs(b.x - a.x) >= 4 && std::fabs(b.y - a.y) >= 4))
        return draw(f, water, view, true);
    ChartRequest request;
    request.kind = kind_of(f);
    request.view = view;
    request.width = kChartWidth;
    request.height = kChartHeight;
    const View zoomed = view_of_rectangle(request, a, b);
    // Past a part a thousand times narrower than the whole, the ticks would
    // repeat one number: the view stops there.
    const View whole = full_view(request.kind);
    if (!((zoomed.s1 - zoomed.s0) * 1000 >= whole.s1 - whole.s0 &&
          (zoomed.y1 - zoomed.y0) * 1000 >= whole.y1 - whole.y0))
        throw ImpossibleResult("已放大到最细，不能再放大");
    return draw(f, water, zoomed, true);
}

// Twips of the panel beside the chart.
constexpr int kPanel = 11100;
constexpr int kCaptionWidth = 1500;
constexpr int kBoxLeft = kPanel + kCaptionWidth + 60;
constexpr int kBoxWidth = 1200;

void add_input(std::vector<ControlDesc>& c, const char* name, const char* caption, const char* unit, int top,
               Meaning meaning, unsigned style = kPlain, const char* text = "") {
    c.push_back(label(std::string("Label_") + name, caption, {kPanel, top + 60, kCaptionWidth, 255}, Align::Right));
    c.push_back(with_meaning(text_box(name, text, {kBoxLeft, top, kBoxWidth, 375}, Align::Left, style), meaning));
    c.push_back(label(std::string("Unit_") + name, unit, {kBoxLeft + kBoxWidth + 60, top + 60, 660, 255}));
}

ControlDesc choice(const char* name, std::vector<std::string> choices, int top) {
    ControlDesc c{
        name, ControlKind::ComboBox, choices.front(), {kBoxLeft, top, kBoxWidth + 300, 360}, Align::Left, kPlain, {}};
    c.choices = std::move(choices);
    return c;
}

ControlDesc hidden(const char* name, Meaning meaning = {}) {
    ControlDesc c = label(name, "", {kPanel, 7800, 300, 255});
    c.style |= kHidden;
    c.meaning = std::move(meaning);
    return c;
}

}  // namespace

const ScreenDesc& form19() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form19, "焓熵图", 14760, 8340, {}, {}, "Command2_Click"};
        std::vector<ControlDesc>& c = d.controls;
        ControlDesc picture{"Picture1",  ControlKind::PictureBox, "", {120, 120, kChartWidth * 15, kChartHeight * 15},
                            Align::Left, kDragRectangle,          {}};
        c.push_back(picture);
        c.push_back(label("Label1", "图：", {kPanel, 300, kCaptionWidth, 255}, Align::Right));
        c.push_back(choice("Combo1", {kHs, kTs}, 240));
        c.push_back(label("Label2", "范围：", {kPanel, 780, kCaptionWidth, 255}, Align::Right));
        c.push_back(choice("Combo2", {kUsual, kWhole}, 720));
        add_input(c, "Text1", "压力（表压）：", "MPa", 1440, input("压力", "MPa", PressureKind::Gauge));
        Meaning t = input("温度", "℃");
        t.domain = Domain::WaterTemperature;
        add_input(c, "Text2", "温度：", "℃", 1920, t);
        add_input(c, "Text3", "干度：", "%", 2400, input("干度", "%"));
        add_input(c, "Text7", "大气压值：", "MPa", 2880, atmospheric(), kRed, "0.0983");
        c.push_back(button("Command1", "绘图", {kBoxLeft, 3480, kBoxWidth, 450}));
        c.push_back(message_line({kPanel, 4080, 3540, 1200}));
        c.push_back(label("Label3",
                          "湿蒸汽：压力或温度，再加干度。\r\n在图上按住鼠标拖出方框即放大；"
                          "选“范围”回到整幅。\r\n右键点图可复制图片或存为PNG、SVG。",
                          {kPanel, 5400, 3540, 1800}));
        c.push_back(button("Command2", "返回", {13740, 7680, kBackWidth, kBackHeight}));
        c.push_back(hidden("View", result("图的范围", "1", "view")));
        c.push_back(hidden("Process", result("过程", "1", "process")));
        c.push_back(hidden("Picture1_Rect"));
        const std::vector<std::string> typed{"Combo1", "Combo2", "Text1", "Text2", "Text3", "Text7", "View"};
        const auto with = [&typed](std::initializer_list<const char*> more) {
            std::vector<std::string> reads = typed;
            reads.insert(reads.end(), more.begin(), more.end());
            return reads;
        };
        d.events = {
            compute("Command1_Click", typed, {"View", "Process", "Picture1"}, Command1_Click),
            compute("Form_Activate", with({"Process"}), {"View", "Picture1"}, redraw),
            compute("Combo1_Click", with({"Process"}), {"View", "Picture1"}, chosen),
            compute("Combo2_Click", with({"Process"}), {"View", "Picture1"}, chosen),
            compute("Picture1_MouseUp", with({"Process", "Picture1_Rect"}), {"View", "Picture1"}, zoom),
            {"Command2_Click", navigate_to(ScreenId::Form10)},
        };
        d.show_event = "Form_Activate";
        return d;
    }();
    return desc;
}

}  // namespace entalix::charts
