// The timer trigger's rules without a window: the target in both modes and
// the moment it is due.
#include "app/TimerTrigger.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using core::EncodeDate;
using core::EncodeDateTime;
using core::TDateTime;

constexpr TDateTime kMs = core::OneMillisecond;

// The steady clock of these tests runs with the local one unless a case moves that.
SteadyMs Steady(TDateTime local) {
    return static_cast<SteadyMs>(std::llround((local - EncodeDate(2026, 1, 1)) * core::MSecsPerDay));
}

TDateTime Span(int h, int m, int s, int ms = 0) {
    // The picker keeps a date too; only its time of day counts.
    return EncodeDateTime(2003, 6, 21, h, m, s, ms);
}

TEST(TimerTriggerTest, DueOnlyAtLeastOneMillisecondPastTheTarget) {
    const TDateTime armed = EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
    const TDateTime target = EncodeDateTime(2026, 12, 8, 10, 30, 0, 0);
    TimerTrigger timer;
    timer.Arm(armed, Steady(armed));
    struct Case {
        const char* what;
        bool dateMode;
        TDateTime now;
        bool due;
    };
    const Case cases[] = {
        {"countdown, 1 ms before", false, target - kMs, false},
        {"countdown, exactly at", false, target, false},
        {"countdown, 1 ms after", false, target + kMs, true},
        {"date, 1 ms before", true, target - kMs, false},
        {"date, exactly at", true, target, false},
        {"date, 1 ms after", true, target + kMs, true},
    };
    for (const Case& c : cases) {
        const TimerSettings settings{
            .dateMode = c.dateMode, .armed = true, .days = 0, .span = Span(0, 30, 0), .dateTarget = target};
        const TimerVerdict v = timer.Decide(settings, c.now, Steady(c.now));
        EXPECT_NEAR(v.target, target, kMs / 10) << c.what;
        EXPECT_EQ(v.due, c.due) << c.what;
    }
}

