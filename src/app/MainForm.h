#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CpuLoadWindow.h"
#include "app/NetQuietTrigger.h"
#include "app/SettingsFile.h"
#include "app/TickScheduler.h"
#include "app/TimerTrigger.h"
#include "app/TrayIcon.h"
#include "app/TrayTexts.h"
#include "app/TriggerUnit.h"
#include "clocksync/ClockSyncProcedure.h"
#include "clocksync/ClockSyncReport.h"
#include "core/DateTime.h"
#include "core/FormatSettings.h"
#include "toolkit/AsyncTimer.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Form.h"
#include "toolkit/FormDescription.h"
#include "toolkit/GraphicControls.h"
#include "ui/skin.h"

class IPowerSystem;
namespace clocksync {
class TClockSync;
class TIdTime;
} // namespace clocksync
class CpuLoadTriggerUnit;
class SnoozeUnit;
class TimerTriggerUnit;
class WinampTriggerUnit;
class NetQuietTriggerUnit;
class ProgramCloseTriggerUnit;
namespace monitors {
class WinampLink;
} // namespace monitors
namespace ui {
class TBitCheckBox;
class TXiButton;
class TXiProgressBar;
} // namespace ui

// Private messages the main window posts to itself.
constexpr UINT WM_POWER_ACTION = WM_USER; // carry out the chosen action
constexpr UINT WM_SHOW_ABOUT = WM_USER + 1;
constexpr UINT WM_CLOCK_SYNC = WM_USER + 2;
constexpr UINT WM_SHOW_PENDING_MESSAGE = WM_USER + 3;
constexpr UINT WM_TRIGGER_WAKE = WM_USER + 10;   // a trigger's own thread asks for a run of the tick
constexpr UINT WM_PROGRAM_CLOSED = WM_USER + 23; // the watched processes have ended (wParam: the watch)
constexpr UINT WM_TRAY_ICON = WM_USER + 100;     // notification-area icon callback

// The processor load as the tick reads it: take a sample, then ask each entry.
struct CpuLoadSource {
    std::function<void()> takeSample;
    std::function<int()> slotCount;
    std::function<double(int)> loadFraction;
};

// What the main window needs from the outside world, so tests can give the
// tick any "now", any load and any platform family.
struct MainFormServices {
    std::function<core::TDateTime()> now;
    std::function<SteadyMs()> steadyMs; // what a length of time is measured on
    CpuLoadSource cpu;
    bool isNTPlatform = true;
    std::string settingsFileName;
    std::shared_ptr<IPowerSystem> power; // session and power calls
    std::function<clocksync::ClockSetResult(core::TDateTime)> setLocalClock;
    std::string serverListFile;                          // servers.txt
    std::shared_ptr<monitors::WinampLink> winamp;        // the media player's window
    std::string commandLine;                             // as the process was started
    std::string commandLineUtf8;                         // the same, without the code page's losses
    std::function<void(const std::string&)> showMessage; // the program's message dialog
    ShellNotify notifyIcon;                              // the notification-area icon's calls
    std::function<bool(const std::string&)> askYesNo;    // a question; true for yes
    AdapterReader readAdapters;                          // the network adapters' counters
    bool readAdaptersInBackground = false;               // for the tick: off the window's thread
};

// Real services: the local clock, the platform the program runs on, the
// settings file of the settings module, the media player's real window, the
// process's command line and the message dialog.
MainFormServices DefaultMainFormServices();

class TMainForm : public tk::Form {
public:
    explicit TMainForm(MainFormServices services);
    ~TMainForm() override;

    // The window's controls and actions, described in MainFormDescription.cpp.
    static const tk::FormDescription& Description();

