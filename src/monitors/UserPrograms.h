#pragma once
// The programs the user sees: one entry per process with a window on the
// desktop, for choosing the one whose end the trigger waits for.
#include <string>
#include <vector>

#include "monitors/ProgramCloseRule.h"

namespace monitors {

struct UserProgram {
    ProcessId id = 0;
    std::string name;  // the executable's file name, UTF-8
    std::string title; // its frontmost window's title, UTF-8
};

// In the order of the desktop, frontmost first, as the task switcher lists
// them; this program, the desktop and tool windows left out.
std::vector<UserProgram> UserPrograms();

} // namespace monitors
