// Screen Form6 ("表面式加热器计算画面"): the steam condenses on the heating
// surface and leaves as drain; the water it heats never touches it.
#include "equipment/surface_heater_screen.h"

#include "equipment/balance_check.h"
#include "equipment/chart_button.h"
#include "equipment/field_layout.h"
#include "equipment/screens.h"
#include "equipment/stream_enthalpy.h"
#include "shell/errors.h"
#include "shell/field_ranges.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

namespace {

struct SurfaceFlow {
    double D;  // heating steam, t/h
    std::string text;
};

SurfaceFlow surface_flow(double hs, double hwi, double hwo, double hd, double G) {
    // D (hs - hd) = G (hwo - hwi): what the steam gives up down to the drain
    // state heats the water.
    if (hs == hd) throw ArithmeticFault("进汽焓等于疏水焓，无法计算");
    const double D = checked_finite((hwo - hwi) / (hs - hd) * G);
    const std::string why = hs < hd     ? "：进汽焓低于疏水焓"
                            : hwo < hwi ? "：出水焓低于进水焓，水在加热器中不会变冷"
                                        : "：进水流量为负";
    return {D, format_not_negative(D, "0.0000", std::string(kNoBalance) + "算得进汽流量为负" + why)};
}

// Saturated water exists only up to the critical point: a drain hotter than
// that is refused by its own field, in the words of the saturation line.
void check_drain_temperature(const Fields& f, double td) {
    const Meaning saturation{Role::Input, "饱和温度", "℃"};
    const std::optional<AllowedRange> range = allowed_range(saturation, f.formulation());
    if (range && td > range->high)
        throw OutOfDomain("“疏水温度”须在" + range_text(saturation, f.formulation()) + "之间（疏水为饱和水，现为“" +
                          quoted_text(f.text("Text8")) + "”）");
}

}  // namespace

std::string surface_heater_flow(double hs, double hwi, double hwo, double hd, double G) {
    return surface_flow(hs, hwi, hwo, hd, G).text;
}

std::string SurfaceHeaterBalance(const Fields& f, props::WaterSteam& properties, std::string* warning) {
    const ScreenDesc& desc = form6();
    const double pa = read_field(desc, f, "Text9");
    const Stream steam = read_stream(properties, desc, f, "Text2", "Text1", pa, {"加热蒸汽", true});
    const Stream water_in = read_stream(properties, desc, f, "Text3", "Text4", pa, {"进水", false});
    const Stream water_out = read_stream(properties, desc, f, "Text5", "Text6", pa, {"出水", false});
    // The drain is saturated water at its own temperature, whatever the
    // atmosphere; taken 0.01 K below saturation so that the water equation
    // applies. At the melting point nothing lies below: there the pressure is
    // raised to that of saturation 0.01 K higher instead.
    const double td = read_field(desc, f, "Text8");
    check_drain_temperature(f, td);
    const double tw = td >= 0.01 ? td - 0.01 : td;
    const double pd = properties.saturation_line_p(td >= 0.01 ? td : td + 0.01);
    const double hd = properties.pswh_ptwtr(pd, tw);
    const double G = read_field(desc, f, "Text7");
    check_phase({&steam, &water_in, &water_out});
    std::vector<std::string> causes;
    if (!(water_out.t < steam.t))
        causes.push_back("出水温度（" + celsius(water_out.t) + "）不低于进汽温度（" + celsius(steam.t) +
                         "），蒸汽不能把水加热到比自己还热");
    if (td > steam.t) causes.push_back("疏水温度（" + celsius(td) + "）高于进汽温度（" + celsius(steam.t) + "）");
    if (td < water_in.t)
        causes.push_back("疏水温度（" + celsius(td) + "）低于进水温度（" + celsius(water_in.t) +
                         "），疏水不会比冷却它的水还冷");
    refuse_balance(causes);
    const SurfaceFlow flow = surface_flow(steam.h, water_in.h, water_out.h, hd, G);
    const double sd = props::selected_number(properties.pswA_ptwtr("s", pd, tw));
    entropy_production({{flow.D, stream_entropy(properties, steam)}, {G, stream_entropy(properties, water_in)}},
                       {{flow.D, sd}, {G, stream_entropy(properties, water_out)}});
    if (warning != nullptr) *warning = properties.warning();
    return flow.text;
}

namespace {

constexpr int kW = 975;
constexpr int kH = 315;

ControlDesc box(const char* name, int left, int top, Domain domain) {
    return with_domain(input_box(name, "0", {left, top, kW, kH}), domain);
}
ControlDesc pressure(const char* name, int left, int top) { return gauge_box(name, "0", {left, top, kW, kH}); }

}  // namespace

const ScreenDesc& form6() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form6, "表面式加热器计算画面", 8415, 5580, {}, {}, "Command1_Click"};
        d.controls.push_back(picture_box("surface_heater", {120, 120, 8055, 4815}));
        for (ControlDesc& c :
             field_rows("Picture1", {
                                        {"出水温度", box("Text6", 1440, 120, Domain::WaterTemperature), "℃"},
                                        {"出水压力", pressure("Text5", 1440, 420), "MPa"},
                                        {"进汽温度", box("Text1", 6600, 420, Domain::WaterTemperature), "℃"},
                                        {"进汽压力", pressure("Text2", 6600, 720), "MPa"},
                                        {"进汽流量", result_label("jqll", "", {6600, 1080, kW, kH}, "0.0000"), "t/h"},
                                        {"大气压值", atmospheric_box("Text9", {6600, 2160, kW, 375}), "MPa"},
                                        {"进水温度", box("Text4", 6480, 3600, Domain::WaterTemperature), "℃"},
                                        {"进水压力", pressure("Text3", 6480, 3900), "MPa"},
                                        {"进水流量", box("Text7", 6480, 4200, Domain::Positive), "t/h"},
                                        {"疏水温度", box("Text8", 2160, 4080, Domain::WaterTemperature), "℃"},
                                    }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {6240, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command1", "返回", {7320, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(chart_button("Command3", 5100, 5040));
        d.controls.push_back(message_line({120, 5100, 4920, 480}));
        d.events = {
            compute("Command2_Click", {"Text9", "Text2", "Text1", "Text3", "Text4", "Text5", "Text6", "Text8", "Text7"},
                    {"jqll"},
                    [](const Fields& f, props::WaterSteam& water) {
                        Outcome outcome;
                        outcome.texts = {{"jqll", SurfaceHeaterBalance(f, water, &outcome.warning)}};
                        return outcome;
                    }),
            // The heating steam condenses to its drain; the feed water warms up.
            chart_event(
                "Command3_Click", {"Text9", "Text2", "Text1", "Text8", "Text3", "Text4", "Text5", "Text6"},
                [](const Fields& f) {
                    const double pa = read_field(form6(), f, "Text9");
                    const auto p = [&](const char* field) { return read_gauge_pressure(form6(), f, field, pa) + pa; };
                    const auto t = [&](const char* field) { return read_field(form6(), f, field); };
                    return ChartProcess{
                        {{"进汽", 'p', p("Text2"), 't', t("Text1")}, {"疏水", 't', t("Text8"), 'x', 0}},
                        {{"进水", 'p', p("Text3"), 't', t("Text4")}, {"出水", 'p', p("Text5"), 't', t("Text6")}}};
                }),
            {"Command1_Click", navigate_to(ScreenId::Form3)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
