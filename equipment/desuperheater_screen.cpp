// Screen Form7 ("减温器计算画面"): water injected into superheated steam brings
// it down to the temperature of the supplied steam.
#include "equipment/desuperheater_screen.h"

#include "equipment/field_layout.h"
#include "equipment/screens.h"
#include "equipment/stream_enthalpy.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"

namespace entalix::equipment {

using namespace shell;

DesuperheaterTexts desuperheater_flows(double hin, double hw, double hout, double G) {
    // Din + W = G and Din hin + W hw = G hout.
    if (hin == hw) throw ArithmeticFault("进汽焓等于减温水焓，无法计算");
    const double Din = checked_finite((hout - hw) / (hin - hw) * G);
    const double W = checked_finite(G - Din);
    return {FormatWithPattern(Din, "0.0000"), FormatWithPattern(W, "0.0000")};
}

DesuperheaterTexts DesuperheaterBalance(const Fields& f) {
    const double pa = ParseLeadingNumber(f.text("Text9"));
    props::SteamProperties properties;
    const double hin = StreamEnthalpy(properties, f, "Text2", "Text1", pa);
    const double hw = StreamEnthalpy(properties, f, "Text4", "Text3", pa);
    const double hout = StreamEnthalpy(properties, f, "Text6", "Text5", pa);
    const double G = ParseLeadingNumber(f.text("Text7"));
    return desuperheater_flows(hin, hw, hout, G);
}

namespace {

constexpr int kW = 975;
constexpr int kH = 315;

ControlDesc box(const char* name, int left, int top) { return input_box(name, "0", {left, top, kW, kH}); }
ControlDesc pressure(const char* name, int left, int top) { return gauge_box(name, "0", {left, top, kW, kH}); }

}  // namespace

const ScreenDesc& form7() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form7, "减温器计算画面", 9240, 5580, {}, {}, "Command1_Click"};
        d.controls.push_back(picture_box("desuperheater", {120, 120, 9015, 4695}));
        for (ControlDesc& c : field_rows(
                 "Picture1", {
                                 {"减温水温度", box("Text3", 1800, 360), "℃"},
                                 {"减温水压力", pressure("Text4", 1800, 660), "MPa"},
                                 {"减温水流量", result_label("jwsll", "", {1800, 1020, kW, kH}, "0.0000"), "t/h"},
                                 {"大气压值", atmospheric_box("Text9", {7200, 600, kW, 375}), "MPa"},
                                 {"进汽温度", box("Text1", 1440, 3360), "℃"},
                                 {"进汽压力", pressure("Text2", 1440, 3660), "MPa"},
                                 {"进汽流量", result_label("jqll", "", {1440, 4020, kW, kH}, "0.0000"), "t/h"},
                                 {"供汽温度", box("Text5", 7320, 3240), "℃"},
                                 {"供汽压力", pressure("Text6", 7320, 3540), "MPa"},
                                 {"供汽流量", box("Text7", 7320, 3840), "t/h"},
                             }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {6960, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command1", "返回", {8040, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(message_line({120, 5040, 6720, 375}));
        d.events = {
            compute("Command2_Click", {"Text9", "Text2", "Text1", "Text4", "Text3", "Text6", "Text5", "Text7"},
                    {"jqll", "jwsll"},
                    [](const Fields& f) {
                        DesuperheaterTexts r = DesuperheaterBalance(f);
                        Outcome outcome;
                        outcome.texts = {{"jqll", std::move(r.jqll)}, {"jwsll", std::move(r.jwsll)}};
                        return outcome;
                    }),
            {"Command1_Click", navigate_to(ScreenId::Form3)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
