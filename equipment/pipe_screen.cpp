// Screen Form2 ("管道计算"): pipe sizing for water and steam lines.
#include "equipment/pipe_screen.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "equipment/balance_check.h"
#include "equipment/field_layout.h"
#include "equipment/screens.h"
#include "equipment/stream_enthalpy.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

const std::string kWaterVelocities =
    "1、给水再循环管道流速<4m/s\r\n"
    " 2、低压给水管道流速=0.5-1.5m/s\r\n"
    " 3、主给水管道流速=1.5-5m/s\r\n"
    " 4、凝结水泵入口管道流速=0.5-1m/s\r\n"
    " 4、凝结水泵出口管道流速=1-3m/s\r\n"
    " 5、化学水管道（泵出口）流速=2-3m/s\r\n"
    " 6、化学水管道（泵入口）流速=0.5-1.5m/s\r\n"
    " 6、工业水管道流速=2-3m/s";

const std::string kSteamVelocities =
    "1、主蒸汽（亚临界）管道流速=40-50m/s\r\n"
    " 2、主蒸汽 （超临界、高压）管道流速=40-60m/s\r\n"
    " 3、主蒸汽（中压）管道流速=40-70m/s\r\n"
    " 4、再热汽（冷段）管道流速=40-60m/s\r\n"
    " 4、再热汽（热段）管道流速=30-50m/s\r\n"
    "6、抽汽管道流速=30-50m/s\r\n"
    " 7、至减温器管道流速=30-50m/s";

namespace {

// Which block a hint field belongs to, and the small pressure offsets (MPa) at
// which the hint compares the temperature with the saturation line.
struct HintRule {
    const char* changed;
    const char* pressure;
    const char* temperature;
    bool temperature_changed;
    double e1;  // below the saturation temperature at p + e1: water
    double e2;  // above the saturation temperature at p + e2: steam
};

constexpr std::array<HintRule, 4> kHintRules{{
    {"jzwd", "jzyl", "jzwd", true, 0.0000001, 0},
    {"jzwd1", "jzyl1", "jzwd1", true, 0.0000001, 0},
    {"jzyl", "jzyl", "jzwd", false, 0.0000001, 0.0000001},
    {"jzyl1", "jzyl1", "jzwd1", false, 0.00000001, 0.000001},
}};

// A block's medium as typed: gauge and absolute pressure (MPa), temperature.
struct Medium {
    double pg;
    double p;
    double t;
};

// Reads the block's pressure (made absolute with the screen's atmosphere),
// then its temperature.
Medium read_medium(const Fields& f, const char* pressure, const char* temperature) {
    const double pa = read_field(form2(), f, "dqyz");
    const double pg = read_gauge_pressure(form2(), f, pressure, pa);
    return {pg, pg + pa, read_field(form2(), f, temperature)};
}

// A line typed within the band of its saturation temperature may carry water
// or steam, with specific volumes a hundred times apart: the press asks which,
// naming the temperatures that decide it (rounded outwards, a little beyond
// the band, so that typing them is enough). Just above the triple point no
// water lies below the band.
void refuse_undecided_phase(props::WaterSteam& properties, const Medium& m) {
    const std::optional<double> ts = two_phase_saturation(properties, m.p);
    if (!ts || !near_saturation(m.t, *ts)) return;
    constexpr double kMargin = 1e-6;  // K
    const double water = std::floor((*ts - kPhaseBand - kMargin) * 100.0) / 100.0;
    const double steam = std::ceil((*ts + kPhaseBand + kMargin) * 100.0) / 100.0;
    const std::string water_hint = water >= 0.0 ? "水请填" + FormatWithPattern(water, "0.00") + " ℃以下，" : "";
    throw OutOfDomain("介质温度" + celsius(m.t) + "与" + megapascal(m.pg) + "（表压）下的饱和温度" +
                      FormatWithPattern(*ts, "0.00") + " ℃相差不到0.5 K，无法判断是水还是蒸汽：" + water_hint +
                      "蒸汽（包括饱和蒸汽）请填" + FormatWithPattern(steam, "0.00") + " ℃以上");
}

// The hint reads the typed numbers without their domains and keeps its text
// while a field holds no number (empty, say, while it is being retyped).
std::optional<double> hint_number(const Fields& f, const char* control) {
    const Meaning& m = form2().find(control)->meaning;
    try {
        return read_typed_number(f.text(control), m.quantity, m.unit);
    } catch (const CalculationError&) {
        return std::nullopt;
    }
}

}  // namespace

