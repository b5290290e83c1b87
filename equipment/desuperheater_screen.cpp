// Screen Form7 ("减温器计算画面"): water injected into superheated steam brings
// it down to the temperature of the supplied steam.
#include "equipment/desuperheater_screen.h"

#include "equipment/balance_check.h"
#include "equipment/chart_button.h"
#include "equipment/field_layout.h"
#include "equipment/screens.h"
#include "equipment/stream_enthalpy.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

namespace {

struct DesuperheaterFlows {
    double Din;  // incoming steam, t/h
    double W;    // desuperheating water, t/h
    DesuperheaterTexts texts;
};

DesuperheaterFlows flows_of(double hin, double hw, double hout, double G) {
    // Din + W = G and Din hin + W hw = G hout.
    if (hin == hw) throw ArithmeticFault("进汽焓等于减温水焓，无法计算");
    const double Din = checked_finite((hout - hw) / (hin - hw) * G);
    const double W = checked_finite(G - Din);
    const std::string why = hout > hin  ? "：供汽焓高于进汽焓"
                            : hout < hw ? "：供汽焓低于减温水焓"
                            : hin < hw  ? "：进汽焓低于减温水焓"
                                        : "：供汽流量为负";
    return {Din,
            W,
            {format_not_negative(Din, "0.0000", std::string(kNoBalance) + "算得进汽流量为负" + why),
             format_not_negative(W, "0.0000", std::string(kNoBalance) + "算得减温水流量为负" + why)}};
}

}  // namespace

DesuperheaterTexts desuperheater_flows(double hin, double hw, double hout, double G) {
    return flows_of(hin, hw, hout, G).texts;
}

DesuperheaterTexts DesuperheaterBalance(const Fields& f, props::WaterSteam& properties, std::string* warning) {
    const ScreenDesc& desc = form7();
    const double pa = read_field(desc, f, "Text9");
    const Stream in = read_stream(properties, desc, f, "Text2", "Text1", pa, {"进汽", true});
    const Stream water = read_stream(properties, desc, f, "Text4", "Text3", pa, {"减温水", false});
    const Stream out = read_stream(properties, desc, f, "Text6", "Text5", pa, {"供汽", true});
    const double G = read_field(desc, f, "Text7");
    check_phase({&in, &water, &out});
    std::vector<std::string> causes;
    if (out.t > in.t)
        causes.push_back("供汽温度（" + celsius(out.t) + "）高于进汽温度（" + celsius(in.t) + "），喷水不会使蒸汽变热");
    if (out.p > in.p)
        causes.push_back("供汽压力（" + megapascal(out.pg) + "）高于进汽压力（" + megapascal(in.pg) +
                         "），减温器不会升压");
    if (out.t < water.t)
        causes.push_back("供汽温度（" + celsius(out.t) + "）低于减温水温度（" + celsius(water.t) + "）");
    refuse_balance(causes);
    const DesuperheaterFlows flows = flows_of(in.h, water.h, out.h, G);
    entropy_production({{flows.Din, stream_entropy(properties, in)}, {flows.W, stream_entropy(properties, water)}},
                       {{G, stream_entropy(properties, out)}});
    if (warning != nullptr) *warning = properties.warning();
    return flows.texts;
}

namespace {

constexpr int kW = 975;
constexpr int kH = 315;

ControlDesc box(const char* name, int left, int top, Domain domain) {
    return with_domain(input_box(name, "0", {left, top, kW, kH}), domain);
}
ControlDesc pressure(const char* name, int left, int top) { return gauge_box(name, "0", {left, top, kW, kH}); }

}  // namespace

const ScreenDesc& form7() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form7, "减温器计算画面", 9240, 5580, {}, {}, "Command1_Click"};
        d.controls.push_back(picture_box("desuperheater", {120, 120, 9015, 4695}));
        for (ControlDesc& c : field_rows(
                 "Picture1", {
                                 {"减温水温度", box("Text3", 1800, 360, Domain::WaterTemperature), "℃"},
                                 {"减温水压力", pressure("Text4", 1800, 660), "MPa"},
                                 {"减温水流量", result_label("jwsll", "", {1800, 1020, kW, kH}, "0.0000"), "t/h"},
                                 {"大气压值", atmospheric_box("Text9", {7200, 600, kW, 375}), "MPa"},
                                 {"进汽温度", box("Text1", 1440, 3360, Domain::WaterTemperature), "℃"},
                                 {"进汽压力", pressure("Text2", 1440, 3660), "MPa"},
                                 {"进汽流量", result_label("jqll", "", {1440, 4020, kW, kH}, "0.0000"), "t/h"},
                                 {"供汽温度", box("Text5", 7320, 3240, Domain::WaterTemperature), "℃"},
                                 {"供汽压力", pressure("Text6", 7320, 3540), "MPa"},
                                 {"供汽流量", box("Text7", 7320, 3840, Domain::Positive), "t/h"},
                             }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {6960, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command1", "返回", {8040, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(chart_button("Command3", 5820, 5040));
        d.controls.push_back(message_line({120, 5040, 5640, 480}));
        d.events = {
            compute("Command2_Click", {"Text9", "Text2", "Text1", "Text4", "Text3", "Text6", "Text5", "Text7"},
                    {"jqll", "jwsll"},
                    [](const Fields& f, props::WaterSteam& water) {
                        Outcome outcome;
                        DesuperheaterTexts r = DesuperheaterBalance(f, water, &outcome.warning);
                        outcome.texts = {{"jqll", std::move(r.jqll)}, {"jwsll", std::move(r.jwsll)}};
                        return outcome;
                    }),
            // The steam and the spray water mix to the outlet steam.
            chart_event("Command3_Click", {"Text9", "Text2", "Text1", "Text6", "Text5", "Text4", "Text3"},
                        [](const Fields& f) {
                            const double pa = read_field(form7(), f, "Text9");
                            const auto p = [&](const char* field) {
                                return read_gauge_pressure(form7(), f, field, pa) + pa;
                            };
                            const auto t = [&](const char* field) { return read_field(form7(), f, field); };
                            return ChartProcess{{{"进汽", 'p', p("Text2"), 't', t("Text1")},
                                                 {"出汽", 'p', p("Text6"), 't', t("Text5")},
                                                 {"减温水", 'p', p("Text4"), 't', t("Text3")}}};
                        }),
            {"Command1_Click", navigate_to(ScreenId::Form3)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
