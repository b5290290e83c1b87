// entalix-vba: writes Entalix.bas, the VBA module over entalix.dll, to standard
// output (the module in the tree, dll/Entalix.bas, is this output).
#include <iostream>

#include "dll/vba_module.h"

int main() {
    std::cout << entalix::dll::vba_module();
    std::cout.flush();
    return std::cout ? 0 : 1;
}
