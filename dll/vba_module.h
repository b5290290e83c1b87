// Entalix.bas, the VBA module that makes the functions of entalix.dll
// worksheet functions in Excel and WPS, written from entalix-calc's table.
#pragma once

#include <string>

namespace entalix::dll {

// The whole module: ASCII only (the VBA editor reads an imported module in the
// system's ANSI code page), lines ended by CR LF as the editor writes them.
std::string vba_module();

}  // namespace entalix::dll
