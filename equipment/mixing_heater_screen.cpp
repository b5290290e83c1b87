// Screen Form5 ("混合式加热器计算画面"): its controls and events.
#include "equipment/screens.h"

#include "shell/menus.h"

namespace entalix::equipment {

using namespace shell;

const ScreenDesc& form5() {
    static const ScreenDesc desc{
        ScreenId::Form5, "混合式加热器计算画面", 9240, 5580,
        {
            button("Command1", "返回", {8160, 5040, 900, 450}),
        },
        {{"Command1_Click", navigate_to(ScreenId::Form3)}},
        "Command1_Click",
    };
    return desc;
}

}  // namespace entalix::equipment
