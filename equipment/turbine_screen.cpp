// Screen Form20 ("汽轮机膨胀与节流"): a turbine stage from its inlet to its
// outlet pressure, with the internal efficiency or the measured outlet
// temperature, and the throttling of a valve (h2 = h1). Each inlet kind has
// its own row of buttons: superheated steam by (p, t), wet or saturated steam
// by (p, x), so the meaning of every field stays fixed.
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "equipment/chart_button.h"
#include "equipment/screens.h"
#include "props/validity.h"
#include "props/water_steam.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/property_table.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

namespace {

// What a press does with the inlet.
enum class Inlet { PT, PX };
enum class Mode { Efficiency, OutletTemperature, Throttle };

// The result lines, in two columns: the inlet and the outlets on the left, the
// drops, the efficiency and the power on the right.
const std::vector<PropertyLine>& lines() {
    static const std::vector<PropertyLine> all{
        {"h1", "进口比焓", "h1", "kJ/kg", "0.0000"},
        {"s1", "进口比熵", "s1", "kJ/(kg·K)", "0.000000"},
        {"h2s", "等熵出口比焓", "h2s", "kJ/kg", "0.0000"},
        {"t2s", "等熵出口温度", "t2s", "℃", "0.0000"},
        {"x2s", "等熵出口干度", "x2s", "%", "0.00"},
        {"h2", "出口比焓", "h2", "kJ/kg", "0.0000"},
        {"t2", "出口温度", "t2", "℃", "0.0000"},
        {"s2", "出口比熵", "s2", "kJ/(kg·K)", "0.000000"},
        {"x2", "出口干度", "x2", "%", "0.00"},
        {"dt2", "出口过热度", "Δt", "℃", "0.0000"},
        {"dhs", "等熵焓降", "Δhs", "kJ/kg", "0.0000"},
        {"dh", "实际焓降", "Δh", "kJ/kg", "0.0000"},
        {"eta", "内效率", "ηi", "%", "0.0000"},
        {"power", "功率", "P", "kW", "0.00"},
    };
    return all;
}

const ScreenDesc& desc() { return form20(); }

struct State {
    double h = 0.0;
    double t = 0.0;
    double s = 0.0;
    double x = 0.0;            // vapour fraction, 0 for water and 1 for steam
    double s_expansion = 0.0;  // of an inlet: the entropy its isentropic expansion keeps
};

// The outlet at p from its enthalpy, as the (p, h) inverse finds it.
State state_ph(props::WaterSteam& water, double p, double h) {
    const double s = props::selected_number(water.pswA_ph("s", p, h));
    return {h, props::selected_number(water.pswA_ph("t", p, h)), s, props::selected_number(water.pswA_ph("x", p, h)),
            s};
}

// The inlet: superheated (or saturated) steam at (p, t), water below the
// saturation temperature where only a valve can take it; or the wet steam of
// dryness x at p, by the lever rule between the saturated states.
State inlet_state(props::WaterSteam& water, const Fields& f, Inlet inlet, double p, Mode mode) {
    const bool turbine = mode != Mode::Throttle;
    const bool efficiency = mode == Mode::Efficiency;
    if (inlet == Inlet::PT) {
        const double t = read_field(desc(), f, "Text2");
        const bool steam = !(t < water.saturation_line_t(p));
        if (!steam && turbine)
            throw ImpossibleResult(
                "进口温度低于进口压力下的饱和温度，进口是水而不是蒸汽；饱和或湿蒸汽请按干度一行的按钮");
        const auto at = [&](const char* name) {
            return props::selected_number(steam ? water.pswA_ptstm(name, p, t) : water.pswA_ptwtr(name, p, t));
        };
        const double h = at("h");
        const double s = at("s");
        // A stage worked out from its efficiency expands from the inlet
        // entropy of the (p, h) inverse, as pswt2_ptpeffi does, so that the
        // exhaust it shows is the one the command line gives (with IFC-67 the
        // two entropies part in the sixth digit).
        return {h, t, s, steam ? 1.0 : 0.0, efficiency ? props::selected_number(water.pswA_ph("s", p, h)) : s};
    }
    const double x = read_field(desc(), f, "Text3") * 0.01;
    const auto sat = [&](const char* name) { return props::selected_number(water.pswA_sat_p(name, p)); };
    const double h1 = sat("h1");
    const double s1 = sat("s1");
    const double s = s1 + x * (sat("s2") - s1);
    return {h1 + x * (sat("h2") - h1), sat("t"), s, x, s};
}

std::string degrees(double t) { return FormatWithPattern(t, "0.00") + " ℃"; }

// The efficiency a measured outlet temperature stands for, refused where no
// expansion from the inlet can end there.
double measured_efficiency(double h1, double h2, double h2s, double t2) {
    const double eta = checked_finite(100.0 * checked_div(h1 - h2, h1 - h2s));
    if (eta > 100.0)
        throw ImpossibleResult("出口温度 " + degrees(t2) + " 须内效率 " + FormatWithPattern(eta, "0.00") +
                               " %，超过100 %：出口比焓低于等熵膨胀所能达到的，请核对出口温度和压力");
    if (!(eta > 0.0))
        throw ImpossibleResult("出口温度 " + degrees(t2) + " 时出口比焓不低于进口比焓（内效率 " +
                               FormatWithPattern(eta, "0.00") + " %），蒸汽没有做功，请核对出口温度");
    return eta;
}

// IFC-67 ends its saturation line at 22.129 MPa.
constexpr double kIfc67CriticalPressure = 22.129;

std::string no_value() { return std::string(kNoValue); }

Outcome press(const Fields& f, props::WaterSteam& water, Inlet inlet, Mode mode) {
    const double pa = read_field(desc(), f, "Text7");
    const double p1 = read_gauge_pressure(desc(), f, "Text1", pa) + pa;
    const double p2 = read_gauge_pressure(desc(), f, "Text4", pa) + pa;
    if (!(p2 < p1))
        throw ImpossibleResult(mode == Mode::Throttle ? "节流后压力须低于节流前压力" : "出口压力须低于进口压力");
    const State in = inlet_state(water, f, inlet, p1, mode);

    State out;
    State ideal;
    double eta = 0.0;
    if (mode == Mode::Throttle) {
        out = state_ph(water, p2, in.h);
    } else {
        const double s = in.s_expansion;
        ideal = {props::selected_number(water.pswA_ps("h", p2, s)), props::selected_number(water.pswA_ps("t", p2, s)),
                 s, props::selected_number(water.pswA_ps("x", p2, s)), s};
        if (mode == Mode::Efficiency) {
            eta = read_field(desc(), f, "Text5");
            out = state_ph(water, p2, checked_finite(in.h - (in.h - ideal.h) * eta * 0.01));
        } else {
            // A temperature alone fixes no state on the saturation line: a wet
            // exhaust is read by its efficiency, not its thermometer.
            const double t2 = read_field(desc(), f, "Text6");
            if (!(t2 > water.saturation_line_t(p2)))
                throw ImpossibleResult("实测出口温度不高于出口压力下的饱和温度 " +
                                       degrees(water.saturation_line_t(p2)) +
                                       "：湿蒸汽出口的状态不能由温度确定，请按“由效率求”");
            const double s2 = props::selected_number(water.pswA_ptstm("s", p2, t2));
            out = {props::selected_number(water.pswA_ptstm("h", p2, t2)), t2, s2, 1.0, s2};
            eta = measured_efficiency(in.h, out.h, ideal.h, t2);
        }
    }

    // The superheat over the saturation temperature at the outlet pressure:
    // zero in the wet band, below zero for water that stays subcooled.
    const bool has_line =
        p2 < (water.formulation() == props::Formulation::IF97 ? props::kIf97CriticalPressure : kIfc67CriticalPressure);
    const std::string superheat =
        has_line ? FormatWithPattern(out.t - water.saturation_line_t(p2), "0.0000") : no_value();
    const bool turbine = mode != Mode::Throttle;
    std::string power = no_value();
    if (turbine) {
        const double flow = read_field(desc(), f, "Text8");
        const double mechanical = read_field(desc(), f, "Text9");
        // t/h to kg/s, times the drop in kJ/kg: kW at the shaft, then at the terminals.
        power = format_not_negative(flow / 3.6 * (in.h - out.h) * mechanical * 0.01, "0.00",
                                    "算得功率为负：出口比焓高于进口比焓");
    }
    Outcome outcome;
    const auto number = [](double value, const char* pattern) { return FormatWithPattern(value, pattern); };
    outcome.texts = {
        {"h1", number(in.h, "0.0000")},
        {"s1", number(in.s, "0.000000")},
        {"h2s", turbine ? number(ideal.h, "0.0000") : no_value()},
        {"t2s", turbine ? number(ideal.t, "0.0000") : no_value()},
        {"x2s", turbine ? number(ideal.x * 100.0, "0.00") : no_value()},
        {"h2", number(out.h, "0.0000")},
        {"t2", number(out.t, "0.0000")},
        {"s2", number(out.s, "0.000000")},
        {"x2", number(out.x * 100.0, "0.00")},
        {"dt2", superheat},
        {"dhs", turbine ? number(in.h - ideal.h, "0.0000") : no_value()},
        {"dh", number(in.h - out.h, "0.0000")},
        {"eta", turbine ? number(eta, "0.0000") : no_value()},
        {"power", power},
    };
    outcome.warning = water.warning();
    return outcome;
}

EventBinding calculation(const char* event, Inlet inlet, Mode mode) {
    std::vector<std::string> reads{"Text1", inlet == Inlet::PT ? "Text2" : "Text3", "Text4"};
    if (mode == Mode::Efficiency) reads.emplace_back("Text5");
    if (mode == Mode::OutletTemperature) reads.emplace_back("Text6");
    if (mode != Mode::Throttle) reads.insert(reads.end(), {"Text8", "Text9"});
    reads.emplace_back("Text7");
    return compute(event, std::move(reads), property_fields(lines()),
                   [inlet, mode](const Fields& f, props::WaterSteam& water) { return press(f, water, inlet, mode); });
}

// The expansion line of the last press as the results show it: the inlet to
// the outlet, and to the isentropic outlet where a turbine was worked out (a
// valve has none). The states go by the pressures of the fields and the
// enthalpies shown.
ChartProcess expansion_line(const Fields& f) {
    const auto shown = [&f](const char* name) { return ParseStrictNumber(f.text(name)); };
    const std::optional<double> h1 = shown("h1");
    const std::optional<double> h2 = shown("h2");
    if (!h1 || !h2) throw ImpossibleResult("请先计算出膨胀或节流过程，再在焓熵图上查看它");
    const double pa = read_field(desc(), f, "Text7");
    const double p1 = read_gauge_pressure(desc(), f, "Text1", pa) + pa;
    const double p2 = read_gauge_pressure(desc(), f, "Text4", pa) + pa;
    ChartProcess lines{{{"进口", 'p', p1, 'h', *h1}, {"出口", 'p', p2, 'h', *h2}}};
    if (const std::optional<double> h2s = shown("h2s"))
        lines.push_back({{"进口", 'p', p1, 'h', *h1}, {"等熵出口", 'p', p2, 'h', *h2s}});
    return lines;
}

constexpr int kBoxLeft = 2400;
constexpr int kBoxWidth = 1200;
constexpr int kInputHeight = 375;
constexpr int kRowPitch = 450;
constexpr int kResultTop = 4440;
constexpr int kResultPitch = 405;
constexpr int kValueHeight = 315;
constexpr int kValueWidth = 1320;
constexpr int kCaptionLeft[2] = {120, 4920};
constexpr int kValueLeft[2] = {2280, 7080};
constexpr int kPerColumn = 10;

int row_top(int row) { return 240 + row * kRowPitch; }

void add_input(std::vector<ControlDesc>& controls, const char* name, const char* caption, const char* unit, int row,
               Meaning meaning, const char* text = "", unsigned style = kPlain) {
    const int top = row_top(row);
    controls.push_back(label(std::string("Label_") + name, caption, {120, top + 60, 2220, 255}, Align::Right));
    controls.push_back(
        with_meaning(text_box(name, text, {kBoxLeft, top, kBoxWidth, kInputHeight}, Align::Left, style), meaning));
    controls.push_back(label(std::string("Unit_") + name, unit, {kBoxLeft + kBoxWidth + 60, top + 60, 600, 255}));
}

Meaning with_limits(Meaning m, Domain domain, double low, double high) {
    m.domain = domain;
    m.plausible_low = low;
    m.plausible_high = high;
    return m;
}

}  // namespace

