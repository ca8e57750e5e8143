#include "app/SnoozeUnit.h"

#include "app/MainForm.h"
#include "core/DateTimeText.h"
#include "toolkit/Texts.h"
#include "ui/BtChkBox.h"
#include "ui/lang.h"

void SnoozeUnit::Start(core::TDateTime now, SteadyMs steadyNow, int minutes) {
    constexpr std::int64_t kMsPerMinute = std::int64_t{core::SecondsPerMinute} * core::MSecsPerSecond;
    countdown_.Start(now, steadyNow);
    lengthMs_ = minutes * kMsPerMinute;
    end_ = countdown_.LocalEnd(lengthMs_, now, steadyNow);
    notice_.Reset();
    running_ = true;
}

TriggerVerdict SnoozeUnit::Run(const TickRun& run) {
    if (!running_) return TriggerVerdict::Skipped;
    end_ = countdown_.LocalEnd(lengthMs_, run.now, run.steadyMs);
    if (countdown_.Due(lengthMs_, run.steadyMs)) {
        running_ = false;
        return TriggerVerdict::Due;
    }
    // The timer's label shows the snooze while the timer itself is not armed.
    if (run.shown && !form_.CheckBoxTimer->Checked()) {
        const core::TFormatSettings& fs = form_.Formats();
        form_.PowerOffTimeLabel->SetCaption(core::DateText(end_, fs) + " " + core::TimeText(end_, fs) +
                                            tk::LoadText(lang::SnoozeLabel));
    }
    if (!run.shown && notice_.Due(end_, run.now)) form_.AnnounceEnd(end_);
    return TriggerVerdict::Quiet;
}

WaitNeed SnoozeUnit::HiddenNeed(core::TDateTime now) {
    return running_ ? WaitNeed::Wake(notice_.WakeFor(end_, now)) : WaitNeed::Nothing();
}

std::string SnoozeUnit::Describe(core::TDateTime now) const {
    return tk::LoadText(lang::SnoozeLine) + TimeLeftText(now, end_);
}