    // Controls, in the order of the window's description.
    tk::Image* Image1 = nullptr;
    tk::Bevel* Bevel1 = nullptr;
    ui::TBitCheckBox* CheckBoxTimer = nullptr;
    tk::Bevel* Bevel2 = nullptr;
    tk::Shape* Shape1 = nullptr;
    tk::Bevel* Bevel5 = nullptr;
    ui::TBitCheckBox* RadioButtonDate = nullptr;
    tk::Shape* Shape3 = nullptr;
    tk::Label* DateTxt = nullptr;
    tk::Label* TimeTxt = nullptr;
    tk::DateTimePicker* DateTimePickerDate = nullptr;
    tk::DateTimePicker* DateTimePickerTime = nullptr;
    tk::Bevel* Bevel6 = nullptr;
    ui::TBitCheckBox* RadioButtonCounter = nullptr;
    tk::Shape* Shape4 = nullptr;
    tk::Label* PlDaysTxt = nullptr;
    tk::Label* PlTimeTxt = nullptr;
    tk::ComboBox* DaysComboBox = nullptr;
    tk::DateTimePicker* DateTimePickerReverseTime = nullptr;
    tk::Label* CurrentTimeTxt = nullptr;
    tk::Label* CurrTimeLabel = nullptr;
    tk::Label* TimeActionLabel = nullptr;
    tk::Label* PowerOffTimeLabel = nullptr;
    tk::Label* AttemptLabel = nullptr;
    ui::TXiButton* NetTimeSpeedButton = nullptr;
    ui::TXiButton* AboutSpeedButton = nullptr;
    ui::TXiButton* PowerSpeedButton = nullptr;
    ui::TXiButton* CloseSpeedButton = nullptr;
    tk::Bevel* Bevel3 = nullptr;
    ui::TBitCheckBox* CheckBoxWinAmp = nullptr;
    tk::Bevel* Bevel4 = nullptr;
    tk::Shape* Shape2 = nullptr;
    tk::Label* CurrentSongTxt = nullptr;
    tk::Label* CurrTrack = nullptr;
    tk::Label* PlaylistPosTxt = nullptr;
    tk::Label* SongsList = nullptr;
    tk::Bevel* Bevel7 = nullptr;
    ui::TBitCheckBox* CheckBoxCPU = nullptr;
    tk::Bevel* Bevel8 = nullptr;
    tk::Shape* Shape5 = nullptr;
    tk::Label* AvCPULoadTxt = nullptr;
    tk::Label* OverTimeTxt = nullptr;
    tk::ComboBox* ComboBoxCPULoad = nullptr;
    tk::ComboBox* ComboBoxCPULoadTime = nullptr;
    tk::Label* CurCPULoadTxt = nullptr;
    tk::Label* LabelCPUCurrent = nullptr;
    ui::TXiProgressBar* ProgressBarCPUCurrent = nullptr;
    tk::Label* AvCPUloadLevTxt = nullptr;
    tk::Label* LabelCPUByTime = nullptr;
    ui::TXiProgressBar* ProgressBarCPUByTime = nullptr;
    tk::Bevel* Bevel9 = nullptr;
    tk::Label* ActTxt = nullptr;
    tk::Bevel* Bevel11 = nullptr;
    tk::ComboBox* ActionComboBox = nullptr;
    tk::Bevel* Bevel10 = nullptr;
    tk::Label* SkinTxt = nullptr;
    tk::Bevel* Bevel12 = nullptr;
    tk::ComboBox* SkinComboBox = nullptr;
    tk::Bevel* Bevel13 = nullptr;
    ui::TBitCheckBox* CheckBoxNet = nullptr;
    tk::Bevel* Bevel14 = nullptr;
    tk::Shape* Shape6 = nullptr;
    tk::Label* NetLevelTxt = nullptr;
    tk::Label* NetTimeTxt = nullptr;
    tk::ComboBox* ComboBoxNetLevel = nullptr;
    tk::ComboBox* ComboBoxNetTime = nullptr;
    tk::Label* NetAdapterTxt = nullptr;
    tk::ComboBox* ComboBoxNetAdapter = nullptr;
    tk::Label* AvNetTxt = nullptr;
    tk::Label* LabelNetByTime = nullptr;
    ui::TXiProgressBar* ProgressBarNetByTime = nullptr;
    tk::Bevel* BevelProgram = nullptr;
    ui::TBitCheckBox* CheckBoxProgram = nullptr;
    tk::Bevel* BevelProgramLine = nullptr;
    tk::Shape* ShapeProgram = nullptr;
    tk::Label* ProgramTxt = nullptr;
    tk::ComboBox* ComboBoxProgram = nullptr;
    tk::Label* LabelProgramStatus = nullptr;

    tk::TAsyncTimer SystemTimePingTimer;
    tk::TAsyncTimer WinAmpPingTimer;

    // State shared with the tick and the other parts of the window. The
    // triggers' own state and rules live in their units: TimerTrigger holds
    // ArmedTime, CpuLoadWindow SampleCount, LoadSum and WindowStart.
    bool IsNTPlatform = true;
    std::string TimeServerHost;
    std::string PendingMessage;

private:
    TrayIcon tray_; // before the record that lives in it

public:
    NOTIFYICONDATAA& TrayIconData;

    // The scheduler tick: it asks every trigger unit in turn.
    void SystemTimePingTimerTimer();
    core::TDateTime DateModeTarget();
    bool ClampDatePickers();
    // Safe from any thread: a run of the tick soon, on the window thread.
    void WakeTick() const { PostMessageA(Handle(), WM_TRIGGER_WAKE, 0, 0); }
    void PostPowerAction() { PostToSelf(WM_POWER_ACTION); }

    TimerTrigger& Timer();
    CpuLoadWindow& CpuWindow();
    NetQuietTriggerUnit& NetQuiet() { return *netUnit_; }
    const TriggerUnits& Triggers() const { return triggers_; }

