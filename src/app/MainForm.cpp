#include "app/MainForm.h"

#include <string>

#include "app/ActionCaptions.h"
#include "app/CpuLoadTriggerUnit.h"
#include "app/NetQuietTriggerUnit.h"
#include "app/ListRanges.h"
#include "app/Platform.h"
#include "app/PowerActions.h"
#include "app/Product.h"
#include "app/SettingsFile.h"
#include "app/SnoozeUnit.h"
#include "app/TickPlan.h"
#include "app/TimerTriggerUnit.h"
#include "app/ProgramCloseTriggerUnit.h"
#include "app/WinampTriggerUnit.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"
#include "app/global.h"
#include "clocksync/ClockSync.h"
#include "clocksync/LocalClock.h"
#include "clocksync/ServerList.h"
#include "monitors/BackgroundAdapterReader.h"
#include "monitors/NetworkCounters.h"
#include "monitors/WinampWindow.h"
#include "monitors/adCpuUsage.h"
#include "dialogs/messageUnit.h"
#include "dialogs/myhint.h"
#include "resource.h"
#include "toolkit/Application.h"
#include "toolkit/ApplicationTitle.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/RegionalSettings.h"
#include "toolkit/WideText.h"
#include "ui/BtChkBox.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"

using tk::LoadText;

namespace {

constexpr std::uint16_t kWinampPollInterval = 500;

core::TDateTime LocalNow() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return tk::FromSystemTime(st);
}

// Runs one start-up step; a failing step is reported and the next one runs.
template <typename Step>
void RunStep(Step&& step) {
    try {
        step();
    } catch (...) {
        tk::HandleException();
    }
}

} // namespace

MainFormServices DefaultMainFormServices() {
    MainFormServices s;
    s.now = LocalNow;
    s.steadyMs = GetTickCount64;
    s.cpu = {TakeCpuSample, CpuSlotCount, CpuLoadFraction};
    s.isNTPlatform = IsNTPlatformFamily();
    s.settingsFileName = SettingsFileName();
    s.power = std::make_shared<WindowsPowerSystem>();
    s.setLocalClock = [nt = s.isNTPlatform](core::TDateTime value) {
        return clocksync::SetLocalClock(value, nt);
    };
    s.serverListFile = WindowsSettingsFolderSystem().ExecutableFolder() + clocksync::kServerListFileName;
    s.winamp = std::make_shared<monitors::WinampWindowLink>();
    s.commandLine = GetCommandLineA();
    s.commandLineUtf8 = tk::Utf8(GetCommandLineW());
    s.showMessage = ::ShowMessageDlg;
    s.notifyIcon = Shell_NotifyIconA;
    s.askYesNo = [](const std::string& question) {
        return MessageBoxA(nullptr, question.c_str(), kProductTitle,
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TOPMOST | MB_SETFOREGROUND) ==
               IDYES;
    };
    s.readAdapters = [counters = std::make_shared<monitors::NetworkCounters>()] { return counters->Read(); };
    s.readAdaptersInBackground = true;
    return s;
}

TMainForm::TMainForm(MainFormServices services)
    : tk::Form(Description().form), TrayIconData(tray_.Record()), services_(std::move(services)) {
    tk::BuildForm(*this, Description(), LoadText);
    tray_.SetShell(services_.notifyIcon);
    RegisterTriggers();
    SystemTimePingTimer.SetInterval(kTickIntervalMs);
    SystemTimePingTimer.SetOnTimer([this](tk::TAsyncTimer&) { SystemTimePingTimerTimer(); });
    // Enabled by CheckBoxWinAmpClick exactly while the trigger is armed.
    WinAmpPingTimer.SetInterval(kWinampPollInterval);
    CreateClockSync();
    WinAmpPingTimer.SetOnTimer([this](tk::TAsyncTimer&) { WinAmpPingTimerTimer(); });
    FormCreate();
}

TMainForm::~TMainForm() {
    // Stop the timers before the controls they touch go away.
    SystemTimePingTimer.SetEnabled(false);
    WinAmpPingTimer.SetEnabled(false);
}

AdapterSource TMainForm::TickAdapterSource() {
    AdapterSource atOnce = ReadAtOnce(services_.readAdapters);
    if (!services_.readAdaptersInBackground) return atOnce;
    // Shown, the window must stay quick to answer: the pool reads, and the
    // reading wakes the tick, which takes it. Hidden, nobody waits on the
    // window, and reading on the spot costs less than a thread's round trip.
    auto reader = std::make_shared<monitors::BackgroundAdapterReader>(
        services_.readAdapters, [window = Handle()] { PostMessageA(window, WM_TRIGGER_WAKE, 0, 0); });
    return [this, reader, atOnce = std::move(atOnce)] { return tray_.Shown() ? atOnce() : reader->Take(); };
}

