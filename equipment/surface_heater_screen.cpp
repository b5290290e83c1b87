// Screen Form6 ("表面式加热器计算画面"): the steam condenses on the heating
// surface and leaves as drain; the water it heats never touches it.
#include "equipment/surface_heater_screen.h"

#include "equipment/field_layout.h"
#include "equipment/screens.h"
#include "equipment/stream_enthalpy.h"
#include "props/saturation.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"

namespace entalix::equipment {

using namespace shell;

std::string surface_heater_flow(double hs, double hwi, double hwo, double hd, double G) {
    // D (hs - hd) = G (hwo - hwi): what the steam gives up down to the drain
    // state heats the water.
    if (hs == hd) throw ArithmeticFault("进汽焓等于疏水焓，无法计算");
    return FormatWithPattern(checked_finite((hwo - hwi) / (hs - hd) * G), "0.0000");
}

std::string SurfaceHeaterBalance(const Fields& f) {
    const double pa = ParseLeadingNumber(f.text("Text9"));
    props::SteamProperties properties;
    const double hs = StreamEnthalpy(properties, f, "Text2", "Text1", pa);
    const double hwi = StreamEnthalpy(properties, f, "Text3", "Text4", pa);
    const double hwo = StreamEnthalpy(properties, f, "Text5", "Text6", pa);
    // The drain is saturated water at its own temperature, whatever the
    // atmosphere; taken just below saturation so that the water equation applies.
    const double td = ParseLeadingNumber(f.text("Text8"));
    const double pd = props::pswsat_p(td);
    const double hd = properties.pswh_ptwtr(pd, td - 0.01);
    const double G = ParseLeadingNumber(f.text("Text7"));
    return surface_heater_flow(hs, hwi, hwo, hd, G);
}

namespace {

constexpr int kW = 975;
constexpr int kH = 315;

ControlDesc box(const char* name, int left, int top) { return input_box(name, "0", {left, top, kW, kH}); }
ControlDesc pressure(const char* name, int left, int top) { return gauge_box(name, "0", {left, top, kW, kH}); }

}  // namespace

const ScreenDesc& form6() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form6, "表面式加热器计算画面", 8415, 5580, {}, {}, "Command1_Click"};
        d.controls.push_back(picture_box("surface_heater", {120, 120, 8055, 4815}));
        for (ControlDesc& c :
             field_rows("Picture1", {
                                        {"出水温度", box("Text6", 1440, 120), "℃"},
                                        {"出水压力", pressure("Text5", 1440, 420), "MPa"},
                                        {"进汽温度", box("Text1", 6600, 420), "℃"},
                                        {"进汽压力", pressure("Text2", 6600, 720), "MPa"},
                                        {"进汽流量", result_label("jqll", "", {6600, 1080, kW, kH}, "0.0000"), "t/h"},
                                        {"大气压值", atmospheric_box("Text9", {6600, 2160, kW, 375}), "MPa"},
                                        {"进水温度", box("Text4", 6480, 3600), "℃"},
                                        {"进水压力", pressure("Text3", 6480, 3900), "MPa"},
                                        {"进水流量", box("Text7", 6480, 4200), "t/h"},
                                        {"疏水温度", box("Text8", 2160, 4080), "℃"},
                                    }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {6240, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command1", "返回", {7320, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(message_line({120, 5100, 6000, 375}));
        d.events = {
            compute("Command2_Click", {"Text9", "Text2", "Text1", "Text3", "Text4", "Text5", "Text6", "Text8", "Text7"},
                    {"jqll"},
                    [](const Fields& f) {
                        Outcome outcome;
                        outcome.texts = {{"jqll", SurfaceHeaterBalance(f)}};
                        return outcome;
                    }),
            {"Command1_Click", navigate_to(ScreenId::Form3)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
