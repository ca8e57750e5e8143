#include "app/CpuLoadTriggerUnit.h"

#include <string>

#include "app/ListRanges.h"
#include "app/MainForm.h"
#include "core/Rounding.h"
#include "toolkit/Texts.h"
#include "ui/BtChkBox.h"
#include "ui/XiProgressBar.h"
#include "ui/lang.h"

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
void ShowLoad(ui::TXiProgressBar& bar, tk::Label& label, std::int64_t percent) {
    label.SetCaption(PercentText(percent));
    if (bar.Position() != percent) bar.SetPosition(static_cast<int>(percent));
}

} // namespace

bool CpuLoadTriggerUnit::Armed() const { return form_.CheckBoxCPU->Checked(); }

TriggerVerdict CpuLoadTriggerUnit::Run(const TickRun& run) {
    // Hidden, samples are taken only for the armed trigger.
    if (!run.shown && !Armed()) return TriggerVerdict::Skipped;
    source_.takeSample();
    LoadPeak peak;
    const int slots = source_.slotCount();
    for (int i = 0; i < slots; ++i) peak.Add(source_.loadFraction(i));
    const double load = peak.Clamped();

    // Counted only once the sample has succeeded.
    const std::int64_t average = window_.Add(load);
    if (run.shown) {
        ShowLoad(*form_.ProgressBarCPUCurrent, *form_.LabelCPUCurrent, core::RoundHalfEven(load * kPercent));
        ShowLoad(*form_.ProgressBarCPUByTime, *form_.LabelCPUByTime, average);
    }

    tk::ComboBox& windowList = *form_.ComboBoxCPULoadTime;
    // While the window list is open the window cannot end.
    if (windowList.DroppedDown()) return TriggerVerdict::Quiet;
    const int length = lists::WindowSeconds(windowList.ItemIndex());
    if (run.shown)
        windowList.SetStatusText(std::to_string(length) + "/" +
                                 std::to_string(window_.SecondsLeft(run.now, length)));
    if (!window_.EndIfElapsed(run.now, length)) return TriggerVerdict::Quiet;
    if (!LowLoad(average, form_.ComboBoxCPULoad->ItemIndex()) || !Armed()) return TriggerVerdict::Quiet;
    form_.CheckBoxCPU->SetChecked(false);
    return TriggerVerdict::Due;
}

WaitNeed CpuLoadTriggerUnit::HiddenNeed(core::TDateTime /*now*/) {
    if (Armed()) return WaitNeed::SampleEvery(kTickIntervalMs);
    samplesPaused_ = true;
    return WaitNeed::Nothing();
}

void CpuLoadTriggerUnit::Restored(core::TDateTime now) {
    // Without its samples the old window says nothing about the load now.
    if (!samplesPaused_) return;
    window_.Restart(now);
    samplesPaused_ = false;
}

std::string CpuLoadTriggerUnit::Describe(core::TDateTime /*now*/) const {
    return tk::LoadText(lang::TriggerCpuLine) + std::to_string(form_.ComboBoxCPULoad->ItemIndex()) + " %";
}

void CpuLoadTriggerUnit::Disarm() { form_.CheckBoxCPU->SetChecked(false); }
