#pragma once
// The timer trigger bound to its controls: the check box, the date and
// countdown modes with their pickers, and the two time labels.
#include "app/TimerTrigger.h"
#include "app/TriggerUnit.h"

class TMainForm;

class TimerTriggerUnit final : public TriggerUnit {
public:
    explicit TimerTriggerUnit(TMainForm& form) : form_(form) {}

    bool Armed() const override;
    TriggerVerdict Run(const TickRun& run) override;
    WaitNeed HiddenNeed(core::TDateTime now) override;
    std::string Describe(core::TDateTime now) const override;
    void Disarm() override;
    void Restored(core::TDateTime now) override;

    // The date pickers' combined target, written back to the date picker.
    core::TDateTime DateModeTarget();
    // Date pickers that point into the past go to `now`; true when they did.
    bool ClampDatePickers(core::TDateTime now);

    // The target the controls give lies ahead of now, as if the timer were
    // armed; the pickers are left as they are.
    bool TargetAhead(core::TDateTime now);
    // Disarms and tells the user that the target has passed.
    void RefusePassedTarget();

    TimerTrigger& Rules() { return timer_; }

private:
    // What the scheduling controls say. Shown, this moves date pickers that
    // point into the past to now, as every run does; hidden, it leaves the
    // pickers alone and works out the same verdict from their values.
    TimerSettings ReadSettings(core::TDateTime now, bool shown);
    void ShowLabels(core::TDateTime now, core::TDateTime target);

    TMainForm& form_;
    TimerTrigger timer_;
    core::TDateTime target_ = 0; // of the last run, for the description
    EndNotice notice_;
};
