#pragma once
// Runs the test thread's messages, as the program's message loop would, while
// a worker or a server does its part.
#include <windows.h>

#include <chrono>

// The condition is asked again after every message, so it sees each state
// that one message leaves behind.
template <class Condition>
bool PumpUntil(Condition done, DWORD limitMs = 10000) {
    const auto start = std::chrono::steady_clock::now();
    const auto limit = std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() - start > limit) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
            if (done()) return true;
        }
    }
    return true;
}

inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}
