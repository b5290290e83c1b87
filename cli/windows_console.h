// UTF-8 in and out of entalix-calc.exe on Windows, whatever the console's
// code page: a Chinese console shows the screens' texts, and a file or pipe
// gets the same bytes as on Linux. Built on Windows only.
#pragma once

#include <string>
#include <vector>

namespace entalix::cli {

// The program's arguments (the program's name first) as UTF-8, read from the
// wide command line, so that a typed "饱和" or "１０" arrives intact.
std::vector<std::string> utf8_arguments();

// Sets the console's code pages to UTF-8 and the standard streams to binary
// (a line ends in LF, as on Linux). Where standard output or error is a
// console, the text goes to it as UTF-16, which every Windows since 7 shows
// correctly.
void use_utf8_console();

}  // namespace entalix::cli
