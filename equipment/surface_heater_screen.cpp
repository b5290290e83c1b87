// Screen Form6 ("表面式加热器计算画面"): its controls and events.
#include "equipment/screens.h"

#include "shell/menus.h"

namespace entalix::equipment {

using namespace shell;

const ScreenDesc& form6() {
    static const ScreenDesc desc{
        ScreenId::Form6, "表面式加热器计算画面", 8415, 5580,
        {
            button("Command1", "返回", {7320, 5040, 900, 450}),
        },
        {{"Command1_Click", navigate_to(ScreenId::Form3)}},
        "Command1_Click",
    };
    return desc;
}

}  // namespace entalix::equipment
