#include "app/ActionCaptions.h"

namespace {
// Rows in action order: "... by timer", "... date and time", "...:", "... by WinAmp", "... by CPU load".
constexpr ActionCaptionRow kRows[kActionCount] = {
    {65136, 65141, 65146, 65158, 65163}, // Turn off
    {65137, 65142, 65147, 65159, 65164}, // Reboot
    {65138, 65143, 65155, 65160, 65165}, // LogOff
    {65139, 65144, 65156, 65161, 65166}, // Standby
    {65140, 65145, 65157, 65162, 65167}, // Hibernate
};
} // namespace

const ActionCaptionRow& ActionCaptionsFor(int action) { return kRows[action]; }