const ScreenDesc& form20() {
    static const ScreenDesc d = [] {
        ScreenDesc s{ScreenId::Form20, "汽轮机膨胀与节流", 9720, 8760, {}, {}, "Command3_Click"};
        std::vector<ControlDesc>& c = s.controls;
        constexpr double kInf = std::numeric_limits<double>::infinity();
        add_input(c, "Text1", "进口压力（表压）：", "MPa", 0, input("进口压力", "MPa", PressureKind::Gauge));
        add_input(c, "Text2", "进口温度：", "℃", 1,
                  with_limits(input("进口温度", "℃"), Domain::WaterTemperature, -kInf, kInf));
        add_input(c, "Text3", "进口干度：", "%", 2, with_limits(input("干度", "%"), Domain::Any, 0.0, 100.0));
        add_input(c, "Text4", "出口压力（表压）：", "MPa", 3, input("出口压力", "MPa", PressureKind::Gauge));
        add_input(c, "Text5", "内效率：", "%", 4, with_limits(input("内效率", "%"), Domain::Percent, -kInf, kInf));
        add_input(c, "Text6", "实测出口温度：", "℃", 5,
                  with_limits(input("实测出口温度", "℃"), Domain::WaterTemperature, -kInf, kInf));
        // The largest turbines pass a few thousand t/h of main steam.
        add_input(c, "Text8", "蒸汽流量：", "t/h", 6,
                  with_limits(input("蒸汽流量", "t/h"), Domain::Positive, -kInf, 10000.0));
        add_input(c, "Text9", "机电效率：", "%", 7, with_limits(input("机电效率", "%"), Domain::Percent, -kInf, kInf),
                  "100");
        add_input(c, "Text7", "大气压值：", "MPa", 8, atmospheric(), "0.0983", kRed);
        // One row of buttons for each inlet kind, beside the field that makes it.
        const int button_left[3] = {4380, 5940, 7500};
        const int button_width[3] = {1440, 1440, 1080};
        const char* const button_text[3] = {"由效率求", "由出口温度求", "节流"};
        const char* const names[2][3] = {{"Command1", "Command2", "Command4"}, {"Command5", "Command6", "Command7"}};
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < 3; ++i)
                c.push_back(button(names[row][i], button_text[i],
                                   {button_left[i], row_top(row + 1), button_width[i], kInputHeight}));
        // Above "节流", in the band the inlet pressure leaves free.
        c.push_back(button("Command8", "焓熵图", {button_left[2], row_top(0), button_width[2], kInputHeight}));
        c.push_back(message_line({4380, row_top(3), 4200, 1755}));
        for (ControlDesc& row : property_columns(lines(), {kResultTop,
                                                           kResultPitch,
                                                           kPerColumn,
                                                           {kCaptionLeft[0], kCaptionLeft[1]},
                                                           {kValueLeft[0], kValueLeft[1]},
                                                           kValueWidth,
                                                           kValueHeight}))
            c.push_back(std::move(row));
        c.push_back(button("Command3", "返回", {8640, 8160, kBackWidth, kBackHeight}));
        s.events = {
            calculation("Command1_Click", Inlet::PT, Mode::Efficiency),
            calculation("Command2_Click", Inlet::PT, Mode::OutletTemperature),
            calculation("Command4_Click", Inlet::PT, Mode::Throttle),
            calculation("Command5_Click", Inlet::PX, Mode::Efficiency),
            calculation("Command6_Click", Inlet::PX, Mode::OutletTemperature),
            calculation("Command7_Click", Inlet::PX, Mode::Throttle),
            {"Command3_Click", navigate_to(ScreenId::Form1)},
            chart_event("Command8_Click", {"h1", "h2", "h2s", "Text1", "Text4", "Text7"}, expansion_line),
        };
        return s;
    }();
    return d;
}

}  // namespace entalix::equipment
