// The scheduler tick and the scheduling controls' handlers: the tick asks
// each trigger unit in turn and requests the action for every one that fired.
#include <string>

#include "app/CpuLoadTriggerUnit.h"
#include "app/MainForm.h"
#include "app/NetQuietTriggerUnit.h"
#include "app/TimerTriggerUnit.h"
#include "app/ProgramCloseTriggerUnit.h"
#include "app/WinampTriggerUnit.h"
#include "toolkit/ErrorReport.h"
#include "ui/BtChkBox.h"

void TMainForm::SystemTimePingTimerTimer() {
    // A failing unit skips only itself: the others must still fire, and its
    // error is shown once until it runs cleanly again.
    const TickRun run{Now(), !tray_.Shown(), SteadyNow()};
    const TriggerUnits::Outcome outcome = triggers_.RunAll(run);
    for (int i = 0; i < outcome.due; ++i) PostToSelf(WM_POWER_ACTION);
    if (!run.shown) PlanTicks(run.now);
    for (const std::string& error : outcome.errors) tk::ShowErrorBox(error);
}

core::TDateTime TMainForm::DateModeTarget() { return timerUnit_->DateModeTarget(); }

bool TMainForm::ClampDatePickers() { return timerUnit_->ClampDatePickers(Now()); }

void TMainForm::CheckBoxTimerClick() {
    if (CheckBoxTimer->Checked()) Timer().Arm(Now(), SteadyNow());
    SystemTimePingTimerTimer();
}

void TMainForm::CheckBoxTimerEdited() {
    // A date that has passed would fire the moment it is armed.
    if (CheckBoxTimer->Checked() && RadioButtonDate->Checked() && !timerUnit_->TargetAhead(Now()))
        timerUnit_->RefusePassedTarget();
    CheckBoxTimerClick();
}

void TMainForm::RadioButtonDateEdited() {
    // The other mode's target may well be due (unarmed date pickers follow
    // the clock): a new mode starts disarmed.
    CheckBoxTimer->SetChecked(false);
    RadioButtonDateClick();
}

void TMainForm::RadioButtonCounterEdited() {
    CheckBoxTimer->SetChecked(false);
    RadioButtonCounterClick();
}

void TMainForm::TimerTargetEdited() {
    if (CheckBoxTimer->Checked() && !timerUnit_->TargetAhead(Now())) timerUnit_->RefusePassedTarget();
    SystemTimePingTimerTimer();
}

void TMainForm::RadioButtonDateClick() {
    RadioButtonCounter->SetChecked(!RadioButtonDate->Checked());
    SystemTimePingTimerTimer();
}

void TMainForm::RadioButtonCounterClick() {
    RadioButtonDate->SetChecked(!RadioButtonCounter->Checked());
    SystemTimePingTimerTimer();
}

void TMainForm::ComboBoxCPULoadTimeCloseUp() {
    if (ComboBoxCPULoadTime->ItemIndex() < 0) ComboBoxCPULoadTime->SetItemIndex(0);
    CpuWindow().Restart(Now());
    SystemTimePingTimerTimer();
}

void TMainForm::ComboBoxCPULoadTimeKeyPress(char& key) {
    // No search by typing: arrow keys still move the selection.
    key = 0;
}

void TMainForm::CheckBoxWinAmpClick() { winampUnit_->BoxClicked(); }
void TMainForm::WinAmpPingTimerTimer() { winampUnit_->Poll(); }
void TMainForm::ResetWinampLabels() { winampUnit_->ResetLabels(); }

void TMainForm::CheckBoxNetClick() { netUnit_->BoxClicked(); }
void TMainForm::ComboBoxNetAdapterDropDown() { netUnit_->FillAdapters(); }
void TMainForm::CheckBoxProgramClick() { programUnit_->BoxClick(); }
void TMainForm::ComboBoxProgramDropDown() { programUnit_->ListDropDown(); }
void TMainForm::ComboBoxProgramSelect() { programUnit_->ListSelect(); }
