#include "app/TimerTrigger.h"

#include <cmath>
#include <cstdlib>

namespace {
// The two clocks drift apart by a few milliseconds now and then; further
// than this, the local clock was set.
constexpr double kLocalClockMovedDays = 1.0 / core::SecondsPerDay;

core::TDateTime DaysOf(double ms) { return ms / core::MSecsPerDay; }
} // namespace

void SteadyCountdown::Start(core::TDateTime localNow, SteadyMs steadyNow) {
    start_ = steadyNow;
    localAtSteadyZero_ = localNow - DaysOf(static_cast<double>(steadyNow));
}

bool SteadyCountdown::Due(std::int64_t lengthMs, SteadyMs steadyNow) const {
    const auto elapsed = static_cast<std::int64_t>(steadyNow - start_);
    return elapsed > lengthMs;
}

core::TDateTime SteadyCountdown::LocalEnd(std::int64_t lengthMs, core::TDateTime localNow,
                                          SteadyMs steadyNow) {
    const core::TDateTime zero = localNow - DaysOf(static_cast<double>(steadyNow));
    if (std::abs(zero - localAtSteadyZero_) > kLocalClockMovedDays) localAtSteadyZero_ = zero;
    return localAtSteadyZero_ + DaysOf(static_cast<double>(start_) + static_cast<double>(lengthMs));
}

void TimerTrigger::Arm(core::TDateTime now, SteadyMs steadyNow) {
    armedTime_ = now;
    countdown_.Start(now, steadyNow);
}

TimerVerdict TimerTrigger::Decide(const TimerSettings& settings, core::TDateTime now, SteadyMs steadyNow) {
    if (settings.dateMode) {
        const bool passed = settings.datePickersPassed || core::IsLater(now, settings.dateTarget);
        return {settings.dateTarget, settings.armed && passed};
    }
    if (!settings.armed) return {CountdownTarget(now, settings.days, settings.span), false};
    const std::int64_t length = CountdownLengthMs(settings.days, settings.span);
    return {countdown_.LocalEnd(length, now, steadyNow), countdown_.Due(length, steadyNow)};
}

std::int64_t CountdownLengthMs(int days, core::TDateTime span) {
    core::DateTimeParts parts;
    core::TryDecodeDateTime(core::TimeOf(span), parts);
    const std::int64_t seconds = (static_cast<std::int64_t>(days) * core::HoursPerDay + parts.Hour) *
                                     core::SecondsPerMinute * core::MinutesPerHour +
                                 parts.Minute * core::SecondsPerMinute + parts.Second;
    return seconds * core::MSecsPerSecond;
}

core::TDateTime CountdownTarget(core::TDateTime base, int days, core::TDateTime span) {
    core::DateTimeParts parts;
    core::TryDecodeDateTime(core::TimeOf(span), parts);
    core::TDateTime target = core::IncDay(base, days);
    target = core::IncHour(target, parts.Hour);
    target = core::IncMinute(target, parts.Minute);
    return core::IncSecond(target, parts.Second);
}

core::TDateTime DateModeValue(core::TDateTime datePicker, core::TDateTime timePicker) {
    const core::TDateTime timeOfDay = core::TimeOf(timePicker);
    if (core::TimeOf(datePicker) == timeOfDay) return datePicker;
    return core::CombineDateTime(core::DateOf(datePicker), timeOfDay);
}

std::string TimeLeftText(core::TDateTime now, core::TDateTime end) {
    // Whole milliseconds first: the end is a sum of day fractions, a hair off.
    const double leftMs = std::round((end - now) * core::MSecsPerDay);
    const long long seconds =
        leftMs > 0 ? static_cast<long long>(std::ceil(leftMs / core::MSecsPerSecond)) : 0;
    const auto twoDigits = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return std::to_string(seconds / (core::SecondsPerMinute * core::MinutesPerHour)) + ":" +
           twoDigits(seconds / core::SecondsPerMinute % core::MinutesPerHour) + ":" +
           twoDigits(seconds % core::SecondsPerMinute);
}

bool EndNotice::Due(core::TDateTime end, core::TDateTime now) {
    if (given_ || core::IsLater(end - kAhead, now)) return false;
    given_ = true;
    return true;
}
