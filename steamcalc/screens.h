// The screens of this layer, by their names.
#pragma once

#include "shell/screen.h"

namespace entalix::steamcalc {

const shell::ScreenDesc& form11();  // 绝压参数
const shell::ScreenDesc& form12();  // 表压参数
const shell::ScreenDesc& form16();  // 全部物性

}  // namespace entalix::steamcalc
