// The scheduler tick: processor load and its averaging window, the timer
// target, the clock labels, and both triggers.
#include <exception>
#include <string>

#include "app/MainForm.h"
#include "rtl/DateTimeText.h"
#include "rtl/Rounding.h"
#include "toolkit/ErrorReport.h"
#include "ui/BtChkBox.h"
#include "ui/XiProgressBar.h"

namespace {

constexpr double kNoLoadYet = -100.0;
constexpr int kWindowStepSeconds = 5;

std::string PercentText(std::int64_t percent) {
    // Appended, not "(" + ...: gcc 12 warns falsely (-Wrestrict) on that form.
    std::string text(1, '(');
    text += std::to_string(percent);
    text += "%)";
    return text;
}

// The bar repaints at once whenever its position is set; an unchanged load
// would only repaint the same pixels four times a second.
void ShowLoad(TXiProgressBar& bar, tk::Label& label, std::int64_t percent) {
    if (bar.Position() != percent) bar.SetPosition(static_cast<int>(percent));
    label.SetCaption(PercentText(percent));
}

} // namespace

void TMainForm::SystemTimePingTimerTimer() {
    // A failing sample skips only the processor part: the timer trigger must
    // still fire, and the error is shown once until a sample succeeds again.
    const rtl::TDateTime now = Now();
    std::string sampleError;
    try {
        TickProcessorLoad(now);
        sampleErrorShown_ = false;
    } catch (const std::exception& e) {
        sampleError = e.what();
    }
    TickTimer(now);
    if (!sampleError.empty() && !sampleErrorShown_) {
        sampleErrorShown_ = true;
        tk::ShowErrorBox(sampleError);
    }
}

void TMainForm::TickProcessorLoad(rtl::TDateTime now) {
    services_.cpu.takeSample();
    double peak = kNoLoadYet;
    const int slots = services_.cpu.slotCount();
    for (int i = 0; i < slots; ++i) {
        const double v = services_.cpu.loadFraction(i);
        if (v > peak) peak = v;
    }
    if (!(peak >= 0.0)) peak = 0.0; // also catches NaN
    if (peak > 1.0) peak = 1.0;

    // Counted only once the sample has succeeded.
    ++SampleCount;
    LoadSum += peak;

    const std::int64_t current = rtl::RoundHalfEven(peak * 100.0);
    ShowLoad(*ProgressBarCPUCurrent, *LabelCPUCurrent, current);
    const std::int64_t average = rtl::RoundHalfEven(LoadSum / SampleCount * 100.0);
    ShowLoad(*ProgressBarCPUByTime, *LabelCPUByTime, average);

    // While the window list is open the window cannot end.
    if (ComboBoxCPULoadTime->DroppedDown()) return;
    const std::int64_t elapsed = rtl::SecondsBetween(WindowStart, now);
    const std::int64_t window = (ComboBoxCPULoadTime->ItemIndex() + 1) * kWindowStepSeconds;
    ComboBoxCPULoadTime->SetStatusText(std::to_string(window) + "/" + std::to_string(window - elapsed));
    if (elapsed < window) return;
    WindowStart = now;
    SampleCount = 0;
    LoadSum = 0.0;
    if (average <= ComboBoxCPULoad->ItemIndex() && CheckBoxCPU->Checked()) {
        CheckBoxCPU->SetChecked(false);
        PostToSelf(WM_POWER_ACTION);
    }
}

void TMainForm::TickTimer(rtl::TDateTime now) {
    const bool passed = ClampDatePickers();
    const bool dateDue = passed && RadioButtonDate->Checked();

    rtl::TDateTime target;
    if (RadioButtonCounter->Checked()) {
        const rtl::TDateTime base = CheckBoxTimer->Checked() ? ArmedTime : now;
        rtl::DateTimeParts span;
        rtl::TryDecodeDateTime(rtl::TimeOf(DateTimePickerReverseTime->DateTime()), span);
        target = rtl::IncDay(base, DaysComboBox->ItemIndex());
        target = rtl::IncHour(target, span.Hour);
        target = rtl::IncMinute(target, span.Minute);
        target = rtl::IncSecond(target, span.Second);
    } else {
        target = DateModeTarget();
    }
    ShowDateTimeLabels(now, target);

    if (CheckBoxTimer->Checked() && (dateDue || rtl::IsLater(now, target))) {
        CheckBoxTimer->SetChecked(false);
        PostToSelf(WM_POWER_ACTION);
    }
}

void TMainForm::ShowDateTimeLabels(rtl::TDateTime now, rtl::TDateTime target) {
    CurrTimeLabel->SetCaption(rtl::DateText(now, formats_) + " " + rtl::TimeText(now, formats_));
    PowerOffTimeLabel->SetCaption(rtl::DateText(target, formats_) + " " + rtl::TimeText(target, formats_));
}

rtl::TDateTime TMainForm::DateModeTarget() {
    const rtl::TDateTime date = DateTimePickerDate->DateTime();
    const rtl::TDateTime timeOfDay = rtl::TimeOf(DateTimePickerTime->DateTime());
    if (rtl::TimeOf(date) != timeOfDay)
        DateTimePickerDate->SetDateTime(rtl::CombineDateTime(rtl::DateOf(date), timeOfDay));
    return DateTimePickerDate->DateTime();
}

bool TMainForm::ClampDatePickers() {
    const rtl::TDateTime now = Now();
    if (!rtl::IsLater(now, DateModeTarget())) return false;
    DateTimePickerDate->SetDateTime(now);
    DateTimePickerTime->SetDateTime(now);
    return true;
}

void TMainForm::CheckBoxTimerClick() {
    if (CheckBoxTimer->Checked()) ArmedTime = Now();
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
    WindowStart = Now();
    SampleCount = 0;
    LoadSum = 0.0;
    SystemTimePingTimerTimer();
}

void TMainForm::ComboBoxCPULoadTimeKeyPress(char& key) {
    // No search by typing: arrow keys still move the selection.
    key = 0;
}
