// The program's message loop: the program's own keys (F1, Ctrl+Q), the dialog
// keys (Tab, Enter, Esc) on the visible screen, Ctrl+A in a field, then the
// window procedures.
#pragma once

#include "win32/host.h"

namespace entalix::win32 {

// Runs until the main menu closes; returns the exit code.
int run_message_loop(Win32Host& host);

// Handles every message waiting now; false once the program has been told to end.
bool pump_messages(Win32Host& host);

}  // namespace entalix::win32
