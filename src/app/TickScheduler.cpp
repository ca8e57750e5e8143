#include "app/TickScheduler.h"

#include <algorithm>

#include "toolkit/AsyncTimer.h"

void TickScheduler::Plan(core::TDateTime now, bool shown) {
    const TickPlan plan =
        shown ? TickPlan{TickCadence::Regular, 0} : PlanTick(false, now, units_.HiddenNeeds(now));
    switch (plan.cadence) {
    case TickCadence::Regular:
        if (tick_.Interval() != kTickIntervalMs) {
            tick_.SetEnabled(false);
            tick_.SetInterval(kTickIntervalMs);
        }
        tick_.SetEnabled(true);
        break;
    case TickCadence::Once:
        // A fresh wait from now: the interval of a wait under way stays.
        tick_.SetEnabled(false);
        tick_.SetInterval(std::max<std::uint16_t>(plan.delayMs, 1));
        tick_.SetEnabled(true);
        break;
    case TickCadence::Parked: tick_.SetEnabled(false); break;
    }
}
