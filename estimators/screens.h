// The screens of this layer, by their names.
#pragma once

#include "shell/screen.h"

namespace entalix::estimators {

const shell::ScreenDesc& form9();   // 电机功率计算
const shell::ScreenDesc& form14();  // 水泵轴功率计算
const shell::ScreenDesc& form15();  // Form15

}  // namespace entalix::estimators
