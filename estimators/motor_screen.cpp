// Screen Form9 ("电机功率计算"): the running power of a three-phase motor from
// its voltage and current, with the power factor corrected for part load.
#include "estimators/motor_screen.h"

#include <cmath>

#include "estimators/rows.h"
#include "estimators/screens.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::estimators {

using namespace shell;

namespace {

// A plant's motors run at 0.38 to 13.8 kV and the largest low-voltage ones draw
// some thousands of amperes. The limits leave room for any motor and keep the
// running power to a figure its field shows whole.
constexpr double kMostVoltage = 50.0;     // kV
constexpr double kMostCurrent = 50000.0;  // A

}  // namespace

std::string MotorRunningPower(std::string_view voltage, std::string_view current, std::string_view rated_current,
                              std::string_view power_factor) {
    const ScreenDesc& desc = form9();
    const double I = read_field(desc, "Text5", current);
    const double In = read_field(desc, "Text6", rated_current);
    const double cn = read_field(desc, "Text7", power_factor);
    const double U = read_field(desc, "Text1", voltage);
    const double k = checked_div(I, In);  // load ratio
    // The power factor falls below its rated value at part load as cn^(1/k).
    const double c = checked_pow(cn, checked_div(1.0, k));
    const double P = c * std::sqrt(3.0) * U * I;  // kV * A = kW
    return format_not_negative(checked_finite(P), "0.00", "算得运行功率为负");
}

const ScreenDesc& form9() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form9, "电机功率计算", 4680, 3090, {}, {}, "Command3_Click"};
        d.controls.push_back(heading("Label1(1)", "电机功率计算", {1200, 0, 2295, 375}));
        for (ControlDesc& c :
             estimator_rows(240, 1680, "yxgl", "0.00",
                            {
                                {"运行电压", "Text1", "kV", 540, Domain::Positive, kNoLeast, kMostVoltage},
                                {"运行电流", "Text5", "A", 900, Domain::Positive, kNoLeast, kMostCurrent},
                                {"额定电流", "Text6", "A", 1200, Domain::Positive, kNoLeast, kMostCurrent},
                                {"额定功率因数", "Text7", "", 1500, Domain::Fraction},
                                {"运行功率", "yxgl", "kW", 1920},
                            }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {2520, 2520, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command3", "返回", {3600, 2520, kBackWidth, kBackHeight}));
        d.controls.push_back(message_line({120, 2340, 2280, 600}));
        d.events = {
            compute("Command2_Click", {"Text1", "Text5", "Text6", "Text7"}, {"yxgl"},
                    [](const Fields& f) {
                        Outcome outcome;
                        outcome.texts = {{"yxgl", MotorRunningPower(f.text("Text1"), f.text("Text5"), f.text("Text6"),
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
