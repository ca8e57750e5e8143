#include "app/TickPlan.h"

#include <algorithm>
#include <cmath>

TickPlan PlanTick(bool shown, core::TDateTime now, std::span<const WaitNeed> needs) {
    if (shown) return {TickCadence::Regular, 0};
    bool any = false;
    std::uint32_t wait = kLongestHiddenWaitMs;
    for (const WaitNeed& need : needs) {
        switch (need.kind) {
        case WaitNeed::Kind::None: continue;
        case WaitNeed::Kind::Sample:
            // Sampling at the tick's own pace keeps the timer running as it is.
            if (need.everyMs <= kTickIntervalMs) return {TickCadence::Regular, 0};
            wait = std::min(wait, need.everyMs);
            break;
        case WaitNeed::Kind::WakeAt: wait = std::min(wait, MillisecondsUntilDue(now, need.at)); break;
        }
        any = true;
    }
    if (!any) return {TickCadence::Parked, 0};
    return {TickCadence::Once, static_cast<std::uint16_t>(wait)};
}

std::uint32_t MillisecondsUntilDue(core::TDateTime now, core::TDateTime target) {
    if (core::IsLater(now, target)) return 0;
    // Whole milliseconds up to the target, then the one past it that makes it due.
    const double untilTarget = std::ceil((target - now) * core::MSecsPerDay);
    constexpr double kBeyondAnyWait = 4'000'000'000.0; // about 46 days; the caller caps far less
    if (!(untilTarget < kBeyondAnyWait)) return static_cast<std::uint32_t>(kBeyondAnyWait);
    auto wait = static_cast<std::uint32_t>(untilTarget < 0 ? 0 : untilTarget) + 1;
    // Day fractions are not exact: settle on the first whole millisecond the
    // trigger's own test calls due, which is at most a step either way.
    const auto due = [&](std::uint32_t ms) { return core::IsLater(now + ms * core::OneMillisecond, target); };
    if (wait > 1 && due(wait - 1)) --wait;
    if (!due(wait)) ++wait;
    return wait;
}
