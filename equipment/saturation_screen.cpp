// The saturation screen Form8. Pressures are gauge, made absolute with the
// screen's own atmospheric pressure.
#include "equipment/saturation_screen.h"

#include "base/property_error.h"
#include "equipment/chart_button.h"
#include "props/validity.h"
#include "props/water_steam.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

namespace {

inline constexpr const char* kError = "错误";
// The saturation line ends at the critical temperature. With IFC-67 the limits
// themselves give "错误", and the pressure limit lies a little above the critical
// pressure of the line (22.11988 MPa); IAPWS-IF97's line reaches its critical
// point (373.946 degC, 22.064 MPa) inclusive.
inline constexpr double kTemperatureLimit = 374.15;
inline constexpr double kAbsolutePressureLimit = 22.129;

bool if97(props::WaterSteam& w) { return w.formulation() == props::Formulation::IF97; }
bool beyond_temperature(props::WaterSteam& w, double t) {
    return if97(w) ? t > props::kIf97CriticalTemperature : t >= kTemperatureLimit;
}
bool beyond_pressure(props::WaterSteam& w, double p) {
    return if97(w) ? p > props::kIf97CriticalPressure : p >= kAbsolutePressureLimit;
}
const char* temperature_limit_message(props::WaterSteam& w) {
    return if97(w) ? "饱和温度须不高于373.946℃（IAPWS-IF97临界温度）" : "饱和温度须低于374.15℃";
}
const char* pressure_limit_message(props::WaterSteam& w) {
    return if97(w) ? "绝对压力须不超过22.064 MPa（IAPWS-IF97临界压力）" : "绝对压力须低于22.129 MPa";
}

// Runs one arrow button: a property failure also shows "错误" in the output field.
using Arrow = std::string (*)(std::string_view, std::string_view, props::WaterSteam&, std::string*);
Outcome arrow(const std::string& output, Arrow calculate, std::string_view input, std::string_view atmospheric,
              props::WaterSteam& w, const char* limit_message) {
    Outcome outcome;
    try {
        outcome.texts = {{output, calculate(input, atmospheric, w, &outcome.warning)}};
    } catch (const props::PropertyError&) {
        outcome.texts = {{output, kError}};
        outcome.warning.clear();
        outcome.message = current_failure_message();
        return outcome;
    }
    if (outcome.texts.front().second == kError) outcome.message = limit_message;
    return outcome;
}

}  // namespace

std::string SatGaugePressureFromTemperature(std::string_view temperature, std::string_view atmospheric,
                                            props::WaterSteam& properties, std::string* warning) {
    const double t = read_field(form8(), "Text1", temperature);
    if (beyond_temperature(properties, t)) return kError;
    const double p = properties.pswsat_p(t);
    if (warning != nullptr) *warning = properties.warning();
    const double pa = read_field(form8(), "Text7", atmospheric);
    return FormatWithPattern(p - pa, "0.0000");
}

std::string SatTemperatureFromGaugePressure(std::string_view gauge_pressure, std::string_view atmospheric,
                                            props::WaterSteam& properties, std::string* warning) {
    const double pa = read_field(form8(), "Text7", atmospheric);
    const double pg = read_gauge_pressure(form8(), "Text2", gauge_pressure, pa);
    const double pabs = pg + pa;
    if (beyond_pressure(properties, pabs)) return kError;
    const double t = properties.pswsat_t(pabs);
    if (warning != nullptr) *warning = properties.warning();
    return FormatWithPattern(t, "0.0000");
}

const ScreenDesc& form8() {
    static const ScreenDesc desc{
        ScreenId::Form8,
        "饱和参数",
        4635,
        3135,
        {
            label("Label1(3)", "饱和压力：", {1800, 360, 1215, 255}),
            // Each of the two fields is typed into, and written by the other's arrow.
            with_meaning(text_box("Text2", "0", {3000, 240, 975, 375}),
                         {Role::Input, "饱和压力", "MPa", PressureKind::Gauge, "0.0000"}),
            label("Label2(4)", "MPa", {3960, 360, 495, 375}),
            button("Command2", "↓", {3000, 720, 255, 735}),
            button("Command1", "↑", {3720, 720, 255, 735}),
            label("Label1(2)", "大气压值：", {0, 960, 1215, 255}),
            with_meaning(text_box("Text7", "0.0983", {1200, 840, 975, 375}, Align::Left, kRed), atmospheric()),
            label("Label2(7)", "MPa", {2160, 960, 495, 255}),
            label("Label1(1)", "饱和温度：", {1800, 1680, 1215, 255}),
            with_meaning(text_box("Text1", "0", {3000, 1560, 975, 375}),
                         {Role::Input, "饱和温度", "℃", PressureKind::None, "0.0000", Domain::WaterTemperature}),
            label("Label2(1)", "℃", {3960, 1680, 375, 375}),
            button("Command3", "返回", {120, 1800, kBackWidth, kBackHeight}),
            button("Command4", "焓熵图", {120, 1290, kBackWidth, 420}),
            // A line of its own under the fields, as wide as the window.
            message_line({120, 2340, 4395, 735}),
        },
        {
            compute("Command1_Click", {"Text1", "Text7"}, {"Text2"},
                    [](const Fields& f, props::WaterSteam& water) {
                        return arrow("Text2", SatGaugePressureFromTemperature, f.text("Text1"), f.text("Text7"), water,
                                     temperature_limit_message(water));
                    }),
            compute("Command2_Click", {"Text2", "Text7"}, {"Text1"},
                    [](const Fields& f, props::WaterSteam& water) {
                        return arrow("Text1", SatTemperatureFromGaugePressure, f.text("Text2"), f.text("Text7"), water,
                                     pressure_limit_message(water));
                    }),
            {"Command3_Click", navigate_to(ScreenId::Form1)},
            // Saturated water and steam at the pressure shown, joined by their isobar.
            chart_event("Command4_Click", {"Text2", "Text7"},
                        [](const Fields& f) {
                            const double pa = read_field(form8(), f, "Text7");
                            const double p = read_gauge_pressure(form8(), f, "Text2", pa) + pa;
                            return ChartProcess{{{"饱和水", 'p', p, 'x', 0}, {"饱和汽", 'p', p, 'x', 1}}};
                        }),
        },
        "Command3_Click",
    };
    return desc;
}

}  // namespace entalix::equipment
