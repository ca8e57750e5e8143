#include "app/TimerTrigger.h"

#include <cmath>
#include <cstdlib>

namespace {
// The two clocks drift apart by a few milliseconds now and then; further
// than this, the local clock was set.
constexpr double kLocalClockMovedDays = 1.0 / rtl::SecondsPerDay;

rtl::TDateTime DaysOf(double ms) { return ms / rtl::MSecsPerDay; }
} // namespace

void SteadyCountdown::Start(rtl::TDateTime localNow, SteadyMs steadyNow) {
    start_ = steadyNow;
    localAtSteadyZero_ = localNow - DaysOf(static_cast<double>(steadyNow));
}

bool SteadyCountdown::Due(std::int64_t lengthMs, SteadyMs steadyNow) const {
    const auto elapsed = static_cast<std::int64_t>(steadyNow - start_);
    return elapsed > lengthMs;
}

rtl::TDateTime SteadyCountdown::LocalEnd(std::int64_t lengthMs, rtl::TDateTime localNow, SteadyMs steadyNow) {
    const rtl::TDateTime zero = localNow - DaysOf(static_cast<double>(steadyNow));
    if (std::abs(zero - localAtSteadyZero_) > kLocalClockMovedDays) localAtSteadyZero_ = zero;
    return localAtSteadyZero_ + DaysOf(static_cast<double>(start_) + static_cast<double>(lengthMs));
}

void TimerTrigger::Arm(rtl::TDateTime now, SteadyMs steadyNow) {
    armedTime_ = now;
    countdown_.Start(now, steadyNow);
}

TimerVerdict TimerTrigger::Decide(const TimerSettings& settings, rtl::TDateTime now, SteadyMs steadyNow) {
    if (settings.dateMode) {
        const bool passed = settings.datePickersPassed || rtl::IsLater(now, settings.dateTarget);
        return {settings.dateTarget, settings.armed && passed};
    }
    if (!settings.armed) return {CountdownTarget(now, settings.days, settings.span), false};
    const std::int64_t length = CountdownLengthMs(settings.days, settings.span);
    return {countdown_.LocalEnd(length, now, steadyNow), countdown_.Due(length, steadyNow)};
}

std::int64_t CountdownLengthMs(int days, rtl::TDateTime span) {
    rtl::DateTimeParts parts;
    rtl::TryDecodeDateTime(rtl::TimeOf(span), parts);
    const std::int64_t seconds = (static_cast<std::int64_t>(days) * rtl::HoursPerDay + parts.Hour) *
                                     rtl::SecondsPerMinute * rtl::MinutesPerHour +
                                 parts.Minute * rtl::SecondsPerMinute + parts.Second;
    return seconds * rtl::MSecsPerSecond;
}

rtl::TDateTime CountdownTarget(rtl::TDateTime base, int days, rtl::TDateTime span) {
    rtl::DateTimeParts parts;
    rtl::TryDecodeDateTime(rtl::TimeOf(span), parts);
    rtl::TDateTime target = rtl::IncDay(base, days);
    target = rtl::IncHour(target, parts.Hour);
    target = rtl::IncMinute(target, parts.Minute);
    return rtl::IncSecond(target, parts.Second);
}

rtl::TDateTime DateModeValue(rtl::TDateTime datePicker, rtl::TDateTime timePicker) {
    const rtl::TDateTime timeOfDay = rtl::TimeOf(timePicker);
    if (rtl::TimeOf(datePicker) == timeOfDay) return datePicker;
    return rtl::CombineDateTime(rtl::DateOf(datePicker), timeOfDay);
}

std::string TimeLeftText(rtl::TDateTime now, rtl::TDateTime end) {
    // Whole milliseconds first: the end is a sum of day fractions, a hair off.
    const double leftMs = std::round((end - now) * rtl::MSecsPerDay);
    const long long seconds =
        leftMs > 0 ? static_cast<long long>(std::ceil(leftMs / rtl::MSecsPerSecond)) : 0;
    const auto twoDigits = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return std::to_string(seconds / (rtl::SecondsPerMinute * rtl::MinutesPerHour)) + ":" +
           twoDigits(seconds / rtl::SecondsPerMinute % rtl::MinutesPerHour) + ":" +
           twoDigits(seconds % rtl::SecondsPerMinute);
}

bool EndNotice::Due(rtl::TDateTime end, rtl::TDateTime now) {
    if (given_ || rtl::IsLater(end - kAhead, now)) return false;
    given_ = true;
    return true;
}