TEST(TimerTriggerTest, CountdownTargetsAcrossMidnightMonthsAndYears) {
    struct Case {
        TDateTime base;
        int days;
        TDateTime span;
        TDateTime target;
    };
    const Case cases[] = {
        {EncodeDateTime(2026, 12, 8, 10, 0, 0, 0), 1, Span(1, 30, 0),
         EncodeDateTime(2026, 12, 9, 11, 30, 0, 0)},
        {EncodeDateTime(2026, 12, 8, 23, 30, 0, 0), 0, Span(1, 0, 0),
         EncodeDateTime(2026, 12, 9, 0, 30, 0, 0)},
        {EncodeDateTime(2026, 12, 31, 23, 59, 59, 0), 0, Span(0, 0, 1),
         EncodeDateTime(2027, 1, 1, 0, 0, 0, 0)},
        {EncodeDateTime(2027, 12, 31, 12, 0, 0, 0), 365, Span(23, 59, 59),
         EncodeDateTime(2028, 12, 31, 11, 59, 59, 0)}, // 2028 has 366 days
        {EncodeDateTime(2024, 2, 28, 22, 0, 0, 0), 0, Span(3, 0, 0), EncodeDateTime(2024, 2, 29, 1, 0, 0, 0)},
        // The span's milliseconds are ignored.
        {EncodeDateTime(2026, 12, 8, 10, 0, 0, 0), 0, Span(0, 0, 10, 750),
         EncodeDateTime(2026, 12, 8, 10, 0, 10, 0)},
        {EncodeDateTime(2026, 12, 8, 10, 0, 0, 0), 0, Span(0, 0, 0),
         EncodeDateTime(2026, 12, 8, 10, 0, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(CountdownTarget(c.base, c.days, c.span), c.target, kMs / 10) << "target " << c.target;
}

TEST(TimerTriggerTest, ArmedCountdownIsFixedAndUnarmedOneMovesWithTheClock) {
    const TDateTime armed = EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
    const TDateTime later = EncodeDateTime(2026, 12, 8, 10, 10, 0, 0);
    TimerTrigger timer;
    timer.Arm(armed, Steady(armed));
    TimerSettings settings{.armed = true, .days = 0, .span = Span(0, 30, 0)};
    EXPECT_NEAR(timer.Decide(settings, later, Steady(later)).target,
                EncodeDateTime(2026, 12, 8, 10, 30, 0, 0), kMs / 10);
    settings.armed = false;
    const TimerVerdict unarmed = timer.Decide(settings, later, Steady(later));
    EXPECT_NEAR(unarmed.target, EncodeDateTime(2026, 12, 8, 10, 40, 0, 0), kMs / 10);
    EXPECT_FALSE(unarmed.due);
    // Disarmed, a passed target never fires.
    settings.dateMode = true;
    settings.dateTarget = armed;
    settings.datePickersPassed = true;
    EXPECT_FALSE(timer.Decide(settings, later, Steady(later)).due);
}

TEST(TimerTriggerTest, PassedDatePickersFireOnlyInDateMode) {
    const TDateTime now = EncodeDateTime(2026, 12, 8, 11, 5, 0, 0);
    TimerTrigger timer;
    timer.Arm(now, Steady(now));
    // The pickers were moved to now on this run: the target is now itself.
    TimerSettings settings{.dateMode = true, .armed = true, .dateTarget = now, .datePickersPassed = true};
    EXPECT_TRUE(timer.Decide(settings, now, Steady(now)).due);
    settings.dateMode = false;
    settings.span = Span(1, 0, 0);
    EXPECT_FALSE(timer.Decide(settings, now, Steady(now)).due);
}

TEST(TimerTriggerTest, DatePickersCombineAndPassByAMillisecond) {
    const TDateTime date = EncodeDateTime(2026, 12, 10, 9, 0, 0, 0);
    const TDateTime time = EncodeDateTime(2026, 12, 8, 18, 45, 0, 0);
    EXPECT_NEAR(DateModeValue(date, time), EncodeDateTime(2026, 12, 10, 18, 45, 0, 0), kMs / 10);
    EXPECT_EQ(DateModeValue(date, date), date);

    const TDateTime target = EncodeDateTime(2026, 12, 8, 12, 0, 0, 0);
    EXPECT_FALSE(DatePickersPassed(target, target));
    EXPECT_FALSE(DatePickersPassed(target + kMs / 2, target));
    EXPECT_TRUE(DatePickersPassed(target + kMs, target));
    EXPECT_FALSE(DatePickersPassed(target - core::OneMillisecond * 1000, target));
}

TEST(TimerTriggerTest, ArmedCountdownIsALengthOfTimeShownInLocalTime) {
    const TDateTime armed = EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
    constexpr TDateTime kHour = 1.0 / 24, kMinute = kHour / 60;
    struct Case {
        const char* what;
        TDateTime localShift; // the local clock moved since arming
        TDateTime gone;       // steady time since arming
        bool due;
    };
    const Case cases[] = {
        {"clocks together, 1 ms before", 0, kHour - kMs, false},
        {"clocks together, 1 ms after", 0, kHour + kMs, true},
        {"zone moved an hour on, 20 minutes gone", kHour, 20 * kMinute, false},
        {"zone moved an hour back, 1 ms after", -kHour, kHour + kMs, true},
        {"clock set back 10 minutes, 1 ms before", -10 * kMinute, kHour - kMs, false},
        {"clock set on a day, 1 ms after", 1, kHour + kMs, true},
    };
    for (const Case& c : cases) {
        TimerTrigger timer;
        timer.Arm(armed, Steady(armed));
        const TimerSettings settings{.armed = true, .span = Span(1, 0, 0)};
        const TDateTime local = armed + c.gone + c.localShift;
        const TimerVerdict v = timer.Decide(settings, local, Steady(armed + c.gone));
        EXPECT_EQ(v.due, c.due) << c.what;
        EXPECT_NEAR(v.target, armed + kHour + c.localShift, kMs) << c.what;
    }
}

} // namespace
