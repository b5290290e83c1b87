// Screen Form17 ("饱和表"): the saturated water and the saturated steam at a
// typed saturation temperature or gauge pressure, side by side, with the
// latent heat and the surface tension. The pressure is made absolute with the
// screen's own atmospheric pressure.
#include "equipment/screens.h"
#include "props/water_steam.h"
#include "shell/menus.h"
#include "shell/property_table.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

namespace {

// Single lines first, then the pairs: the saturated water on the left, the
// saturated steam on the right, the caption on the water's side.
const std::vector<PropertyLine>& single_lines() {
    static const std::vector<PropertyLine> lines{
        {"p", "饱和压力（绝压）", "p", "MPa", "0.000000", 1.0, true},
        {"t", "饱和温度", "t", "℃", "0.0000", 1.0, true},
    };
    return lines;
}
const std::vector<PropertyLine>& water_lines() {
    static const std::vector<PropertyLine> lines{
        {"v1", "饱和水比容", "v", "m³/kg", "0.000000", 1.0, true},
        {"rho1", "饱和水密度", "ρ", "kg/m³", "0.0000", 1.0, true},
        {"h1", "饱和水比焓", "h", "kJ/kg", "0.0000", 1.0, true},
        {"s1", "饱和水比熵", "s", "kJ/(kg·K)", "0.000000", 1.0, true},
        {"cp1", "饱和水比定压热容", "cp", "kJ/(kg·K)", "0.000000"},
        {"w1", "饱和水声速", "w", "m/s", "0.00"},
        {"mu1", "饱和水动力黏度", "μ", "μPa·s", "0.0000", 1e6},
        {"lambda1", "饱和水导热系数", "λ", "W/(m·K)", "0.000000"},
    };
    return lines;
}
const std::vector<PropertyLine>& steam_lines() {
    static const std::vector<PropertyLine> lines{
        {"v2", "饱和蒸汽比容", "v", "m³/kg", "0.000000", 1.0, true},
        {"rho2", "饱和蒸汽密度", "ρ", "kg/m³", "0.0000", 1.0, true},
        {"h2", "饱和蒸汽比焓", "h", "kJ/kg", "0.0000", 1.0, true},
        {"s2", "饱和蒸汽比熵", "s", "kJ/(kg·K)", "0.000000", 1.0, true},
        {"cp2", "饱和蒸汽比定压热容", "cp", "kJ/(kg·K)", "0.000000"},
        {"w2", "饱和蒸汽声速", "w", "m/s", "0.00"},
        {"mu2", "饱和蒸汽动力黏度", "μ", "μPa·s", "0.0000", 1e6},
        {"lambda2", "饱和蒸汽导热系数", "λ", "W/(m·K)", "0.000000"},
    };
    return lines;
}
const std::vector<PropertyLine>& closing_lines() {
    static const std::vector<PropertyLine> lines{
        {"r", "汽化潜热", "r", "kJ/kg", "0.0000", 1.0, true},
        {"sigma", "表面张力", "σ", "mN/m", "0.0000", 1e3},
    };
    return lines;
}
const std::vector<PropertyLine>& all_lines() {
    static const std::vector<PropertyLine> lines = [] {
        std::vector<PropertyLine> all;
        for (const auto* part : {&single_lines(), &water_lines(), &steam_lines(), &closing_lines()})
            all.insert(all.end(), part->begin(), part->end());
        return all;
    }();
    return lines;
}

constexpr int kCaptionLeft = 120;
constexpr int kWaterLeft = 2340;
constexpr int kSteamLeft = 3780;
constexpr int kValueWidth = 1320;
constexpr int kValueHeight = 315;
constexpr int kInputHeight = 375;
constexpr int kPitch = 405;
constexpr int kTableTop = 1800;

// The caption of a pair names the quantity alone; the column heads say which side.
PropertyLine pair_caption(PropertyLine water) {
    constexpr std::string_view prefix = "饱和水";
    water.quantity += prefix.size();
    return water;
}

void add_input(std::vector<ControlDesc>& controls, const char* name, const char* caption, const char* unit, int top,
               ControlDesc box) {
    controls.push_back(label(std::string("Label_") + name, caption, {120, top + 60, 2160, 255}, Align::Right));
    controls.push_back(std::move(box));
    controls.push_back(label(std::string("Unit_") + name, unit, {3720, top + 60, 720, 255}));
}

Outcome from_temperature(const Fields& f, props::WaterSteam& water) {
    const double t = read_field(form17(), f, "Text1");
    return property_outcome(
        all_lines(), [&water, t](std::string_view name) { return water.pswA_sat_t(name, t); }, water);
}

Outcome from_pressure(const Fields& f, props::WaterSteam& water) {
    const double pa = read_field(form17(), f, "Text7");
    const double p = read_gauge_pressure(form17(), f, "Text2", pa) + pa;
    return property_outcome(
        all_lines(), [&water, p](std::string_view name) { return water.pswA_sat_p(name, p); }, water);
}

}  // namespace

