#include "app/TimerTriggerUnit.h"

#include "app/MainForm.h"
#include "core/DateTimeText.h"
#include "toolkit/Texts.h"
#include "ui/BtChkBox.h"
#include "ui/lang.h"

bool TimerTriggerUnit::Armed() const { return form_.CheckBoxTimer->Checked(); }

TriggerVerdict TimerTriggerUnit::Run(const TickRun& run) {
    // Hidden and disarmed, nothing would be shown or fired.
    if (!run.shown && !Armed()) return TriggerVerdict::Skipped;
    const TimerVerdict verdict = timer_.Decide(ReadSettings(run.now, run.shown), run.now, run.steadyMs);
    target_ = verdict.target;
    if (run.shown) ShowLabels(run.now, verdict.target);
    if (!verdict.due) {
        if (!run.shown && Armed() && notice_.Due(verdict.target, run.now)) form_.AnnounceEnd(verdict.target);
        return TriggerVerdict::Quiet;
    }
    form_.CheckBoxTimer->SetChecked(false);
    return TriggerVerdict::Due;
}

WaitNeed TimerTriggerUnit::HiddenNeed(core::TDateTime now) {
    if (!Armed()) return WaitNeed::Nothing();
    return WaitNeed::Wake(
        notice_.WakeFor(timer_.Decide(ReadSettings(now, false), now, form_.SteadyNow()).target, now));
}

void TimerTriggerUnit::Restored(core::TDateTime /*now*/) { notice_.Reset(); }

void TimerTriggerUnit::Disarm() { form_.CheckBoxTimer->SetChecked(false); }

std::string TimerTriggerUnit::Describe(core::TDateTime now) const {
    return tk::LoadText(lang::TriggerTimerLine) + TimeLeftText(now, target_);
}

bool TimerTriggerUnit::TargetAhead(core::TDateTime now) {
    TimerSettings settings = ReadSettings(now, false);
    settings.armed = true;
    const TimerVerdict verdict = timer_.Decide(settings, now, form_.SteadyNow());
    return !verdict.due && core::IsLater(verdict.target, now);
}

void TimerTriggerUnit::RefusePassedTarget() {
    form_.CheckBoxTimer->SetChecked(false);
    form_.ShowMessageDlg(tk::LoadText(lang::TimerTargetPassed));
}

TimerSettings TimerTriggerUnit::ReadSettings(core::TDateTime now, bool shown) {
    TimerSettings settings;
    settings.dateMode = !form_.RadioButtonCounter->Checked();
    settings.armed = Armed();
    settings.days = form_.DaysComboBox->ItemIndex();
    settings.span = form_.DateTimePickerReverseTime->DateTime();
    if (shown) {
        settings.datePickersPassed = ClampDatePickers(now);
        if (settings.dateMode) settings.dateTarget = DateModeTarget();
    } else {
        const core::TDateTime pickers =
            DateModeValue(form_.DateTimePickerDate->DateTime(), form_.DateTimePickerTime->DateTime());
        settings.datePickersPassed = DatePickersPassed(now, pickers);
        settings.dateTarget = pickers;
    }
    return settings;
}

void TimerTriggerUnit::ShowLabels(core::TDateTime now, core::TDateTime target) {
    const core::TFormatSettings& fs = form_.Formats();
    form_.CurrTimeLabel->SetCaption(core::DateText(now, fs) + " " + core::TimeText(now, fs));
    form_.PowerOffTimeLabel->SetCaption(core::DateText(target, fs) + " " + core::TimeText(target, fs));
}

core::TDateTime TimerTriggerUnit::DateModeTarget() {
    tk::DateTimePicker& datePicker = *form_.DateTimePickerDate;
    const core::TDateTime date = datePicker.DateTime();
    const core::TDateTime target = DateModeValue(date, form_.DateTimePickerTime->DateTime());
    if (target != date) datePicker.SetDateTime(target);
    return datePicker.DateTime();
}

bool TimerTriggerUnit::ClampDatePickers(core::TDateTime now) {
    if (!DatePickersPassed(now, DateModeTarget())) return false;
    form_.DateTimePickerDate->SetDateTime(now);
    form_.DateTimePickerTime->SetDateTime(now);
    return true;
}
