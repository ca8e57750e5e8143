#include "app/TickPlan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using core::EncodeDateTime;
using core::OneMillisecond;

const core::TDateTime kNow = EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);

TEST(TickPlan, RunsAsOftenAsTheMostDemandingTriggerNeeds) {
    struct Case {
        const char* name;
        bool shown;
        std::vector<WaitNeed> needs;
        TickPlan plan;
    };
    const core::TDateTime inTenSeconds = kNow + 10'000 * OneMillisecond;
    const WaitNeed none = WaitNeed::Nothing();
    const WaitNeed samples = WaitNeed::SampleEvery(kTickIntervalMs);
    const WaitNeed everySecond = WaitNeed::SampleEvery(1000);
    const Case cases[] = {
        {"shown, nothing armed", true, {none, none}, {TickCadence::Regular, 0}},
        {"shown, timer armed", true, {none, WaitNeed::Wake(inTenSeconds)}, {TickCadence::Regular, 0}},
        {"hidden, nothing armed", false, {none, none}, {TickCadence::Parked, 0}},
        {"hidden, no triggers", false, {}, {TickCadence::Parked, 0}},
        {"hidden, processor load armed", false, {samples, none}, {TickCadence::Regular, 0}},
        {"hidden, both armed: the samples decide",
         false,
         {samples, WaitNeed::Wake(inTenSeconds)},
         {TickCadence::Regular, 0}},
        {"hidden, timer armed", false, {none, WaitNeed::Wake(inTenSeconds)}, {TickCadence::Once, 10'001}},
        {"hidden, timer due", false, {none, WaitNeed::Wake(kNow - OneMillisecond)}, {TickCadence::Once, 0}},
        {"hidden, timer far off: a minute at most",
         false,
         {none, WaitNeed::Wake(kNow + 1.0)},
         {TickCadence::Once, kLongestHiddenWaitMs}},
        {"hidden, a second's samples beside a far target",
         false,
         {everySecond, WaitNeed::Wake(inTenSeconds)},
         {TickCadence::Once, 1000}},
        {"hidden, a near target beside a second's samples",
         false,
         {WaitNeed::Wake(kNow + 300 * OneMillisecond), everySecond},
         {TickCadence::Once, 301}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TickPlan plan = PlanTick(c.shown, kNow, c.needs);
        EXPECT_EQ(plan.cadence, c.plan.cadence);
        EXPECT_EQ(plan.delayMs, c.plan.delayMs);
    }
}

TEST(TickPlan, WakesExactlyWhenTheTimerBecomesDue) {
    // The trigger fires at the first moment at least 1 ms past the target.
    struct Case {
        const char* name;
        double targetAfterNowMs;
        std::uint32_t wait;
    };
    const Case cases[] = {
        {"target 2 s ahead", 2000, 2001},
        {"target 0.3 ms ahead", 0.3, 2},
        {"target now", 0, 1},
        {"target passed 0.5 ms ago", -0.5, 1},
        {"target passed 1 ms ago: due", -1, 0},
        {"target passed a day ago", -86'400'000.0, 0},
        {"target a year ahead", 365 * 86'400'000.0, 4'000'000'000u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const core::TDateTime target = kNow + c.targetAfterNowMs * OneMillisecond;
        const std::uint32_t wait = MillisecondsUntilDue(kNow, target);
        EXPECT_EQ(wait, c.wait);
        if (wait > 0 && wait < 4'000'000'000u) {
            EXPECT_FALSE(core::IsLater(kNow + (wait - 1) * OneMillisecond, target))
                << "one ms early is not due";
            EXPECT_TRUE(core::IsLater(kNow + wait * OneMillisecond, target)) << "the wake-up is due";
        }
    }
}

} // namespace
