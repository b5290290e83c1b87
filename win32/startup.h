// What every program over the window host does before its first window: the
// common controls, the screens' window classes with the program's icon, and
// the command line's arguments in UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace entalix::win32 {

// The icon is the program's resource number 1. False when the window classes
// cannot be registered.
bool prepare_windows(HINSTANCE instance);

// The arguments after the program's name.
std::vector<std::wstring> command_arguments();

}  // namespace entalix::win32
