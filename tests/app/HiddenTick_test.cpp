// The window while it waits. Hidden in the notification area nothing is
// painted, the tick runs only as often as a trigger can fire, and the restored
// window is up to date at once; what every run would read alike is read once.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "MainFormTestSupport.h"
#include "app/TickPlan.h"
#include "core/DateTimeText.h"
#include "ui/BtChkBox.h"
#include "ui/XiProgressBar.h"

namespace {

core::TDateTime InControl(const tk::DateTimePicker& picker) {
    SYSTEMTIME st{};
    SendMessageA(picker.Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    return tk::FromSystemTime(st);
}

// Whether the form or any of its child windows waits to be painted.
bool AnythingToPaint(HWND form) {
    RECT r;
    if (GetUpdateRect(form, &r, FALSE)) return true;
    bool found = false;
    EnumChildWindows(
        form,
        [](HWND child, LPARAM result) -> BOOL {
            RECT pending;
            if (!GetUpdateRect(child, &pending, FALSE)) return TRUE;
            *reinterpret_cast<bool*>(result) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Everything the tick shows, to compare before and after.
struct Face {
    std::string clock, target, current, average, status;
    int currentBar, averageBar;
    core::TDateTime datePicker, timePicker;
    bool operator==(const Face&) const = default;
};

} // namespace

class HiddenTickTest : public MainFormFixture {
protected:
    void CountdownMode(int h, int m, int s) {
        form->RadioButtonCounter->SetChecked(true);
        form->RadioButtonCounterClick();
        form->DateTimePickerReverseTime->SetDateTime(core::EncodeDateTime(2003, 6, 21, h, m, s, 0));
    }
    void ArmTimer() {
        form->CheckBoxTimer->SetChecked(true);
        form->CheckBoxTimerClick();
    }
    void ShowAndPaint() {
        form->Show();
        for (int i = 0; i < 10; ++i) {
            PumpExceptRequests(10);
            UpdateWindow(form->Handle());
        }
    }
    void Restore() { form->WMTrayIcon(WM_LBUTTONDOWN); }

    Face FaceNow() const {
        return {form->CurrTimeLabel->Caption(),          form->PowerOffTimeLabel->Caption(),
                form->LabelCPUCurrent->Caption(),        form->LabelCPUByTime->Caption(),
                form->ComboBoxCPULoadTime->StatusText(), form->ProgressBarCPUCurrent->Position(),
                form->ProgressBarCPUByTime->Position(),  InControl(*form->DateTimePickerDate),
                InControl(*form->DateTimePickerTime)};
    }

    // Runs the window's messages for a while but leaves its action requests
    // queued, so that no confirmation dialog opens.
    bool PumpExceptRequests(DWORD ms) {
        const ULONGLONG end = GetTickCount64() + ms;
        MSG msg;
        do {
            while (PeekMessageA(&msg, nullptr, 0, WM_POWER_ACTION - 1, PM_REMOVE) ||
                   PeekMessageA(&msg, nullptr, WM_POWER_ACTION + 1, 0xFFFF, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (PeekMessageA(&msg, form->Handle(), WM_POWER_ACTION, WM_POWER_ACTION, PM_NOREMOVE))
                return true;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        } while (GetTickCount64() < end);
        return false;
    }

    bool Ticking() const { return form->SystemTimePingTimer.Enabled(); }
    std::uint16_t Interval() const { return form->SystemTimePingTimer.Interval(); }
};

TEST_F(HiddenTickTest, NothingIsPaintedWhileHidden) {
    Create();
    CountdownMode(0, 30, 0);
    form->CheckBoxCPU->SetChecked(true); // the hidden runs keep sampling
    ShowAndPaint();
    ASSERT_FALSE(AnythingToPaint(form->Handle()));
    form->HideToTray();
    const Face before = FaceNow();

    for (int run = 0; run < 8; ++run) {
        loads = {0.1 * run};
        AdvanceMs(1500);
        Tick();
    }
    EXPECT_EQ(FaceNow(), before) << "the hidden runs changed what the window shows";
    EXPECT_FALSE(AnythingToPaint(form->Handle()));
    EXPECT_TRUE(form->CheckBoxCPU->Checked());
}

TEST_F(HiddenTickTest, ARestoredWindowIsUpToDateAtOnce) {
    struct Case {
        const char* name;
        bool cpuArmed;
        const char* average; // a fresh window after runs without samples
        const char* status;
    };
    const Case cases[] = {
        {"nothing armed: the averaging window starts afresh", false, "(37%)", "25/25"},
        {"processor load armed: its window ran on", true, "(25%)", "25/13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Create();
        CountdownMode(1, 0, 0);
        form->CheckBoxCPU->SetChecked(c.cpuArmed);
        loads = {0.0};
        form->CpuWindow().Restart(now);
        Tick(); // the window starts at 10:00:00 with one idle sample
        ShowAndPaint();
        form->HideToTray();

        loads = {0.37};
        AdvanceSeconds(12);
        if (c.cpuArmed) Tick(); // a hidden run; with the restore's: (0 + 37 + 37) / 3
        AdvanceMs(250);
        Restore();
        EXPECT_FALSE(form->TrayIconShown());
        const core::TDateTime shown = now;
        EXPECT_EQ(form->CurrTimeLabel->Caption(), Stamp(shown, form->Formats()));
        EXPECT_EQ(form->PowerOffTimeLabel->Caption(), Stamp(core::IncHour(shown, 1), form->Formats()));
        EXPECT_EQ(form->LabelCPUCurrent->Caption(), "(37%)");
        EXPECT_EQ(form->ProgressBarCPUCurrent->Position(), 37);
        EXPECT_EQ(form->LabelCPUByTime->Caption(), c.average);
        EXPECT_EQ(form->ComboBoxCPULoadTime->StatusText(), c.status);
        EXPECT_TRUE(Ticking());
        EXPECT_EQ(Interval(), kTickIntervalMs);
        form.reset();
    }
}

TEST_F(HiddenTickTest, HiddenTheTickRunsOnlyAsOftenAsATriggerCanFire) {
    struct Case {
        const char* name;
        bool cpuArmed, timerArmed;
        bool ticking;
        std::uint16_t interval;
        bool netArmed = false;
    };
    const Case cases[] = {
        {"nothing armed: parked", false, false, false, kTickIntervalMs},
        {"processor load: every 250 ms", true, false, true, kTickIntervalMs},
        {"timer in 10 s: once, when due", false, true, true, 10'001},
        {"both: every 250 ms", true, true, true, kTickIntervalMs},
        {"network: at its next reading", false, false, true, 1000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Create();
        CountdownMode(0, 0, 10);
        form->CheckBoxCPU->SetChecked(c.cpuArmed);
        if (c.timerArmed) ArmTimer();
        if (c.netArmed) {
            form->CheckBoxNet->SetChecked(true);
            form->CheckBoxNetClick(); // takes the first reading
        }
        form->HideToTray();
        EXPECT_EQ(Ticking(), c.ticking);
        if (c.ticking) {
            EXPECT_EQ(Interval(), c.interval);
        }
        form.reset();
    }
}

TEST_F(HiddenTickTest, AParkedTickFiresTheTimerAtItsTarget) {
    Create();
    CountdownMode(0, 0, 1);
    ArmTimer();
    form->HideToTray();
    ASSERT_TRUE(Ticking());
    ASSERT_EQ(Interval(), 1001); // the first moment a millisecond past the target
    AdvanceMs(1001);             // where the clock will be when the wait ends
    EXPECT_TRUE(PumpExceptRequests(5000)) << "no run came at the target";
    EXPECT_EQ(TakePowerRequests(), 1);
    EXPECT_FALSE(form->CheckBoxTimer->Checked());
    EXPECT_FALSE(Ticking()) << "nothing armed any more: parked";
}

TEST_F(HiddenTickTest, AClockChangeOrAResumeWhileHiddenIsMetAtOnce) {
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        int clockMoveSeconds;
        bool fires;
        std::uint16_t interval; // when it does not fire
    };
    const Case cases[] = {
        // A countdown is a length of time: a clock set moves only where its end shows.
        {"clock set two hours on", WM_TIMECHANGE, 0, 7200, false, 50'001},
        {"resumed after the target", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 7200, true, 0},
        {"resumed by the user", WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 7200, true, 0},
        {"a trigger's own thread asks for a run", WM_TRIGGER_WAKE, 0, 7200, true, 0},
        {"clock set 30 s on", WM_TIMECHANGE, 0, 30, false, 50'001},
        {"clock set back an hour", WM_TIMECHANGE, 0, -3600, false, 50'001},
        {"another power event changes nothing", WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 7200, false,
         50'001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Create();
        CountdownMode(0, 0, 50);
        ArmTimer();
        form->HideToTray();
        ASSERT_EQ(Interval(), 50'001);
        localShift = 0;
        if (c.message == WM_TIMECHANGE)
            localShift = c.clockMoveSeconds / double(core::SecondsPerDay);
        else
            AdvanceSeconds(c.clockMoveSeconds);
        SendMessageA(form->Handle(), c.message, c.wParam, 0);
        EXPECT_EQ(TakePowerRequests(), c.fires ? 1 : 0);
        EXPECT_EQ(form->CheckBoxTimer->Checked(), !c.fires);
        if (!c.fires) {
            EXPECT_EQ(Interval(), c.interval);
        }
        form.reset();
    }
}

TEST_F(HiddenTickTest, RegionalFormatsAreReadAgainWhenTheSettingsChange) {
    char original[80] = {};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, original, sizeof original), 0);
    Create();
    const std::string before = form->Formats().ShortDateFormat;
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "yyyy-MM-dd"));
    Tick();
    EXPECT_EQ(form->Formats().ShortDateFormat, before) << "not read on every run";
    SendMessageA(form->Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("intl"));
    const std::string after = form->Formats().ShortDateFormat;
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, original);
    EXPECT_EQ(after, "yyyy-MM-dd");
    Tick();
    EXPECT_EQ(form->CurrTimeLabel->Caption().substr(0, 10), "2026-12-08");
}
