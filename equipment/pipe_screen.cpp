// Screen Form2 ("管道计算"): its controls and events.
#include "equipment/screens.h"

#include "shell/menus.h"

namespace entalix::equipment {

using namespace shell;

const ScreenDesc& form2() {
    static const ScreenDesc desc{
        ScreenId::Form2, "管道计算", 7875, 4485,
        {
            heading("Label1(1)", "管道计算", {2400, 120, 2295, 375}),
            button("Command1", "返回", {6840, 3960, 900, 450}),
        },
        {{"Command1_Click", navigate_to(ScreenId::Form1)}},
        "Command1_Click",
    };
    return desc;
}

}  // namespace entalix::equipment
