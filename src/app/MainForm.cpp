#include "app/MainForm.h"

#include <string>

#include "app/ActionCaptions.h"
#include "app/Platform.h"
#include "app/PowerActions.h"
#include "app/Product.h"
#include "app/SettingsFile.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"
#include "app/global.h"
#include "monitors/adCpuUsage.h"
#include "dialogs/myhint.h"
#include "resource.h"
#include "toolkit/Application.h"
#include "toolkit/ApplicationTitle.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/RegionalSettings.h"
#include "ui/BtChkBox.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"

using tk::LoadText;

namespace {

constexpr int kClientWidth = 521;
constexpr int kClientHeight = 257;
constexpr std::uint16_t kTickInterval = 250; // ms
constexpr std::uint16_t kWinampPollInterval = 500;
constexpr int kMaxDays = 365;
constexpr int kMaxLoadLevel = 100;
constexpr int kDefaultLoadLevel = 10;
constexpr int kWindowSteps = 12;      // 5, 10, ... 60 seconds
constexpr int kDefaultWindowItem = 4; // 25 seconds
constexpr UINT kTrayIconId = 1;

rtl::TDateTime LocalNow() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return tk::FromSystemTime(st);
}

tk::FormArgs MainFormArgs() {
    tk::FormArgs args;
    args.name = "MainForm";
    args.clientWidth = kClientWidth;
    args.clientHeight = kClientHeight;
    args.border = tk::FormBorder::Single;
    args.minimizeBox = true;
    args.snapToEdges = true;
    return args;
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
    s.cpu = {TakeCpuSample, CpuSlotCount, CpuLoadFraction};
    s.isNTPlatform = IsNTPlatformFamily();
    s.settingsFileName = SettingsFileName();
    s.power = std::make_shared<WindowsPowerSystem>();
    return s;
}

TMainForm::TMainForm(MainFormServices services) : tk::Form(MainFormArgs()), services_(std::move(services)) {
    BuildControls();
    WireEvents();
    CreateActions();
    FormCreate();
}

TMainForm::~TMainForm() {
    // Stop the timers before the controls they touch go away.
    SystemTimePingTimer.SetEnabled(false);
    WinAmpPingTimer.SetEnabled(false);
    RemoveTrayIcon();
}

void TMainForm::WireEvents() {
    CheckBoxTimer->OnClick = [this](tk::Control&) { CheckBoxTimerClick(); };
    RadioButtonDate->OnClick = [this](tk::Control&) { RadioButtonDateClick(); };
    RadioButtonCounter->OnClick = [this](tk::Control&) { RadioButtonCounterClick(); };
    auto tick = [this](auto&) { SystemTimePingTimerTimer(); };
    DateTimePickerDate->OnChange = tick;
    DateTimePickerTime->OnChange = tick;
    DateTimePickerReverseTime->OnChange = tick;
    DaysComboBox->OnChange = tick;
    ComboBoxCPULoad->OnChange = tick;
    ComboBoxCPULoadTime->OnCloseUp = [this](tk::ComboBox&) { ComboBoxCPULoadTimeCloseUp(); };
    ComboBoxCPULoadTime->OnKeyPress = [this](tk::ComboBox&, char& key) { ComboBoxCPULoadTimeKeyPress(key); };
    ActionComboBox->OnSelect = [this](tk::ComboBox&) { ActionComboBoxSelect(); };

    SystemTimePingTimer.SetInterval(kTickInterval);
    SystemTimePingTimer.SetOnTimer([this](TAsyncTimer&) { SystemTimePingTimerTimer(); });
    WinAmpPingTimer.SetInterval(kWinampPollInterval);
}

void TMainForm::CreateActions() {
    AddAction(
        {"ActionMinimize", "ActionMinimize", {VK_ESCAPE}, [] { tk::Application::Instance().Minimize(); }});
    auto& close = AddAction({"ActionClose", "Close", {'X', false, false, true}, [this] { Close(); }});
    auto& about = AddAction({"ActionAbout", "About", {VK_F1}, [this] { PostToSelf(WM_SHOW_ABOUT); }});
    auto& power = AddAction({"ActionPower", "Exec", {VK_F10}, [this] { PostToSelf(WM_POWER_ACTION); }});
    auto& clock = AddAction({"ActionClock", "Sync", {VK_F2}, [this] { PostToSelf(WM_CLOCK_SYNC); }});
    CloseSpeedButton->SetAction(&close);
    AboutSpeedButton->SetAction(&about);
    PowerSpeedButton->SetAction(&power);
    NetTimeSpeedButton->SetAction(&clock);
}

