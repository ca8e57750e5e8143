#pragma once
// The timer trigger's target: an absolute date and time, or a countdown of
// days plus hours, minutes and seconds.
#include "rtl/DateTime.h"

// What the scheduling controls say on one run.
struct TimerSettings {
    bool dateMode = false;          // else countdown mode
    bool armed = false;             // the trigger's check box
    int days = 0;                   // countdown days
    rtl::TDateTime span = 0;        // countdown hours, minutes, seconds: its time of day
    rtl::TDateTime dateTarget = 0;  // date mode: the pickers' combined value
    bool datePickersPassed = false; // the pickers were moved to now on this run
};

struct TimerVerdict {
    rtl::TDateTime target;
    bool due; // the armed trigger fires on this run
};

class TimerTrigger {
public:
    // The countdown of an armed timer runs from here.
    void Arm(rtl::TDateTime now) { armedTime_ = now; }
    rtl::TDateTime ArmedTime() const { return armedTime_; }

    // An armed countdown is fixed from the arming moment; an unarmed one
    // moves with the clock. Due only at least a millisecond past the target,
    // or at once when date-mode pickers had passed.
    TimerVerdict Decide(const TimerSettings& settings, rtl::TDateTime now) const;

private:
    rtl::TDateTime armedTime_ = 0;
};

// base plus the days, then the hours, minutes and seconds of the span's time
// of day (its milliseconds ignored).
rtl::TDateTime CountdownTarget(rtl::TDateTime base, int days, rtl::TDateTime span);

// The date of the date picker with the time of day of the time picker; the
// date picker's own value when their times of day already agree.
rtl::TDateTime DateModeValue(rtl::TDateTime datePicker, rtl::TDateTime timePicker);

// Date pickers that point into the past by at least a millisecond go to now.
inline bool DatePickersPassed(rtl::TDateTime now, rtl::TDateTime dateTarget) {
    return rtl::IsLater(now, dateTarget);
}
