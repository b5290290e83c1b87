// Screen Form15 ("供热面积折算"): the floor area that an hourly heat supply can
// serve at a given heating power per square metre.
#include "estimators/heating_area_screen.h"

#include "estimators/rows.h"
#include "estimators/screens.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::estimators {

using namespace shell;

namespace {

// The largest cities' district heating supplies some 10 000 GJ an hour; a
// building needs 10 to 100 W/m2, a well-insulated one the least. The limits
// keep the area to a figure its field shows whole.
constexpr double kMostHeat = 100000.0;  // GJ/h
constexpr double kLeastPower = 10.0;    // W/m2
constexpr double kMostPower = 1000.0;   // W/m2

}  // namespace

std::string HeatingArea(std::string_view heat_per_hour, std::string_view power_per_m2) {
    const ScreenDesc& desc = form15();
    const double Qh = read_field(desc, "Text1", heat_per_hour);
    const double q = read_field(desc, "Text5", power_per_m2);
    // 1 GJ/h is 10^9 J / 3600 s; the area is counted in 10 000 m2.
    const double A = Qh / q / 36 * 1000;
    return format_not_negative(checked_finite(A), "0.00", "算得供热面积为负");
}

const ScreenDesc& form15() {
    static const ScreenDesc desc = [] {
        // The window caption is the screen's name itself; the task stands in the heading.
        ScreenDesc d{ScreenId::Form15, "Form15", 4560, 3030, {}, {}, "Command3_Click"};
        d.controls.push_back(heading("Label1(1)", "供热面积折算", {1080, 0, 2295, 375}));
        for (ControlDesc& c :
             estimator_rows(0, 1560, "yxgl", "0.00",
                            {
                                {"小时供热量", "Text1", "Gj", 660, Domain::Positive, kNoLeast, kMostHeat},
                                {"单位面积功率", "Text5", "w", 1260, Domain::Positive, kLeastPower, kMostPower},
                                {"供热面积", "yxgl", "万平方米", 1920},
                            }))
            d.controls.push_back(std::move(c));
        d.controls.push_back(button("Command2", "计算", {2400, 2520, kBackWidth, kBackHeight}));
        d.controls.push_back(button("Command3", "返回", {3480, 2520, kBackWidth, kBackHeight}));
        d.controls.push_back(message_line({120, 2340, 2160, 600}));
        d.events = {
            compute("Command2_Click", {"Text1", "Text5"}, {"yxgl"},
                    [](const Fields& f) {
                        Outcome outcome;
                        outcome.texts = {{"yxgl", HeatingArea(f.text("Text1"), f.text("Text5"))}};
                        return outcome;
                    }),
            {"Command3_Click", navigate_to(ScreenId::Form3)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::estimators
