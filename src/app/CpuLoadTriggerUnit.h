#pragma once
// The processor-load trigger bound to its controls: the check box, the level
// and window lists, and the two load bars with their labels.
#include "app/CpuLoadWindow.h"
#include "app/TriggerUnit.h"

class TMainForm;
struct CpuLoadSource;

class CpuLoadTriggerUnit final : public TriggerUnit {
public:
    CpuLoadTriggerUnit(TMainForm& form, const CpuLoadSource& source) : form_(form), source_(source) {}

    bool Armed() const override;
    TriggerVerdict Run(const TickRun& run) override;
    WaitNeed HiddenNeed(core::TDateTime now) override;
    void Restored(core::TDateTime now) override;
    std::string Describe(core::TDateTime now) const override;
    void Disarm() override;

    CpuLoadWindow& Window() { return window_; }

private:
    TMainForm& form_;
    const CpuLoadSource& source_;
    CpuLoadWindow window_;
    // Runs went without samples while hidden: the averaging window starts
    // afresh on restore.
    bool samplesPaused_ = false;
};