void TMainForm::RegisterTriggers() {
    // The processor part runs first, so that one run can request its action
    // before the timer's.
    auto cpu = std::make_unique<CpuLoadTriggerUnit>(*this, services_.cpu);
    auto timer = std::make_unique<TimerTriggerUnit>(*this);
    auto winamp = std::make_unique<WinampTriggerUnit>(*this, services_.winamp);
    auto program = std::make_unique<ProgramCloseTriggerUnit>(
        ProgramCloseControls{*CheckBoxProgram, *ComboBoxProgram, *LabelProgramStatus},
        ProgramCloseServices{.window = Handle(),
                             .message = WM_PROGRAM_CLOSED,
                             .requestAction = [this] { PostPowerAction(); },
                             .showMessage = [this](const std::string& text) { ShowMessageDlg(text); }});
    auto net = std::make_unique<NetQuietTriggerUnit>(*this, services_.readAdapters, TickAdapterSource());
    // Last, so that while it runs its end shows in the timer's label.
    auto snooze = std::make_unique<SnoozeUnit>(*this);
    cpuUnit_ = cpu.get();
    timerUnit_ = timer.get();
    winampUnit_ = winamp.get();
    netUnit_ = net.get();
    programUnit_ = program.get();
    snoozeUnit_ = snooze.get();
    triggers_.Add(std::move(cpu));
    triggers_.Add(std::move(timer));
    triggers_.Add(std::move(winamp));
    triggers_.Add(std::move(net));
    triggers_.Add(std::move(program));
    triggers_.Add(std::move(snooze));
}

TimerTrigger& TMainForm::Timer() { return timerUnit_->Rules(); }
CpuLoadWindow& TMainForm::CpuWindow() { return cpuUnit_->Window(); }

void TMainForm::ActionMinimizeExecute() { tk::Application::Instance().Minimize(); }
void TMainForm::ActionCloseExecute() { Close(); }
void TMainForm::ActionAboutExecute() { PostToSelf(WM_SHOW_ABOUT); }
void TMainForm::ActionPowerExecute() { PostToSelf(WM_POWER_ACTION); }
void TMainForm::ActionClockExecute() { PostToSelf(WM_CLOCK_SYNC); }

// The controls' texts, cursors, keyboard order and header layout come with
// the description; these are the steps that follow it, in start-up order.
void TMainForm::FormCreate() {
    RunStep([&] { SetCaption(LoadText(lang::MainCaption)); });
    RunStep([&] {
        ActionComboBox->Clear();
        for (int action = 0; action < lists::kActionItemCount; ++action)
            ActionComboBox->AddItem(LoadText(lang::ActionTurnOff + action));
    });
    RunStep([&] { tk::SetApplicationTitle(kProductTitle); });
    RunStep([&] { InstallHintWindowClass(); });
    RunStep([&] {
        for (tk::DateTimePicker* p : {DateTimePickerDate, DateTimePickerTime, DateTimePickerReverseTime})
            p->SetHeight(DaysComboBox->Height());
    });
    RunStep([&] {
        ChooseTimeServer();
        NetTimeSpeedButton->SetHint(NetTimeSpeedButton->Hint() + " " + TimeServerHost);
    });
    RunStep([&] { Timer().Arm(Now(), SteadyNow()); });
    FillLists();
    RunStep([&] { FillSkinComboBox(); });
    RunStep([&] { SetUpPickers(); });
    RunStep([&] {
        IsNTPlatform = services_.isNTPlatform;
        SetCaption(Caption() + PlatformCaptionSuffix(IsNTPlatform));
    });
    RunStep([&] { CpuWindow().Restart(Now()); });
    RunStep([&] { ResetWinampLabels(); });
    RunStep([&] { LoadSettings(); });
    RunStep([&] { SelectSkin(); });
    // A tile that cannot be read is reported; the window still takes the
    // skin's levels and colours.
    RunStep([&] { ApplySkin(); });
    RunStep([&] { ActionComboBoxSelect(); });
    RunStep([&] { RadioButtonDateClick(); });
    RunStep([&] { SystemTimePingTimer.SetEnabled(true); });
    RunStep([&] { tk::Application::Instance().OnMinimize = [this] { HideToTray(); }; });
    RunStep([&] { FillTrayIconData(); });
    // The command line keeps its own rule: an error ends the options only.
    RunStep([&] { ApplyCommandLine(); });
}

void TMainForm::FillLists() {
    RunStep([&] {
        for (int day = 0; day <= lists::kMaxDays; ++day) DaysComboBox->AddItem(std::to_string(day));
        DaysComboBox->SetItemIndex(lists::kDefaultDaysItem);
    });
    RunStep([&] {
        for (int level = 0; level <= lists::kMaxLoadLevel; ++level)
            ComboBoxCPULoad->AddItem(std::to_string(level));
        ComboBoxCPULoad->SetItemIndex(lists::kDefaultLoadItem);
    });
    RunStep([&] {
        for (int i = 0; i < lists::kWindowItemCount; ++i)
            ComboBoxCPULoadTime->AddItem(std::to_string(lists::WindowSeconds(i)));
        ComboBoxCPULoadTime->SetItemIndex(lists::kDefaultWindowItem);
    });
    RunStep([&] { netUnit_->FillLists(); });
}

