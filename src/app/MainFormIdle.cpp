// The main window while it waits: hidden in the notification area the tick
// runs only as often as a trigger can fire and paints nothing; restored, it
// shows everything as it is at once.
#include "app/MainForm.h"
#include "toolkit/RegionalSettings.h"

void TMainForm::PlanTicks(core::TDateTime now) { scheduler_.Plan(now, !tray_.Shown()); }

void TMainForm::BringUpToDate() {
    const core::TDateTime now = Now();
    triggers_.Restored(now);
    SystemTimePingTimerTimer();
    PlanTicks(now);
}

void TMainForm::WMTimeChange() {
    // Shown, the next run sees the new time anyway; hidden, a wait for the
    // target was measured on the old clock.
    if (tray_.Shown()) SystemTimePingTimerTimer();
}

void TMainForm::WMPowerBroadcast(WPARAM event) {
    // Time passed while the computer slept, and a wait may not have counted it.
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) WMTimeChange();
}

void TMainForm::FormSettingChange() {
    // Read once here rather than on every run; the labels follow at the next run.
    formats_ = tk::ReadRegionalSettings();
    for (tk::DateTimePicker* p : {DateTimePickerDate, DateTimePickerTime, DateTimePickerReverseTime})
        p->SetFormatSettings(formats_);
    FollowHighContrast();
}
