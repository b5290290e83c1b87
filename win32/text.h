// UTF-8 (the core's texts) to UTF-16 (the Windows API's) and back: the
// conversion the command line shares, under the names the window host uses.
#pragma once

#include "shell/utf16.h"

namespace entalix::win32 {

using shell::narrow;
using shell::widen;

}  // namespace entalix::win32
