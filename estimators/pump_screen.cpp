// Screen Form14 ("水泵轴功率计算"): its controls and events.
#include "estimators/screens.h"

#include "shell/menus.h"

namespace entalix::estimators {

using namespace shell;

const ScreenDesc& form14() {
    static const ScreenDesc desc{
        ScreenId::Form14, "水泵轴功率计算", 4680, 3225,
        {
            heading("Label1(1)", "水泵轴功率计算", {1200, 120, 2295, 375}),
            button("Command3", "返回", {3600, 2640, 900, 450}),
        },
        {{"Command3_Click", navigate_to(ScreenId::Form13)}},
        "Command3_Click",
    };
    return desc;
}

}  // namespace entalix::estimators
