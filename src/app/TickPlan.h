#pragma once
// When the scheduler tick runs. Shown, it runs every 250 ms as it always has.
// Hidden in the notification area, nobody sees its labels and bars, so it runs
// only as often as a trigger can fire: every 250 ms while the processor-load
// trigger needs its samples, at the target while only the timer is armed, and
// not at all while nothing is armed.
#include <cstdint>

#include "rtl/DateTime.h"

// The tick's interval whenever it runs regularly.
inline constexpr std::uint16_t kTickIntervalMs = 250;

struct TickSituation {
    bool shown = true;
    bool cpuArmed = false;
    bool timerArmed = false;
    rtl::TDateTime now = 0;
    rtl::TDateTime target = 0; // the timer's target; read only while it is armed
};

enum class TickCadence {
    Regular, // every kTickIntervalMs
    Once,    // one run after delayMs, then plan again
    Parked,  // no run until something changes
};

struct TickPlan {
    TickCadence cadence = TickCadence::Regular;
    std::uint32_t delayMs = 0; // Once only
};

// Waiting for a target that is far off: a wake-up a minute costs next to
// nothing, and catches a clock change that went unannounced (a daylight
// saving switch, a missed message).
inline constexpr std::uint32_t kLongestHiddenWaitMs = 60'000;

TickPlan PlanTick(const TickSituation& situation);

// Milliseconds from `now` until the first moment at least one millisecond
// past `target`, the moment the timer trigger fires; 0 when that moment has come.
std::uint32_t MillisecondsUntilDue(rtl::TDateTime now, rtl::TDateTime target);
