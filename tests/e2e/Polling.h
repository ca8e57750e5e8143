#pragma once
// Waiting for another process's window to get somewhere, for the programs
// that drive the real program from outside.
#include <windows.h>

namespace e2e {

// Asks `condition` every `pollMs` until it holds or `patienceMs` have passed;
// its last answer.
template <typename Condition>
bool PollUntil(Condition condition, DWORD patienceMs, DWORD pollMs) {
    for (DWORD waited = 0; waited < patienceMs; waited += pollMs) {
        if (condition()) return true;
        Sleep(pollMs);
    }
    return condition();
}

} // namespace e2e