void TMainForm::SetUpPickers() {
    formats_ = tk::ReadRegionalSettings();
    for (tk::DateTimePicker* p : {DateTimePickerDate, DateTimePickerTime, DateTimePickerReverseTime})
        p->SetFormatSettings(formats_);
    const core::TDateTime now = Now();
    DateTimePickerDate->SetDateTime(now);
    DateTimePickerDate->SetMinDate(core::DateOf(now));
    DateTimePickerTime->SetDateTime(now);
}

void TMainForm::FillTrayIconData() {
    // The application title is also the icon's tip.
    tray_.Fill(Handle(), WM_TRAY_ICON, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON)),
               kProductTitle);
}

void TMainForm::ActionComboBoxSelect() {
    const int action = ActionComboBox->ItemIndex();
    if (action < 0 || action >= lists::kActionItemCount) return;
    const ActionCaptionRow& row = ActionCaptionsFor(action);
    CheckBoxTimer->SetCaption(LoadText(row.checkBoxTimer));
    RadioButtonDate->SetCaption(LoadText(row.radioButtonDate));
    TimeActionLabel->SetCaption(LoadText(row.timeActionLabel));
    CheckBoxWinAmp->SetCaption(LoadText(row.checkBoxWinAmp));
    CheckBoxCPU->SetCaption(LoadText(row.checkBoxCPU));
    CheckBoxNet->SetCaption(LoadText(row.checkBoxNet));
    CheckBoxProgram->SetCaption(LoadText(row.checkBoxProgram));
}

void TMainForm::SaveSettings() {
    StoredSettings s;
    s.RadioButtonDate = RadioButtonDate->Checked();
    s.RadioButtonCounter = RadioButtonCounter->Checked();
    s.DaysComboBox = DaysComboBox->ItemIndex();
    s.ComboBoxCPULoad = ComboBoxCPULoad->ItemIndex();
    s.ComboBoxCPULoadTime = ComboBoxCPULoadTime->ItemIndex();
    s.DateTimePickerReverseTime = DateTimePickerReverseTime->DateTime();
    s.ActionComboBox = ActionComboBox->ItemIndex();
    s.SkinComboBox = SkinComboBox->ItemIndex();
    s.SkinFile = SelectedSkinFile();
    const NetQuietSettings net = netUnit_->Settings();
    s.NetQuietLevel = net.levelKB;
    s.NetQuietSeconds = net.seconds;
    s.NetQuietAdapter = net.adapter;
    s.ProcessName = programUnit_->Name();
    s.SnoozeMinutes = snoozeMinutes_;
    WriteSettings(services_.settingsFileName, s);
}

void TMainForm::LoadSettings() {
    const StoredSettings s = ReadSettings(services_.settingsFileName, SkinComboBox->ItemCount());
    RadioButtonDate->SetChecked(s.RadioButtonDate);
    RadioButtonCounter->SetChecked(s.RadioButtonCounter);
    DaysComboBox->SetItemIndex(s.DaysComboBox);
    ComboBoxCPULoad->SetItemIndex(s.ComboBoxCPULoad);
    ComboBoxCPULoadTime->SetItemIndex(s.ComboBoxCPULoadTime);
    // Read into the picker's range, so that it shows the span the countdown uses.
    DateTimePickerReverseTime->SetDateTime(s.DateTimePickerReverseTime);
    ActionComboBox->SetItemIndex(s.ActionComboBox);
    SkinComboBox->SetItemIndex(ChosenSkinItem(s, SkinFiles()));
    snoozeMinutes_ = s.SnoozeMinutes;
    if (ComboBoxCPULoadTime->ItemIndex() < 0) ComboBoxCPULoadTime->SetItemIndex(0);
    netUnit_->SelectLevel(s.NetQuietLevel);
    netUnit_->SelectWindow(s.NetQuietSeconds);
    netUnit_->SelectAdapter(s.NetQuietAdapter);
}

void TMainForm::FormClose() {
    // Closing must always be possible: a settings file that cannot be
    // written is reported, and the window closes anyway.
    try {
        SaveSettings();
    } catch (...) {
        tk::HandleException();
    }
    StopClockSync();
}

void TMainForm::PostToSelf(UINT msg) { PostMessageA(Handle(), msg, 0, 0); }

LRESULT TMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_POWER_ACTION: WMPowerAction(); return 0;
    case WM_SHOW_ABOUT: WMShowAbout(); return 0;
    case WM_CLOCK_SYNC: WMClockSync(); return 0;
    case WM_SHOW_PENDING_MESSAGE: WMShowPendingMessage(); return 0;
    case WM_PROGRAM_CLOSED: programUnit_->WatchEnded(wParam); return 0;
    case WM_TRAY_ICON: WMTrayIcon(lParam); return 0;
    case WM_TIMECHANGE: WMTimeChange(); return 0;
    case WM_POWERBROADCAST: WMPowerBroadcast(wParam); return TRUE;
    case WM_TRIGGER_WAKE: SystemTimePingTimerTimer(); return 0;
    default:
        if (msg == tray_.TaskbarCreatedMessage()) tray_.ShellRestarted();
        break;
    }
    return tk::Form::WndProc(msg, wParam, lParam);
}
