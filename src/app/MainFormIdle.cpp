// The main window while it waits: hidden in the notification area the tick
// runs only as often as a trigger can fire and paints nothing; restored, it
// shows everything as it is at once.
#include <algorithm>

#include "app/MainForm.h"
#include "app/TickPlan.h"
#include "toolkit/RegionalSettings.h"
#include "ui/BtChkBox.h"

void TMainForm::PlanTicks(rtl::TDateTime now) {
    TickSituation situation;
    situation.shown = !trayIconShown_;
    situation.cpuArmed = CheckBoxCPU->Checked();
    situation.timerArmed = CheckBoxTimer->Checked();
    situation.now = now;
    if (!situation.shown && situation.timerArmed)
        situation.target = timer_.Decide(ReadTimerSettings(now, false), now).target;
    const TickPlan plan = PlanTick(situation);
    if (plan.cadence != TickCadence::Regular) samplesPaused_ = true;

    switch (plan.cadence) {
    case TickCadence::Regular:
        if (SystemTimePingTimer.Interval() != kTickIntervalMs) {
            SystemTimePingTimer.SetEnabled(false);
            SystemTimePingTimer.SetInterval(kTickIntervalMs);
        }
        SystemTimePingTimer.SetEnabled(true);
        break;
    case TickCadence::Once:
        // A fresh wait from now: the interval of a wait under way stays.
        SystemTimePingTimer.SetEnabled(false);
        SystemTimePingTimer.SetInterval(static_cast<std::uint16_t>(std::max<std::uint32_t>(plan.delayMs, 1)));
        SystemTimePingTimer.SetEnabled(true);
        break;
    case TickCadence::Parked: SystemTimePingTimer.SetEnabled(false); break;
    }
}

void TMainForm::BringUpToDate() {
    const rtl::TDateTime now = Now();
    // Without its samples the old window says nothing about the load now.
    if (samplesPaused_) {
        cpuWindow_.Restart(now);
        samplesPaused_ = false;
    }
    SystemTimePingTimerTimer();
    PlanTicks(now);
}

void TMainForm::WMTimeChange() {
    // Shown, the next run sees the new time anyway; hidden, a wait for the
    // target was measured on the old clock.
    if (trayIconShown_) SystemTimePingTimerTimer();
}

void TMainForm::WMPowerBroadcast(WPARAM event) {
    // Time passed while the computer slept, and a wait may not have counted it.
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) WMTimeChange();
}

void TMainForm::WMSettingChange() {
    // Read once here rather than on every run; the labels follow at the next run.
    formats_ = tk::ReadRegionalSettings();
    for (tk::DateTimePicker* p : {DateTimePickerDate, DateTimePickerTime, DateTimePickerReverseTime})
        p->SetFormatSettings(formats_);
}
