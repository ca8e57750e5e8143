#include "app/ActionCaptions.h"

namespace {
// Rows in action order: "... by timer", "... date and time", "...:", "... by WinAmp", "... by CPU load",
// "... when the network is quiet", "... when a program closes".
constexpr ActionCaptionRow kRows[kActionCount] = {
    {65136, 65141, 65146, 65158, 65163, 65220, 65241}, // Turn off
    {65137, 65142, 65147, 65159, 65164, 65221, 65242}, // Reboot
    {65138, 65143, 65155, 65160, 65165, 65222, 65243}, // LogOff
    {65139, 65144, 65156, 65161, 65166, 65223, 65244}, // Standby
    {65140, 65145, 65157, 65162, 65167, 65224, 65245}, // Hibernate
};
} // namespace

const ActionCaptionRow& ActionCaptionsFor(int action) { return kRows[action]; }
