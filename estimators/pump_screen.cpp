// Screen Form14 ("水泵轴功率计算"): the shaft power a pump needs for its flow and head.
#include "estimators/pump_screen.h"

#include "estimators/rows.h"
#include "estimators/screens.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::estimators {

using namespace shell;

namespace {

// Water is 1000 kg/m3 and an ash slurry under 2000; a supercritical unit's feed
// pump lifts some 4000 m and a circulating-water pump moves some 40 000 m3/h; a
// pump worth computing runs above a few per cent. Beyond these limits a typed
// number is a slip, and the shaft power a figure too wide for its field.
constexpr double kMostDensity = 3000.0;   // kg/m3
constexpr double kMostHead = 5000.0;      // m
constexpr double kMostFlow = 100000.0;    // m3/h
constexpr double kLeastEfficiency = 5.0;  // %

}  // namespace

std::string PumpShaftPower(std::string_view density, std::string_view head, std::string_view flow,
                           std::string_view efficiency) {
    const ScreenDesc& desc = form14();
    const double Q = read_field(desc, "Text6", flow);
    const double rho = read_field(desc, "Text1", density);
    const double H = read_field(desc, "Text5", head);
    const double eta = read_field(desc, "Text7", efficiency);
    // 102 kgf·m/s make one kW; eta is a percentage; the flow is per hour.
    const double N = Q * rho * H / 102 / eta * 100 / 3600;
    return format_not_negative(checked_finite(N), "0.00", "算得水泵轴功率为负");
}

const ScreenDesc& form14() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form14, "水泵轴功率计算", 4680, 3225, {}, {}, "Command3_Click"};
        d.controls.push_back(heading("Label1(1)", "水泵轴功率计算", {1200, 120, 2295, 375}));
        for (ControlDesc& c :
             estimator_rows(240, 1680, "yxgl", "0.00",
                            {
                                {"工质密度", "Text1", "kg/m3", 660, Domain::Positive, kNoLeast, kMostDensity},
                                {"扬程(水柱)", "Text5", "m", 1020, Domain::Positive, kNoLeast, kMostHead},
                                {"水泵流量", "Text6", "m3/h", 1320, Domain::Positive, kNoLeast, kMostFlow},
                                {"水泵效率", "Text7", "%", 1680, Domain::Percent, kLeastEfficiency, 100.0},
                                {"水泵轴功率", "yxgl", "kW", 2040},
                            }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {2520, 2640, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command3", "返回", {3600, 2640, kBackWidth, kBackHeight}));
        d.controls.push_back(message_line({120, 2460, 2280, 600}));
        d.events = {
            compute("Command2_Click", {"Text1", "Text5", "Text6", "Text7"}, {"yxgl"},
                    [](const Fields& f) {
                        Outcome outcome;
                        outcome.texts = {{"yxgl", PumpShaftPower(f.text("Text1"), f.text("Text5"), f.text("Text6"),
                                                                 f.text("Text7"))}};
                        return outcome;
                    }),
            {"Command3_Click", navigate_to(ScreenId::Form13)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::estimators