    // Control handlers.
    void CheckBoxTimerClick();
    // The user's own edits of the timer, before the handlers above: editing
    // never fires the timer (the command line calls the handlers directly).
    void CheckBoxTimerEdited();
    void RadioButtonDateEdited();
    void RadioButtonCounterEdited();
    void TimerTargetEdited();
    void RadioButtonDateClick();
    void RadioButtonCounterClick();
    void ComboBoxCPULoadTimeCloseUp();
    void ComboBoxCPULoadTimeKeyPress(char& key);
    void ActionComboBoxSelect();
    void CheckBoxWinAmpClick();
    void WinAmpPingTimerTimer();
    void SkinComboBoxSelect();
    void CheckBoxNetClick();
    void ComboBoxNetAdapterDropDown();
    void CheckBoxProgramClick();
    void ComboBoxProgramDropDown();
    void ComboBoxProgramSelect();
    ProgramCloseTriggerUnit& ProgramClose() { return *programUnit_; }

    void SaveSettings();
    void LoadSettings();

    // Handlers of the private messages.
    void WMPowerAction();
    void WMShowAbout();
    void WMClockSync();
    void WMShowPendingMessage();
    void StopClockSync();
    // The time client of Sync, and whether a synchronisation runs.
    clocksync::TIdTime& IdTimeSync();
    bool ClockSyncRunning() const;

    // The skin: the list's items, the chosen skin made active, the window
    // blended and its buttons and bars coloured.
    void FillSkinComboBox();
    // The skins' file names in list order, and the selected one's ("" for none).
    static std::vector<std::string> SkinFiles();
    std::string SelectedSkinFile() const;
    void SelectSkin();
    void ApplySkin();
    void RepaintInSkin();
    // High contrast turned on or off: the system look or the skin again.
    void FollowHighContrast();

    // Start-up steps of the other triggers and of Sync.
    void ChooseTimeServer();
    void ResetWinampLabels();
    void ApplyCommandLine();

    // One line (or several) in the program's modal message dialog.
    void ShowMessageDlg(const std::string& text) { services_.showMessage(text); }

    // Handlers of the keyboard actions.
    void ActionMinimizeExecute();
    void ActionCloseExecute();
    void ActionAboutExecute();
    void ActionPowerExecute();
    void ActionClockExecute();

    void HideToTray();
    void WMTrayIcon(LPARAM mouseMessage);
    bool TrayIconShown() const { return tray_.Shown(); }
    TrayIcon& Tray() { return tray_; }
    // The icon's tip as it is now: the title, then each armed trigger with the action.
    std::string TrayTip();
    void RunTrayCommand(TrayCommand command);
    // Hidden, a balloon a minute before a timer's end.
    void AnnounceEnd(core::TDateTime end);

    // "Later" in the confirmation: the action comes again after a while.
    void StartSnooze();
    bool Snoozing() const;

    // Hidden in the notification area the tick runs only as often as a
    // trigger can fire (TickPlan) and paints nothing; these bring it back.
    void WMTimeChange();
    void WMPowerBroadcast(WPARAM event);

    core::TDateTime Now() const { return services_.now(); }
    SteadyMs SteadyNow() const { return services_.steadyMs(); }
    const core::TFormatSettings& Formats() const { return formats_; }

protected:
    void FormClose() override;
    void FormDpiChanged() override;
    // Regional formats and high contrast are read again.
    void FormSettingChange() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void FillLists();
    void SetUpPickers();
    void FillTrayIconData();
    // Every trigger unit, in the order the tick asks them.
    void RegisterTriggers();
    // Where the network trigger's tick takes its readings.
    AdapterSource TickAdapterSource();

    // When the next run comes, after every hidden run and on hiding or restoring.
    void PlanTicks(core::TDateTime now);
    // The restored window shows everything as it is now.
    void BringUpToDate();

    void PostToSelf(UINT msg);
    void RestoreFromTray();
    void ShowTrayMenu();
    std::string ActionName() const;
    void CreateClockSync();
    clocksync::SyncWording ClockSyncWording() const;

    MainFormServices services_;
    TriggerUnits triggers_;
    // The units the window's own handlers talk to; all owned by triggers_.
    CpuLoadTriggerUnit* cpuUnit_ = nullptr;
    TimerTriggerUnit* timerUnit_ = nullptr;
    WinampTriggerUnit* winampUnit_ = nullptr;
    NetQuietTriggerUnit* netUnit_ = nullptr;
    SnoozeUnit* snoozeUnit_ = nullptr;
    int snoozeMinutes_ = kDefaultSnoozeMinutes; // kept in the settings, not shown
    ProgramCloseTriggerUnit* programUnit_ = nullptr;
    TickScheduler scheduler_{SystemTimePingTimer, triggers_};
    core::TFormatSettings formats_;
    ui::PaintedLook look_; // high contrast or the skin
    // The window as the clock synchronisation sees it, and the synchronisation.
    class ClockSyncView final : public clocksync::IClockSyncWindow {
    public:
        explicit ClockSyncView(TMainForm& form) : form_(form) {}
        void EnableSyncButton(bool enabled) override;
        void ShowAttempt(const std::string& text) override;
        void PostReport(const std::string& report) override;
        void RunTick() override;
        core::TDateTime Now() override;

    private:
        TMainForm& form_;
    };
    ClockSyncView clockSyncView_{*this};
    std::unique_ptr<clocksync::TClockSync> clockSync_;
};