const ScreenDesc& form17() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form17, "饱和表", 7560, 7770, {}, {}, "Command3_Click"};
        std::vector<ControlDesc>& c = d.controls;
        Meaning t = input("饱和温度", "℃");
        t.domain = Domain::WaterTemperature;
        add_input(c, "Text1", "饱和温度：", "℃", 240,
                  with_meaning(text_box("Text1", "", {kWaterLeft, 240, kValueWidth, kInputHeight}), t));
        add_input(c, "Text2", "饱和压力（表压）：", "MPa", 720,
                  with_meaning(text_box("Text2", "", {kWaterLeft, 720, kValueWidth, kInputHeight}),
                               input("饱和压力", "MPa", PressureKind::Gauge)));
        add_input(
            c, "Text7", "大气压值：", "MPa", 1200,
            with_meaning(text_box("Text7", "0.0983", {kWaterLeft, 1200, kValueWidth, kInputHeight}, Align::Left, kRed),
                         atmospheric()));
        // Like the saturation screen: one button from the temperature, one from the pressure.
        c.push_back(button("Command1", "计算", {4500, 240, 855, kInputHeight}));
        c.push_back(button("Command2", "计算", {4500, 720, 855, kInputHeight}));
        c.push_back(message_line({5520, 480, 1920, 1200}));

        int top = kTableTop;
        for (const PropertyLine& line : single_lines()) {
            for (ControlDesc& row : property_row(line, {kWaterLeft, top, kValueWidth, kValueHeight}, kCaptionLeft))
                c.push_back(std::move(row));
            top += kPitch;
        }
        c.push_back(label("Label_water", "饱和水", {kWaterLeft, top + 60, kValueWidth, 255}, Align::Center));
        c.push_back(label("Label_steam", "饱和蒸汽", {kSteamLeft, top + 60, kValueWidth, 255}, Align::Center));
        top += kPitch;
        for (std::size_t i = 0; i < water_lines().size(); ++i) {
            // The unit stands right of the steam's column.
            std::vector<ControlDesc> row = property_row(pair_caption(water_lines()[i]),
                                                        {kWaterLeft, top, kValueWidth, kValueHeight}, kCaptionLeft);
            row[1] = property_value(water_lines()[i], row[1].rect);
            row[2].rect.left += kSteamLeft - kWaterLeft;
            for (ControlDesc& control : row) c.push_back(std::move(control));
            c.push_back(property_value(steam_lines()[i], {kSteamLeft, top, kValueWidth, kValueHeight}));
            top += kPitch;
        }
        for (const PropertyLine& line : closing_lines()) {
            for (ControlDesc& row : property_row(line, {kWaterLeft, top, kValueWidth, kValueHeight}, kCaptionLeft))
                c.push_back(std::move(row));
            top += kPitch;
        }
        c.push_back(button("Command3", "返回", {6540, 7200, kBackWidth, kBackHeight}));
        const std::vector<std::string> written = property_fields(all_lines());
        d.events = {
            compute("Command1_Click", {"Text1"}, written, from_temperature),
            compute("Command2_Click", {"Text2", "Text7"}, written, from_pressure),
            {"Command3_Click", navigate_to(ScreenId::Form10)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
