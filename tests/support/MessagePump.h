#pragma once
// Runs the test thread's messages, as the program's message loop would, while
// a worker, a timer or a server does its part.
#include <windows.h>

#include <chrono>

#include "toolkit/Application.h"

namespace test_support {

constexpr DWORD kPumpPatienceMs = 10000; // a condition not met by then never will be

// The condition is asked again after every message, so it sees each state
// that one message leaves behind.
template <class Condition>
bool PumpUntil(Condition done, DWORD limitMs = kPumpPatienceMs) {
    constexpr DWORD kWakeMs = 10;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kWakeMs, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            tk::Application::Instance().ProcessMessage(msg);
            if (done()) return true;
        }
    }
    return true;
}

inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

} // namespace test_support
