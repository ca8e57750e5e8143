#include "app/TimerTrigger.h"

TimerVerdict TimerTrigger::Decide(const TimerSettings& settings, rtl::TDateTime now) const {
    rtl::TDateTime target;
    if (settings.dateMode) {
        target = settings.dateTarget;
    } else {
        target = CountdownTarget(settings.armed ? armedTime_ : now, settings.days, settings.span);
    }
    const bool dateDue = settings.datePickersPassed && settings.dateMode;
    return {target, settings.armed && (dateDue || rtl::IsLater(now, target))};
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
