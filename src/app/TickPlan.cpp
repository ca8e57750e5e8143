#include "app/TickPlan.h"

#include <cmath>

TickPlan PlanTick(const TickSituation& s) {
    if (s.shown || s.cpuArmed) return {TickCadence::Regular, 0};
    if (!s.timerArmed) return {TickCadence::Parked, 0};
    const std::uint32_t wait = MillisecondsUntilDue(s.now, s.target);
    return {TickCadence::Once, wait < kLongestHiddenWaitMs ? wait : kLongestHiddenWaitMs};
}

std::uint32_t MillisecondsUntilDue(rtl::TDateTime now, rtl::TDateTime target) {
    if (rtl::IsLater(now, target)) return 0;
    // Whole milliseconds up to the target, then the one past it that makes it due.
    const double untilTarget = std::ceil((target - now) * rtl::MSecsPerDay);
    constexpr double kBeyondAnyWait = 4'000'000'000.0; // about 46 days; the caller caps far less
    if (!(untilTarget < kBeyondAnyWait)) return static_cast<std::uint32_t>(kBeyondAnyWait);
    return static_cast<std::uint32_t>(untilTarget < 0 ? 0 : untilTarget) + 1;
}
