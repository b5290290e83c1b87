// Screen Form16 ("全部物性"): every property of one state, typed as a gauge
// pressure with its temperature, enthalpy or entropy. Each of the three
// second quantities has its own row and "计算" beside it, so the meaning of
// every field stays fixed.
#include "shell/menus.h"
#include "shell/property_table.h"
#include "shell/reading.h"
#include "steamcalc/screens.h"

namespace entalix::steamcalc {

using namespace shell;

namespace {

// x comes as the vapour fraction and is shown in percent like on the steam
// calculators; the viscosities in μPa·s and mm²/s keep their digits in a fixed
// pattern over water and steam alike.
const std::vector<PropertyLine>& lines() {
    static const std::vector<PropertyLine> all{
        {"p", "绝对压力", "p", "MPa", "0.000000", 1.0, true},
        {"t", "温度", "t", "℃", "0.0000", 1.0, true},
        {"v", "比容", "v", "m³/kg", "0.000000", 1.0, true},
        {"h", "比焓", "h", "kJ/kg", "0.0000", 1.0, true},
        {"s", "比熵", "s", "kJ/(kg·K)", "0.000000", 1.0, true},
        {"x", "干度", "x", "%", "0.00", 100.0, true},
        {"rho", "密度", "ρ", "kg/m³", "0.0000", 1.0, true},
        {"u", "比内能", "u", "kJ/kg", "0.0000", 1.0, true},
        {"cp", "比定压热容", "cp", "kJ/(kg·K)", "0.000000"},
        {"cv", "比定容热容", "cv", "kJ/(kg·K)", "0.000000"},
        {"w", "声速", "w", "m/s", "0.00"},
        {"kappa", "等熵指数", "κ", "1", "0.000000"},
        {"mu", "动力黏度", "μ", "μPa·s", "0.0000", 1e6},
        {"lambda", "导热系数", "λ", "W/(m·K)", "0.000000"},
        {"nu", "运动黏度", "ν", "mm²/s", "0.000000", 1e6},
        {"Pr", "普朗特数", "Pr", "1", "0.0000"},
    };
    return all;
}

// Two columns of eight lines below the inputs.
constexpr int kCaptionLeft[2] = {120, 4440};
constexpr int kValueLeft[2] = {1740, 6060};
constexpr int kValueWidth = 1320;
constexpr int kResultTop = 2760;
constexpr int kPitch = 405;
constexpr int kValueHeight = 315;
constexpr int kInputHeight = 375;
constexpr int kPerColumn = 8;

void add_input(std::vector<ControlDesc>& controls, const char* name, const char* caption, const char* unit, int top,
               ControlDesc box) {
    controls.push_back(label(std::string("Label_") + name, caption, {120, top + 60, 1560, 255}, Align::Right));
    controls.push_back(std::move(box));
    controls.push_back(label(std::string("Unit_") + name, unit, {3120, top + 60, 1080, 255}));
}

ControlDesc typed(const char* name, Twips rect, Meaning meaning) {
    return with_meaning(text_box(name, "", rect), std::move(meaning));
}

// The pressure read and made absolute, then the state from it and the second
// quantity: for (p, t) water below the saturation temperature, steam from it on.
Outcome press(const Fields& f, props::WaterSteam& water, const char* second) {
    const ScreenDesc& desc = form16();
    const double pa = read_field(desc, f, "Text7");
    const double p = read_gauge_pressure(desc, f, "Text1", pa) + pa;
    const double b = read_field(desc, f, second);
    Selector select;
    if (std::string_view(second) == "Text2") {
        const bool steam = !(b < water.saturation_line_t(p));
        // The whole set in one evaluation; a failing state fails here.
        const props::PropertySet set = steam ? water.pswA_ptstm_all(p, b) : water.pswA_ptwtr_all(p, b);
        select = [set](std::string_view name) { return props::Selected(props::set_member(set, name)); };
    } else if (std::string_view(second) == "Text3") {
        select = [&water, p, b](std::string_view name) { return water.pswA_ph(name, p, b); };
    } else {
        select = [&water, p, b](std::string_view name) { return water.pswA_ps(name, p, b); };
    }
    return property_outcome(lines(), select, water);
}

EventBinding calculation(const char* event, const char* second) {
    return compute(event, {"Text1", second, "Text7"}, property_fields(lines()),
                   [second](const Fields& f, props::WaterSteam& water) { return press(f, water, second); });
}

}  // namespace

const ScreenDesc& form16() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form16, "全部物性", 8640, 6690, {}, {}, "Command3_Click"};
        std::vector<ControlDesc>& c = d.controls;
        add_input(c, "Text1", "压力（表压）：", "MPa", 240,
                  typed("Text1", {1740, 240, kValueWidth, kInputHeight}, input("压力", "MPa", PressureKind::Gauge)));
        add_input(c, "Text7", "大气压值：", "MPa", 720,
                  with_meaning(text_box("Text7", "0.0983", {1740, 720, kValueWidth, kInputHeight}, Align::Left, kRed),
                               atmospheric()));
        Meaning t = input("温度", "℃");
        t.domain = Domain::WaterTemperature;
        add_input(c, "Text2", "温度：", "℃", 1200, typed("Text2", {1740, 1200, kValueWidth, kInputHeight}, t));
        add_input(c, "Text3", "比焓：", "kJ/kg", 1680,
                  typed("Text3", {1740, 1680, kValueWidth, kInputHeight}, input("比焓", "kJ/kg")));
        add_input(c, "Text4", "比熵：", "kJ/(kg·K)", 2160,
                  typed("Text4", {1740, 2160, kValueWidth, kInputHeight}, input("比熵", "kJ/(kg·K)")));
        // A "计算" beside each second quantity: the state from p and that row.
        c.push_back(button("Command1", "计算", {4260, 1200, 855, kInputHeight}));
        c.push_back(button("Command2", "计算", {4260, 1680, 855, kInputHeight}));
        c.push_back(button("Command4", "计算", {4260, 2160, 855, kInputHeight}));
        c.push_back(message_line({5400, 480, 3120, 2055}));
        for (ControlDesc& row : property_columns(lines(), {kResultTop,
                                                           kPitch,
                                                           kPerColumn,
                                                           {kCaptionLeft[0], kCaptionLeft[1]},
                                                           {kValueLeft[0], kValueLeft[1]},
                                                           kValueWidth,
                                                           kValueHeight}))
            c.push_back(std::move(row));
        c.push_back(button("Command3", "返回", {7620, 6120, kBackWidth, kBackHeight}));
        d.events = {
            calculation("Command1_Click", "Text2"),
            calculation("Command2_Click", "Text3"),
            calculation("Command4_Click", "Text4"),
            {"Command3_Click", navigate_to(ScreenId::Form10)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::steamcalc