double PipeSpecificVolume(props::WaterSteam& properties, double p, double t) {
    const double ts = properties.saturation_line_t(p);
    const double v = ts > t ? properties.pswv_ptwtr(p, t) : properties.pswv_ptstm(p, t);
    if (!(v > 0.0))
        throw ImpossibleResult("算得介质比容为" + FormatWithPattern(v, "0.000000") +
                               " m³/kg（比容必须大于零）：该压力和温度下无法计算");
    return v;
}

double pipe_flow(double d, double w, double v) {
    const double r = d / 2 / 1000;  // m
    // m3/s over m3/kg is kg/s; 3.6 makes it t/h.
    return checked_finite(checked_div(r * r * 3.141592654 * w, v) * 3.6);
}

double pipe_diameter(double G, double w, double v) {
    const double m = G / 3.6;  // kg/s
    if (w == 0.0) throw ArithmeticFault("“介质流速”为零，无法计算");
    const double r = checked_sqrt(checked_div(checked_div(m * v, w), 3.14));
    return checked_finite(r * 2000);
}

// Each block finds the specific volume of its medium first, then reads the
// pipe's own figures, so a press meeting two faults reports the one it meets first.
std::string PipeFlowFromDiameter(const Fields& f, props::WaterSteam& properties, std::string* warning) {
    const Medium m = read_medium(f, "jzyl", "jzwd");
    refuse_undecided_phase(properties, m);
    const double v = PipeSpecificVolume(properties, m.p, m.t);
    const double d = read_field(form2(), f, "gdzj");
    const double w = read_field(form2(), f, "jzls");
    std::string flow = format_not_negative(pipe_flow(d, w, v), "0.0000", "算得介质流量为负");
    if (warning != nullptr) *warning = properties.warning();
    return flow;
}

std::string PipeDiameterFromFlow(const Fields& f, props::WaterSteam& properties, std::string* warning) {
    const Medium m = read_medium(f, "jzyl1", "jzwd1");
    refuse_undecided_phase(properties, m);
    const double v = PipeSpecificVolume(properties, m.p, m.t);
    const double G = read_field(form2(), f, "jzll1");
    const double w = read_field(form2(), f, "jzls1");
    std::string diameter = format_not_negative(pipe_diameter(G, w, v), "0.0000", "算得管道直径为负");
    if (warning != nullptr) *warning = properties.warning();
    return diameter;
}

std::optional<std::string> VelocityHint(std::string_view changed, const Fields& f, props::WaterSteam& properties) {
    const HintRule* rule = nullptr;
    for (const HintRule& r : kHintRules)
        if (changed == r.changed) rule = &r;
    if (rule == nullptr) throw std::invalid_argument("no velocity hint for this field");
    // The other field of the block must hold a number; while it is being
    // retyped (empty, say) the hint stays as it is.
    const char* other = rule->temperature_changed ? rule->pressure : rule->temperature;
    const std::optional<double> other_value = hint_number(f, other);
    if (!other_value) return std::nullopt;
    if (*other_value == 0.0) return rule->temperature_changed ? kAskPressure : kAskTemperature;
    const std::optional<double> pg = hint_number(f, rule->pressure);
    const std::optional<double> pa = hint_number(f, "dqyz");
    const std::optional<double> t = hint_number(f, rule->temperature);
    if (!pg || !pa || !t) return std::nullopt;
    const double p = *pg + *pa;
    if (*t < properties.saturation_line_t(p + rule->e1)) return kWaterVelocities;
    if (*t > properties.saturation_line_t(p + rule->e2)) return kSteamVelocities;
    return std::nullopt;
}

namespace {

Handler hint_on(const char* field) {
    return [field](const Fields& f, props::WaterSteam& water) {
        Outcome outcome;
        if (std::optional<std::string> hint = VelocityHint(field, f, water))
            outcome.texts = {{"Label3", std::move(*hint)}};
        return outcome;
    };
}

// Text boxes and result labels are 975 x 375; captions 1215 wide.
constexpr int kW = 975;
constexpr int kH = 375;
constexpr int kCaptionWidth = 1215;

}  // namespace

