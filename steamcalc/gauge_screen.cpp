// Screen Form12 ("表压参数"): its controls and events.
#include "steamcalc/screens.h"

#include "shell/menus.h"

namespace entalix::steamcalc {

using namespace shell;

const ScreenDesc& form12() {
    static const ScreenDesc desc{
        ScreenId::Form12, "表压参数", 7560, 4020,
        {
            heading("Label1", "水蒸汽表压参数", {2280, 120, 3000, 375}),
            button("Command3", "返回", {6435, 3480, 900, 450}),
        },
        {{"Command3_Click", navigate_to(ScreenId::Form10)}},
        "Command3_Click",
    };
    return desc;
}

}  // namespace entalix::steamcalc
