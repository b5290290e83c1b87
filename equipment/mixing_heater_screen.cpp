// Screen Form5 ("混合式加热器计算画面"): steam and water mix in the vessel and
// leave as one stream of water saturated at the heater pressure.
#include "equipment/mixing_heater_screen.h"

#include "equipment/balance_check.h"
#include "equipment/chart_button.h"
#include "equipment/field_layout.h"
#include "equipment/screens.h"
#include "equipment/stream_enthalpy.h"
#include "props/validity.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

namespace {

struct MixingFlows {
    double D;     // heating steam, t/h
    double Gout;  // outlet water, t/h
    MixingHeaterTexts texts;
};

MixingFlows mixing_flows(double hs, double hw, double h3, double G) {
    // D (hs - h3) = G (h3 - hw): the steam gives up to the water what the water
    // needs to reach saturation.
    if (hs == h3) throw ArithmeticFault("进汽焓等于出水焓，无法计算");
    const double D = checked_finite((h3 - hw) / (hs - h3) * G);
    const double Gout = checked_finite(G + D);
    const std::string why = hs < h3   ? "：进汽焓低于出水（加热器压力下的饱和水）焓"
                            : hw > h3 ? "：进水焓高于出水（加热器压力下的饱和水）焓"
                                      : "：进水流量为负";
    return {D,
            Gout,
            {format_not_negative(D, "0.0000", std::string(kNoBalance) + "算得进汽流量为负" + why),
             format_not_negative(Gout, "0.0000", std::string(kNoBalance) + "算得出水流量为负" + why)}};
}

}  // namespace

MixingHeaterTexts mixing_heater_flows(double hs, double hw, double h3, double G) {
    return mixing_flows(hs, hw, h3, G).texts;
}

MixingHeaterTexts MixingHeaterBalance(const Fields& f, props::WaterSteam& properties, std::string* warning) {
    const ScreenDesc& desc = form5();
    const double pa = read_field(desc, f, "Text7");
    const Stream steam = read_stream(properties, desc, f, "Text2", "Text1", pa, {"加热蒸汽", true});
    const Stream water = read_stream(properties, desc, f, "Text4", "Text3", pa, {"进水", false});
    // Saturated water at the heater pressure, taken just below the saturation
    // temperature so that the water equation applies.
    const double ph = (pa + read_gauge_pressure(desc, f, "Text6", pa)) + 0.000001;
    // IAPWS-IF97 has no saturated water above its critical pressure.
    if (properties.formulation() == props::Formulation::IF97 && ph > props::kIf97CriticalPressure)
        throw props::PropertyRefusal(props::kMsgIf97SaturationRange);
    const double ths = properties.saturation_line_t(ph);
    const double h3 = properties.pswh_ptwtr(ph, ths - 0.01);
    const double G = read_field(desc, f, "Text5");
    check_phase({&steam, &water});
    std::vector<std::string> causes;
    // Without a compressor, steam from a lower pressure does not flow into the vessel.
    if (steam.p < ph)
        causes.push_back("进汽压力（" + megapascal(steam.pg) + "）低于加热器压力（" +
                         megapascal(read_gauge_pressure(desc, f, "Text6", pa)) + "），蒸汽进不了加热器");
    if (ths > steam.t && !steam.saturated)
        causes.push_back("加热器压力下的饱和温度（" + FormatWithPattern(ths, "0.00") + " ℃）高于进汽温度（" +
                         celsius(steam.t) + "），蒸汽不能把水加热到饱和");
    if (water.h > h3 && !(water.t < ths))
        causes.push_back("进水温度（" + celsius(water.t) + "）不低于加热器压力下的饱和温度（" +
                         FormatWithPattern(ths, "0.00") + " ℃）");
    refuse_balance(causes);
    const MixingFlows flows = mixing_flows(steam.h, water.h, h3, G);
    const double s3 = props::selected_number(properties.pswA_ptwtr("s", ph, ths - 0.01));
    entropy_production({{flows.D, stream_entropy(properties, steam)}, {G, stream_entropy(properties, water)}},
                       {{flows.Gout, s3}});
    if (warning != nullptr) *warning = properties.warning();
    return flows.texts;
}

namespace {

constexpr int kW = 975;
constexpr int kH = 375;

ControlDesc box(const char* name, int left, int top, Domain domain) {
    return with_domain(input_box(name, "0", {left, top, kW, kH}), domain);
}
ControlDesc pressure(const char* name, int left, int top) { return gauge_box(name, "0", {left, top, kW, kH}); }

}  // namespace

const ScreenDesc& form5() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form5, "混合式加热器计算画面", 9240, 5580, {}, {}, "Command1_Click"};
        d.controls.push_back(picture_box("mixing_heater", {120, 120, 8940, 4740}));
        for (ControlDesc& c :
             field_rows("Picture1", {
                                        {"大气压值", atmospheric_box("Text7", {1320, 240, kW, kH}), "MPa"},
                                        {"进汽温度", box("Text1", 6840, 240, Domain::WaterTemperature), "℃"},
                                        {"进汽压力", pressure("Text2", 6840, 720), "MPa"},
                                        {"进汽流量", result_label("jqll", "", {6840, 1200, kW, kH}, "0.0000"), "t/h"},
                                        {"加热器压力", pressure("Text6", 2760, 2160), "MPa"},
                                        {"进水温度", box("Text3", 7440, 3120, Domain::WaterTemperature), "℃"},
                                        {"进水压力", pressure("Text4", 7440, 3600), "MPa"},
                                        {"进水流量", box("Text5", 7440, 4080, Domain::Positive), "t/h"},
                                        {"出水流量", result_label("csll", "0", {1200, 3960, kW, kH}, "0.0000"), "t/h"},
                                    }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {7080, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command1", "返回", {8160, 5040, kBackWidth, kBackHeight}));
        d.controls.push_back(chart_button("Command3", 5940, 5040));
        d.controls.push_back(message_line({120, 5100, 5760, 480}));
        d.events = {
            compute("Command2_Click", {"Text7", "Text2", "Text1", "Text4", "Text3", "Text6", "Text5"}, {"jqll", "csll"},
                    [](const Fields& f, props::WaterSteam& water) {
                        Outcome outcome;
                        MixingHeaterTexts r = MixingHeaterBalance(f, water, &outcome.warning);
                        outcome.texts = {{"jqll", std::move(r.jqll)}, {"csll", std::move(r.csll)}};
                        return outcome;
                    }),
            // Steam and water mix to the saturated water of the heater's pressure.
            chart_event("Command3_Click", {"Text7", "Text2", "Text1", "Text6", "Text4", "Text3"},
                        [](const Fields& f) {
                            const double pa = read_field(form5(), f, "Text7");
                            const auto p = [&](const char* field) {
                                return read_gauge_pressure(form5(), f, field, pa) + pa;
                            };
                            const auto t = [&](const char* field) { return read_field(form5(), f, field); };
                            return ChartProcess{{{"进汽", 'p', p("Text2"), 't', t("Text1")},
                                                 {"出水", 'p', p("Text6"), 'x', 0},
                                                 {"进水", 'p', p("Text4"), 't', t("Text3")}}};
                        }),
            {"Command1_Click", navigate_to(ScreenId::Form3)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
