// The screens of this layer, by their names.
#pragma once

#include "shell/screen.h"

namespace entalix::equipment {

const shell::ScreenDesc& form2();   // 管道计算
const shell::ScreenDesc& form5();   // 混合式加热器计算画面
const shell::ScreenDesc& form6();   // 表面式加热器计算画面
const shell::ScreenDesc& form7();   // 减温器计算画面
const shell::ScreenDesc& form8();   // 饱和参数 (saturation_screen.h)
const shell::ScreenDesc& form17();  // 饱和表
const shell::ScreenDesc& form18();  // 管道压降与散热
const shell::ScreenDesc& form20();  // 汽轮机膨胀与节流

}  // namespace entalix::equipment