void TMainForm::FormCreate() {
    RunStep([&] {
        SetCaption(LoadText(lang::MainCaption));
        CurrentTimeTxt->SetCaption(LoadText(lang::CurrentTimeText));
        CurrentSongTxt->SetCaption(LoadText(lang::CurrentSongText));
        PlaylistPosTxt->SetCaption(LoadText(lang::PlaylistPosText));
        AvCPULoadTxt->SetCaption(LoadText(lang::AvCPULoadText));
        OverTimeTxt->SetCaption(LoadText(lang::OverTimeText));
        CurCPULoadTxt->SetCaption(LoadText(lang::CurCPULoadText));
        AvCPUloadLevTxt->SetCaption(LoadText(lang::AvCPULoadLevText));
        ActTxt->SetCaption(LoadText(lang::ActText));
        SkinTxt->SetCaption(LoadText(lang::SkinText));
        DateTxt->SetCaption(LoadText(lang::DateText));
        TimeTxt->SetCaption(LoadText(lang::TimeText));
        PlDaysTxt->SetCaption(LoadText(lang::PlDaysText));
        PlTimeTxt->SetCaption(LoadText(lang::PlTimeText));
        RadioButtonCounter->SetCaption(LoadText(lang::TimeCountdown));
    });
    RunStep([&] {
        ActionComboBox->Clear();
        for (int action = 0; action < kActionCount; ++action)
            ActionComboBox->AddItem(LoadText(lang::ActionTurnOff + action));
    });
    RunStep([&] {
        NetTimeSpeedButton->SetCaption(LoadText(lang::ButtonSync));
        AboutSpeedButton->SetCaption(LoadText(lang::ButtonAbout));
        PowerSpeedButton->SetCaption(LoadText(lang::ButtonExecute));
        CloseSpeedButton->SetCaption(LoadText(lang::ButtonClose));
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
    RunStep([&] {
        ArmedTime = Now();
        ClockSyncStopRequested = false;
    });
    RunStep([&] {
        for (int day = 0; day <= kMaxDays; ++day) DaysComboBox->AddItem(std::to_string(day));
        DaysComboBox->SetItemIndex(0);
    });
    RunStep([&] {
        for (int level = 0; level <= kMaxLoadLevel; ++level) ComboBoxCPULoad->AddItem(std::to_string(level));
        ComboBoxCPULoad->SetItemIndex(kDefaultLoadLevel);
    });
    RunStep([&] {
        for (int i = 0; i < kWindowSteps; ++i) ComboBoxCPULoadTime->AddItem(std::to_string(i * 5 + 5));
        ComboBoxCPULoadTime->SetItemIndex(kDefaultWindowItem);
    });
    RunStep([&] {
        SkinComboBox->Clear();
        // Skins come later; until then the list says it is empty.
        if (SkinComboBox->ItemCount() == 0) {
            SkinComboBox->AddItem(LoadText(lang::SkinListEmpty));
            SkinComboBox->SetEnabled(false);
        }
        SkinComboBox->SetItemIndex(0);
    });
    RunStep([&] {
        formats_ = tk::ReadRegionalSettings();
        for (tk::DateTimePicker* p : {DateTimePickerDate, DateTimePickerTime, DateTimePickerReverseTime})
            p->SetFormatSettings(formats_);
        const rtl::TDateTime now = Now();
        DateTimePickerDate->SetDateTime(now);
        DateTimePickerDate->SetMinDate(rtl::DateOf(now));
        DateTimePickerTime->SetDateTime(now);
    });
    RunStep([&] { LayOutHeaders(); });
    RunStep([&] {
        IsNTPlatform = services_.isNTPlatform;
        SetCaption(Caption() + PlatformCaptionSuffix(IsNTPlatform));
    });
    RunStep([&] {
        SampleCount = 0;
        LoadSum = 0.0;
        WindowStart = Now();
    });
    RunStep([&] { ResetWinampLabels(); });
    RunStep([&] { LoadSettings(); });
    RunStep([&] { SelectSkin(); });
    RunStep([&] { ActionComboBoxSelect(); });
    RunStep([&] { RadioButtonDateClick(); });
    RunStep([&] { SystemTimePingTimer.SetEnabled(true); });
    RunStep([&] { tk::Application::Instance().OnMinimize = [this] { HideToTray(); }; });
    RunStep([&] {
        TrayIconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
        TrayIconData.hWnd = Handle();
        TrayIconData.uID = kTrayIconId;
        TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        TrayIconData.uCallbackMessage = WM_TRAY_ICON;
        TrayIconData.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON));
        lstrcpynA(TrayIconData.szTip, kProductTitle, sizeof(TrayIconData.szTip));
    });
    // The command line keeps its own rule: an error ends the options only.
    RunStep([&] { ApplyCommandLine(); });
}

