// Screen Form11 ("绝压参数"): its controls and events.
#include "steamcalc/screens.h"

#include "shell/menus.h"

namespace entalix::steamcalc {

using namespace shell;

const ScreenDesc& form11() {
    static const ScreenDesc desc{
        ScreenId::Form11, "绝压参数", 7560, 3930,
        {
            heading("Label1", "水蒸汽绝压参数", {2280, 240, 3000, 375}),
            button("Command3", "返回", {6435, 3360, 900, 450}),
        },
        {{"Command3_Click", navigate_to(ScreenId::Form10)}},
        "Command3_Click",
    };
    return desc;
}

}  // namespace entalix::steamcalc
