#pragma once
#include <windows.h>

#include "core/Error.h"
#include "toolkit/Handles.h"

namespace tk {

enum class EventReset { Automatic, Manual };

// A new unnamed event, not signalled.
inline KernelHandle CreateEventHandle(EventReset reset) {
    KernelHandle event(CreateEventA(nullptr, reset == EventReset::Manual, FALSE, nullptr));
    if (!event) throw core::Error("Cannot create an event");
    return event;
}

// A new unnamed timer that releases one waiting thread each time it is due.
inline KernelHandle CreateWaitableTimerHandle() {
    KernelHandle timer(CreateWaitableTimerA(nullptr, FALSE, nullptr));
    if (!timer) throw core::Error("Cannot create a waitable timer");
    return timer;
}

} // namespace tk
