#pragma once
// The timer trigger's target: an absolute date and time, or a countdown of
// days plus hours, minutes and seconds.
#include <cstdint>
#include <string>

#include "core/DateTime.h"

// Milliseconds on a clock that nobody sets and no time zone moves, which
// also counts the time the computer sleeps.
using SteadyMs = std::uint64_t;

// A length of time measured on the steady clock, its end shown in local
// time. The end keeps still while the two clocks run together and follows
// the local clock when that is set or its zone changes.
class SteadyCountdown {
public:
    void Start(core::TDateTime localNow, SteadyMs steadyNow);
    SteadyMs StartedAt() const { return start_; }
    // At least a millisecond past the end.
    bool Due(std::int64_t lengthMs, SteadyMs steadyNow) const;
    core::TDateTime LocalEnd(std::int64_t lengthMs, core::TDateTime localNow, SteadyMs steadyNow);

private:
    SteadyMs start_ = 0;
    core::TDateTime localAtSteadyZero_ = 0; // where the steady clock's zero lies in local time
};

// What the scheduling controls say on one run.
struct TimerSettings {
    bool dateMode = false;          // else countdown mode
    bool armed = false;             // the trigger's check box
    int days = 0;                   // countdown days
    core::TDateTime span = 0;       // countdown hours, minutes, seconds: its time of day
    core::TDateTime dateTarget = 0; // date mode: the pickers' combined value
    bool datePickersPassed = false; // the pickers were moved to now on this run
};

struct TimerVerdict {
    core::TDateTime target;
    bool due; // the armed trigger fires on this run
};

class TimerTrigger {
public:
    // The countdown of an armed timer runs from here.
    void Arm(core::TDateTime now, SteadyMs steadyNow);
    core::TDateTime ArmedTime() const { return armedTime_; }

    // An armed countdown is a length of time from the arming moment, on the
    // steady clock; an unarmed one moves with the local clock. A date-mode
    // target is a moment of the local clock. Due only at least a millisecond
    // past the target, or at once when date-mode pickers had passed.
    TimerVerdict Decide(const TimerSettings& settings, core::TDateTime now, SteadyMs steadyNow);

private:
    core::TDateTime armedTime_ = 0;
    SteadyCountdown countdown_;
};

// The countdown's length: the days plus the span's hours, minutes and seconds.
std::int64_t CountdownLengthMs(int days, core::TDateTime span);

// base plus the days, then the hours, minutes and seconds of the span's time
// of day (its milliseconds ignored).
core::TDateTime CountdownTarget(core::TDateTime base, int days, core::TDateTime span);

// The date of the date picker with the time of day of the time picker; the
// date picker's own value when their times of day already agree.
core::TDateTime DateModeValue(core::TDateTime datePicker, core::TDateTime timePicker);

// Date pickers that point into the past by at least a millisecond go to now.
inline bool DatePickersPassed(core::TDateTime now, core::TDateTime dateTarget) {
    return core::IsLater(now, dateTarget);
}

// The time left until `end` as h:mm:ss, whole seconds rounded up; 0:00:00 once passed.
std::string TimeLeftText(core::TDateTime now, core::TDateTime end);

// The notice a minute before a timer's end while the window is hidden: once
// per end, until the window is shown again.
class EndNotice {
public:
    static constexpr core::TDateTime kAhead = 1.0 / core::MinutesPerDay;

    // True on the first call at most a minute before `end`.
    bool Due(core::TDateTime end, core::TDateTime now);
    // When a hidden tick must run next: for the notice while it lies ahead,
    // else for the end.
    core::TDateTime WakeFor(core::TDateTime end, core::TDateTime now) const {
        return !given_ && core::IsLater(end - kAhead, now) ? end - kAhead : end;
    }
    void Reset() { given_ = false; }

private:
    bool given_ = false;
};
