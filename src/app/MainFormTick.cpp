// The scheduler tick and the scheduling controls' handlers: they read the
// controls, hand them to the triggers' own types (CpuLoadWindow,
// TimerTrigger) and show and act on what those decide.
#include <exception>
#include <string>

#include "app/ListRanges.h"
#include "app/MainForm.h"
#include "rtl/DateTimeText.h"
#include "rtl/Rounding.h"
#include "toolkit/ErrorReport.h"
#include "ui/BtChkBox.h"
#include "ui/XiProgressBar.h"

namespace {

constexpr double kPercent = 100.0;

std::string PercentText(std::int64_t percent) {
    // Appended, not "(" + ...: gcc 12 warns falsely (-Wrestrict) on that form.
    std::string text(1, '(');
    text += std::to_string(percent);
    text += "%)";
    return text;
}

// The bar repaints at once whenever its position is set, and takes the
// label's new text along in the same pass; an unchanged load would only
// repaint the same pixels four times a second.
void ShowLoad(TXiProgressBar& bar, tk::Label& label, std::int64_t percent) {
    label.SetCaption(PercentText(percent));
    if (bar.Position() != percent) bar.SetPosition(static_cast<int>(percent));
}

} // namespace

void TMainForm::SystemTimePingTimerTimer() {
    // A failing sample skips only the processor part: the timer trigger must
    // still fire, and the error is shown once until a sample succeeds again.
    const rtl::TDateTime now = Now();
    const bool shown = !trayIconShown_;
    std::string sampleError;
    // Hidden, samples are taken only for the armed processor-load trigger.
    if (shown || CheckBoxCPU->Checked()) {
        try {
            TickProcessorLoad(now, shown);
            sampleErrorShown_ = false;
        } catch (const std::exception& e) {
            sampleError = e.what();
        }
    }
    TickTimer(now, shown);
    if (!shown) PlanTicks(now);
    if (!sampleError.empty() && !sampleErrorShown_) {
        sampleErrorShown_ = true;
        tk::ShowErrorBox(sampleError);
    }
}

void TMainForm::TickProcessorLoad(rtl::TDateTime now, bool shown) {
    services_.cpu.takeSample();
    LoadPeak peak;
    const int slots = services_.cpu.slotCount();
    for (int i = 0; i < slots; ++i) peak.Add(services_.cpu.loadFraction(i));
    const double load = peak.Clamped();

    // Counted only once the sample has succeeded.
    const std::int64_t average = cpuWindow_.Add(load);
    if (shown) {
        ShowLoad(*ProgressBarCPUCurrent, *LabelCPUCurrent, rtl::RoundHalfEven(load * kPercent));
        ShowLoad(*ProgressBarCPUByTime, *LabelCPUByTime, average);
    }

    // While the window list is open the window cannot end.
    if (ComboBoxCPULoadTime->DroppedDown()) return;
    const int length = lists::WindowSeconds(ComboBoxCPULoadTime->ItemIndex());
    if (shown) {
        ComboBoxCPULoadTime->SetStatusText(std::to_string(length) + "/" +
                                           std::to_string(cpuWindow_.SecondsLeft(now, length)));
    }
    if (!cpuWindow_.EndIfElapsed(now, length)) return;
    if (LowLoad(average, ComboBoxCPULoad->ItemIndex()) && CheckBoxCPU->Checked()) {
        CheckBoxCPU->SetChecked(false);
        PostToSelf(WM_POWER_ACTION);
    }
}

void TMainForm::TickTimer(rtl::TDateTime now, bool shown) {
    const TimerVerdict verdict = timer_.Decide(ReadTimerSettings(now, shown), now);
    if (shown) ShowDateTimeLabels(now, verdict.target);
    if (verdict.due) {
        CheckBoxTimer->SetChecked(false);
        PostToSelf(WM_POWER_ACTION);
    }
}

TimerSettings TMainForm::ReadTimerSettings(rtl::TDateTime now, bool shown) {
    TimerSettings settings;
    settings.dateMode = !RadioButtonCounter->Checked();
    settings.armed = CheckBoxTimer->Checked();
    settings.days = DaysComboBox->ItemIndex();
    settings.span = DateTimePickerReverseTime->DateTime();
    if (shown) {
        settings.datePickersPassed = ClampDatePickers();
        if (settings.dateMode) settings.dateTarget = DateModeTarget();
    } else {
        const rtl::TDateTime pickers =
            DateModeValue(DateTimePickerDate->DateTime(), DateTimePickerTime->DateTime());
        settings.datePickersPassed = DatePickersPassed(now, pickers);
        settings.dateTarget = pickers;
    }
    return settings;
}

void TMainForm::ShowDateTimeLabels(rtl::TDateTime now, rtl::TDateTime target) {
    CurrTimeLabel->SetCaption(rtl::DateText(now, formats_) + " " + rtl::TimeText(now, formats_));
    PowerOffTimeLabel->SetCaption(rtl::DateText(target, formats_) + " " + rtl::TimeText(target, formats_));
}

rtl::TDateTime TMainForm::DateModeTarget() {
    const rtl::TDateTime date = DateTimePickerDate->DateTime();
    const rtl::TDateTime target = DateModeValue(date, DateTimePickerTime->DateTime());
    if (target != date) DateTimePickerDate->SetDateTime(target);
    return DateTimePickerDate->DateTime();
}

bool TMainForm::ClampDatePickers() {
    const rtl::TDateTime now = Now();
    if (!DatePickersPassed(now, DateModeTarget())) return false;
    DateTimePickerDate->SetDateTime(now);
    DateTimePickerTime->SetDateTime(now);
    return true;
}

void TMainForm::CheckBoxTimerClick() {
    if (CheckBoxTimer->Checked()) timer_.Arm(Now());
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
    cpuWindow_.Restart(Now());
    SystemTimePingTimerTimer();
}

void TMainForm::ComboBoxCPULoadTimeKeyPress(char& key) {
    // No search by typing: arrow keys still move the selection.
    key = 0;
}
