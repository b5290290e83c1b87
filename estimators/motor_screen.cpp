// Screen Form9 ("电机功率计算"): its controls and events.
#include "estimators/screens.h"

#include "shell/menus.h"

namespace entalix::estimators {

using namespace shell;

const ScreenDesc& form9() {
    static const ScreenDesc desc{
        ScreenId::Form9, "电机功率计算", 4680, 3090,
        {
            heading("Label1(1)", "电机功率计算", {1200, 0, 2295, 375}),
            button("Command3", "返回", {3600, 2520, 900, 450}),
        },
        {{"Command3_Click", navigate_to(ScreenId::Form13)}},
        "Command3_Click",
    };
    return desc;
}

}  // namespace entalix::estimators