void TMainForm::ActionComboBoxSelect() {
    const int action = ActionComboBox->ItemIndex();
    if (action < 0 || action >= kActionCount) return;
    const ActionCaptionRow& row = ActionCaptionsFor(action);
    CheckBoxTimer->SetCaption(LoadText(row.checkBoxTimer));
    RadioButtonDate->SetCaption(LoadText(row.radioButtonDate));
    TimeActionLabel->SetCaption(LoadText(row.timeActionLabel));
    CheckBoxWinAmp->SetCaption(LoadText(row.checkBoxWinAmp));
    CheckBoxCPU->SetCaption(LoadText(row.checkBoxCPU));
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
    WriteSettings(services_.settingsFileName, s);
}

void TMainForm::LoadSettings() {
    const StoredSettings s = ReadSettings(services_.settingsFileName, SkinComboBox->ItemCount());
    RadioButtonDate->SetChecked(s.RadioButtonDate);
    RadioButtonCounter->SetChecked(s.RadioButtonCounter);
    DaysComboBox->SetItemIndex(s.DaysComboBox);
    ComboBoxCPULoad->SetItemIndex(s.ComboBoxCPULoad);
    ComboBoxCPULoadTime->SetItemIndex(s.ComboBoxCPULoadTime);
    // Only the time of day counts; a value that is no date-time at all means no span.
    rtl::DateTimeParts parts;
    DateTimePickerReverseTime->SetDateTime(
        rtl::TryDecodeDateTime(s.DateTimePickerReverseTime, parts) ? s.DateTimePickerReverseTime : 0.0);
    ActionComboBox->SetItemIndex(s.ActionComboBox);
    SkinComboBox->SetItemIndex(s.SkinComboBox);
    if (ComboBoxCPULoadTime->ItemIndex() < 0) ComboBoxCPULoadTime->SetItemIndex(0);
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

void TMainForm::HideToTray() {
    ShowWindow(Handle(), SW_HIDE);
    Shell_NotifyIconA(NIM_ADD, &TrayIconData);
    trayIconShown_ = true;
}

void TMainForm::RemoveTrayIcon() {
    if (!trayIconShown_) return;
    Shell_NotifyIconA(NIM_DELETE, &TrayIconData);
    trayIconShown_ = false;
}

void TMainForm::WMTrayIcon(LPARAM mouseMessage) {
    if (mouseMessage != WM_LBUTTONDOWN && mouseMessage != WM_LBUTTONDBLCLK) return;
    tk::Application::Instance().Restore();
    SetForegroundWindow(Handle());
    RemoveTrayIcon();
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_POWER_ACTION: WMPowerAction(); return 0;
    case WM_SHOW_ABOUT: WMShowAbout(); return 0;
    case WM_CLOCK_SYNC: WMClockSync(); return 0;
    case WM_SHOW_PENDING_MESSAGE: WMShowPendingMessage(); return 0;
    case WM_TRAY_ICON: WMTrayIcon(lParam); return 0;
    default: break;
    }
    return tk::Form::WndProc(msg, wParam, lParam);
}
