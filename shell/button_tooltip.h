// What a button's tooltip says, on every host: what pressing it does, read
// from the screen's description.
#pragma once

#include <string>

#include "shell/screen.h"

namespace entalix::shell {

// A calculation: "计算：饱和温度" (the quantities it writes, at most four named);
// a way to another screen: "打开“饱和参数计算画面”"; the way back: "返回“主画面”（Esc）".
// Empty for a control that is not a button of the screen.
std::string button_tooltip(const ScreenDesc& desc, const ControlDesc& button, const Catalog& catalog);

}  // namespace entalix::shell
