// Screen Form15 ("Form15"): its controls and events.
#include "estimators/screens.h"

#include "shell/menus.h"

namespace entalix::estimators {

using namespace shell;

const ScreenDesc& form15() {
    static const ScreenDesc desc{
        ScreenId::Form15, "Form15", 4560, 3030,
        {
            heading("Label1(1)", "供热面积折算", {1080, 0, 2295, 375}),
            button("Command3", "返回", {3480, 2520, 900, 450}),
        },
        {{"Command3_Click", navigate_to(ScreenId::Form3)}},
        "Command3_Click",
    };
    return desc;
}

}  // namespace entalix::estimators
