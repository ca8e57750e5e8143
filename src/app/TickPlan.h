#pragma once
// When the scheduler tick runs. Shown, it runs every 250 ms as it always has.
// Hidden in the notification area, nobody sees its labels and bars, so it runs
// only as often as some trigger needs: each trigger states its need and the
// plan serves the most demanding one; with no needs at all the tick parks.
#include <cstdint>
#include <limits>
#include <span>

#include "core/DateTime.h"

// The tick's interval whenever it runs regularly.
inline constexpr std::uint16_t kTickIntervalMs = 250;

// What one trigger needs of the tick while the window is hidden.
struct WaitNeed {
    enum class Kind {
        None,   // no runs: disarmed, or woken from elsewhere when something happens
        WakeAt, // one run at the first moment `at` is due
        Sample, // a run every `everyMs`
    };
    Kind kind = Kind::None;
    core::TDateTime at = 0;
    std::uint32_t everyMs = kTickIntervalMs;

    static WaitNeed Nothing() { return {}; }
    static WaitNeed Wake(core::TDateTime moment) { return {Kind::WakeAt, moment, 0}; }
    static WaitNeed SampleEvery(std::uint32_t ms) { return {Kind::Sample, 0, ms}; }
};

enum class TickCadence {
    Regular, // every kTickIntervalMs
    Once,    // one run after delayMs, then plan again
    Parked,  // no run until something changes
};

// Waiting for something far off: a wake-up a minute costs next to nothing,
// and catches a clock change that went unannounced (a daylight saving switch,
// a missed message). The thread timer counts in 16 bits, so no wait is longer.
inline constexpr std::uint16_t kLongestHiddenWaitMs = 60'000;

struct TickPlan {
    TickCadence cadence = TickCadence::Regular;
    std::uint16_t delayMs = 0; // Once only; at most kLongestHiddenWaitMs
};

TickPlan PlanTick(bool shown, core::TDateTime now, std::span<const WaitNeed> needs);

// Milliseconds from `now` until the first moment at least one millisecond
// past `target`, the moment the timer trigger fires; 0 when that moment has come.
std::uint32_t MillisecondsUntilDue(core::TDateTime now, core::TDateTime target);
