// Where F1 opens the user guide (docs/使用说明.md): at the section that
// describes the screen it was pressed on.
#pragma once

#include <string>
#include <string_view>

#include "shell/screen.h"

namespace entalix::shell {

// The heading of the screen's section as the guide writes it, without the
// leading '#': "6.17 管道压降与散热".
std::string_view guide_heading(ScreenId id);

// The anchor a heading gets in the guide's own table of contents, in the Qt
// guide window and in the HTML page of the Windows zip: lower case, blanks to
// hyphens, punctuation (Latin and Chinese) dropped: "617-管道压降与散热".
std::string guide_anchor(std::string_view heading);

}  // namespace entalix::shell
