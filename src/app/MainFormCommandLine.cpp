// The command line applied to the main window, as the last step of its creation.
#include "app/CommandLine.h"
#include "app/CommandLineHelp.h"
#include "app/CommandLineSplit.h"
#include "app/MainForm.h"
#include "app/NetQuietTriggerUnit.h"
#include "app/ProgramCloseTriggerUnit.h"
#include "toolkit/Texts.h"
#include "ui/BtChkBox.h"

namespace {

// Each option acts as the matching click or choice would, handlers included.
class MainFormOptions final : public cmdline::CommandLineTarget {
public:
    explicit MainFormOptions(TMainForm& form) : f_(form) {}

    core::TDateTime Now() const override { return f_.Now(); }
    const core::TFormatSettings& Formats() const override { return f_.Formats(); }
    void SelectAction(int action) override {
        f_.ActionComboBox->SetItemIndex(action);
        f_.ActionComboBoxSelect();
    }
    void ToggleWinamp() override {
        f_.CheckBoxWinAmp->Toggle();
        f_.CheckBoxWinAmpClick();
    }
    void SelectLoadLevel(int percent) override { f_.ComboBoxCPULoad->SetItemIndex(percent); }
    void SelectLoadWindowItem(int item) override { f_.ComboBoxCPULoadTime->SetItemIndex(item); }
    void ToggleCpu() override { f_.CheckBoxCPU->Toggle(); }
    void SelectDays(int days) override { f_.DaysComboBox->SetItemIndex(days); }
    void SetCountdownSpan(core::TDateTime timeOfDay) override {
        f_.DateTimePickerReverseTime->SetTime(timeOfDay);
    }
    void SelectCountdownMode() override {
        f_.RadioButtonCounter->SetChecked(true);
        f_.RadioButtonCounterClick();
    }
    core::TDateTime EarliestDate() const override {
        return f_.DateTimePickerDate->MinDate().value_or(core::DateOf(f_.Now()));
    }
    void SetTargetDate(core::TDateTime date) override { f_.DateTimePickerDate->SetDate(date); }
    void SetTargetTime(core::TDateTime timeOfDay) override { f_.DateTimePickerTime->SetTime(timeOfDay); }
    core::TDateTime DateModeTarget() override { return f_.DateModeTarget(); }
    void SelectDateMode() override {
        f_.RadioButtonDate->SetChecked(true);
        f_.RadioButtonDateClick();
    }
    void Tick() override { f_.SystemTimePingTimerTimer(); }
    void ToggleTimer() override {
        f_.CheckBoxTimer->Toggle();
        f_.CheckBoxTimerClick();
    }
    void SelectNetLevel(int kbPerSecond) override { f_.NetQuiet().SelectLevel(kbPerSecond); }
    void SelectNetWindow(int seconds) override { f_.NetQuiet().SelectWindow(seconds); }
    void SelectNetAdapter(const std::string& name) override { f_.NetQuiet().SelectAdapter(name); }
    void ToggleNet() override {
        f_.CheckBoxNet->Toggle();
        f_.CheckBoxNetClick();
    }
    std::string ToggleProgramClose(const std::string& executable) override {
        return f_.ProgramClose().ToggleByName(executable);
    }
    void ShowOptions() override {
        f_.ShowMessageDlg(cmdline::OptionsText(tk::LoadText, f_.Formats(), core::DateOf(f_.Now())));
    }

private:
    TMainForm& f_;
};

} // namespace

void TMainForm::ApplyCommandLine() {
    MainFormOptions options(*this);
    cmdline::ApplyCommandLine(cmdline::SplitCommandLine(services_.commandLine), options,
                              cmdline::SplitCommandLine(services_.commandLineUtf8));
}
