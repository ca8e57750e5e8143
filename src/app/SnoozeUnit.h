#pragma once
// "Later" in the confirmation: a one-off countdown of its own that asks for
// the same action again when it runs out. Nothing of it is saved, and it
// leaves the timer's controls as the user set them.
#include "app/TimerTrigger.h"
#include "app/TriggerUnit.h"

class TMainForm;

class SnoozeUnit final : public TriggerUnit {
public:
    explicit SnoozeUnit(TMainForm& form) : form_(form) {}

    void Start(core::TDateTime now, SteadyMs steadyNow, int minutes);

    bool Armed() const override { return running_; }
    TriggerVerdict Run(const TickRun& run) override;
    WaitNeed HiddenNeed(core::TDateTime now) override;
    void Restored(core::TDateTime /*now*/) override { notice_.Reset(); }
    std::string Describe(core::TDateTime now) const override;
    void Disarm() override { running_ = false; }

private:
    TMainForm& form_;
    SteadyCountdown countdown_;
    std::int64_t lengthMs_ = 0;
    bool running_ = false;
    core::TDateTime end_ = 0; // of the last run, in local time
    EndNotice notice_;
};