const ScreenDesc& form2() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form2, "管道计算", 7875, 4845, {}, {}, "Command1_Click"};
        d.controls = {
            heading("Label1(1)", "管道计算", {2400, 120, 2295, 375}),
            label("Label1(0)", "已知条件：", {240, 600, 1215, 255}),
            label("Label1(4)", "已知条件：", {3120, 600, 1215, 255}),
            label("Label1(5)", "建议流速：", {4680, 600, 1215, 255}),
            button("Command2", "求：", {360, 3000, kW, kH}),
            button("Command3", "求：", {3120, 3000, kW, kH}),
        };
        const auto box = [](const char* name, int left, int top, Domain domain) {
            return with_domain(input_box(name, "0", {left, top, kW, kH}, Align::Right), domain);
        };
        const auto pressure = [](const char* name, int left, int top) {
            return gauge_box(name, "0", {left, top, kW, kH}, Align::Right);
        };
        for (ControlDesc& c : field_rows(
                 {},
                 {
                     {"管道直径", box("gdzj", 1320, 1080, Domain::Positive), "mm", ""},
                     {"介质温度", box("jzwd", 1320, 1560, Domain::WaterTemperature), "℃", ""},
                     {"介质压力", pressure("jzyl", 1320, 2040), "MPa", ""},
                     {"介质流速", box("jzls", 1320, 2520, Domain::Positive), "m/s", ""},
                     {"介质流量", result_label("jzll", "", {1320, 3600, kW, kH}, "0.0000", Align::Right), "t/h", ""},
                     {"介质温度", box("jzwd1", 4200, 1080, Domain::WaterTemperature), "℃", ""},
                     {"介质压力", pressure("jzyl1", 4200, 1560), "MPa", ""},
                     {"介质流速", box("jzls1", 4200, 2040, Domain::Positive), "m/s", ""},
                     {"介质流量", box("jzll1", 4200, 2520, Domain::Positive), "t/h", ""},
                     {"管道直径", result_label("gdzj1", "", {4200, 3600, kW, kH}, "0.0000"), "mm", ""},
                     {"大气压值", atmospheric_box("dqyz", {1200, 4080, 1215, kH}, Align::Right), "MPa"},
                 },
                 kCaptionWidth))
            d.controls.push_back(std::move(c));
        d.controls.push_back(with_meaning(result_label("Label3", "", {6000, 360, 1695, 3495}, "text"),
                                          result("建议流速", "m/s", "text")));
        d.controls.push_back(button("Command1", "返回", {6840, 3960, kBackWidth, kBackHeight}));
        d.controls.push_back(message_line({3000, 4080, 3720, 735}));
        d.events = {
            compute("Command2_Click", {"jzyl", "dqyz", "jzwd", "gdzj", "jzls"}, {"jzll"},
                    [](const Fields& f, props::WaterSteam& water) {
                        Outcome outcome;
                        outcome.texts = {{"jzll", PipeFlowFromDiameter(f, water, &outcome.warning)}};
                        return outcome;
                    }),
            compute("Command3_Click", {"jzyl1", "dqyz", "jzwd1", "jzll1", "jzls1"}, {"gdzj1"},
                    [](const Fields& f, props::WaterSteam& water) {
                        Outcome outcome;
                        outcome.texts = {{"gdzj1", PipeDiameterFromFlow(f, water, &outcome.warning)}};
                        return outcome;
                    }),
            compute("jzwd_Change", {"jzwd", "jzyl", "dqyz"}, {"Label3"}, hint_on("jzwd"), EventKind::Change),
            compute("jzyl_Change", {"jzyl", "jzwd", "dqyz"}, {"Label3"}, hint_on("jzyl"), EventKind::Change),
            compute("jzwd1_Change", {"jzwd1", "jzyl1", "dqyz"}, {"Label3"}, hint_on("jzwd1"), EventKind::Change),
            compute("jzyl1_Change", {"jzyl1", "jzwd1", "dqyz"}, {"Label3"}, hint_on("jzyl1"), EventKind::Change),
            {"Command1_Click", navigate_to(ScreenId::Form1)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
