// The scheduler tick: timer trigger in both modes, the averaging window and
// the processor-load trigger, labels and the failure of a sample.
#include <windows.h>

#include <cmath>
#include <functional>
#include <limits>

#include "MainFormTestSupport.h"
#include "app/NetQuietTriggerUnit.h"
#include "core/DateTimeText.h"
#include "ui/BtChkBox.h"
#include "ui/XiProgressBar.h"

class TickTest : public MainFormFixture {
protected:
    void UseDateMode(core::TDateTime target) {
        form->DateTimePickerDate->SetDateTime(target);
        form->DateTimePickerTime->SetDateTime(target);
        form->RadioButtonDate->SetChecked(true);
        form->RadioButtonDateClick();
    }
};

TEST_F(TickTest, ZeroCountdownFiresOnTheNextRunAMillisecondLater) {
    Create();
    ArmCountdown(0, 0, 0, 0);
    EXPECT_EQ(form->Timer().ArmedTime(), now);
    EXPECT_EQ(TakePowerRequests(), 0);
    EXPECT_TRUE(form->CheckBoxTimer->Checked());
    AdvanceMs(1);
    Tick();
    EXPECT_FALSE(form->CheckBoxTimer->Checked());
    EXPECT_EQ(TakePowerRequests(), 1);
    Tick(); // disarmed: no second request
    EXPECT_EQ(TakePowerRequests(), 0);
}

TEST_F(TickTest, ArmedCountdownIsFixedAndFollowsSpanChanges) {
    Create();
    ArmCountdown(1, 1, 30, 0);
    const core::TDateTime expected = core::EncodeDateTime(2026, 12, 9, 11, 30, 0, 0);
    EXPECT_EQ(form->PowerOffTimeLabel->Caption(), Stamp(expected, form->Formats()));
    AdvanceSeconds(600);
    Tick();
    EXPECT_EQ(form->PowerOffTimeLabel->Caption(), Stamp(expected, form->Formats()));
    // A new span still counts from the arming moment.
    form->DaysComboBox->SetItemIndex(0);
    Tick();
    EXPECT_EQ(form->PowerOffTimeLabel->Caption(),
              Stamp(core::EncodeDateTime(2026, 12, 8, 11, 30, 0, 0), form->Formats()));
    EXPECT_EQ(TakePowerRequests(), 0);
    now = core::EncodeDateTime(2026, 12, 8, 11, 30, 0, 1);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 1);
}

TEST_F(TickTest, UnarmedCountdownMovesWithTheClock) {
    Create();
    form->DateTimePickerReverseTime->SetDateTime(core::EncodeDateTime(2003, 6, 21, 0, 30, 0, 0));
    Tick();
    EXPECT_EQ(form->PowerOffTimeLabel->Caption(),
              Stamp(core::EncodeDateTime(2026, 12, 8, 10, 30, 0, 0), form->Formats()));
    EXPECT_EQ(form->CurrTimeLabel->Caption(), Stamp(now, form->Formats()));
    AdvanceSeconds(5);
    Tick();
    EXPECT_EQ(form->PowerOffTimeLabel->Caption(),
              Stamp(core::EncodeDateTime(2026, 12, 8, 10, 30, 5, 0), form->Formats()));
}

TEST_F(TickTest, DateModeFiresOnlyAtLeastAMillisecondPastTheTarget) {
    Create();
    const core::TDateTime noon = core::EncodeDateTime(2026, 12, 8, 12, 0, 0, 0);
    UseDateMode(noon);
    form->CheckBoxTimer->SetChecked(true);
    form->CheckBoxTimerClick();
    now = noon;
    Tick();
    EXPECT_EQ(TakePowerRequests(), 0);
    EXPECT_TRUE(form->CheckBoxTimer->Checked());
    now = core::EncodeDateTime(2026, 12, 8, 12, 0, 0, 1);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 1);
    EXPECT_FALSE(form->CheckBoxTimer->Checked());
}

TEST_F(TickTest, PastDateJumpsToNowAndFiresWhenArmed) {
    Create();
    UseDateMode(core::EncodeDateTime(2026, 12, 8, 11, 0, 0, 0));
    now = core::EncodeDateTime(2026, 12, 8, 11, 5, 0, 0);
    Tick(); // not armed: the pickers only follow the clock
    EXPECT_EQ(form->DateTimePickerDate->DateTime(), now);
    EXPECT_EQ(TakePowerRequests(), 0);
    form->CheckBoxTimer->SetChecked(true);
    AdvanceSeconds(1);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 1);
    EXPECT_FALSE(form->CheckBoxTimer->Checked());
}

TEST_F(TickTest, DatePickerCarriesTheWholeTarget) {
    Create();
    form->DateTimePickerDate->SetDateTime(core::EncodeDateTime(2026, 12, 10, 9, 0, 0, 0));
    form->DateTimePickerTime->SetDateTime(core::EncodeDateTime(2026, 12, 8, 18, 45, 0, 0));
    EXPECT_EQ(form->DateModeTarget(), core::EncodeDateTime(2026, 12, 10, 18, 45, 0, 0));
    EXPECT_EQ(form->DateTimePickerDate->DateTime(), core::EncodeDateTime(2026, 12, 10, 18, 45, 0, 0));
    EXPECT_FALSE(form->ClampDatePickers());
}

TEST_F(TickTest, BusiestProcessorCountsAndLoadsAreClamped) {
    Create();
    struct Case {
        std::vector<double> loads;
        int percent;
    };
    const Case cases[] = {
        {{0.2, 0.7, 0.1}, 70}, {{-0.05}, 0},  {{1.2}, 100}, {{std::nan("")}, 0},
        {{0.125}, 12},         {{0.375}, 38}, {{}, 0},
    };
    for (const Case& c : cases) {
        loads = c.loads;
        Tick();
        EXPECT_EQ(form->ProgressBarCPUCurrent->Position(), c.percent);
        EXPECT_EQ(form->LabelCPUCurrent->Caption(), "(" + std::to_string(c.percent) + "%)");
    }
}

TEST_F(TickTest, AverageWindowEndsAfterItsSecondsAndRestarts) {
    Create();
    form->CpuWindow().Restart(now);
    loads = {0.5};
    Tick();
    loads = {0.1};
    Tick();
    EXPECT_EQ(form->CpuWindow().SampleCount(), 2u);
    EXPECT_EQ(form->LabelCPUByTime->Caption(), "(30%)");
    AdvanceSeconds(7);
    Tick();
    EXPECT_EQ(form->ComboBoxCPULoadTime->StatusText(), "25/18");
    AdvanceSeconds(17); // 24 s elapsed
    Tick();
    EXPECT_EQ(form->CpuWindow().SampleCount(), 4u);
    AdvanceSeconds(1); // 25 s: the window ends
    Tick();
    EXPECT_EQ(form->CpuWindow().SampleCount(), 0u);
    EXPECT_EQ(form->CpuWindow().LoadSum(), 0.0);
    EXPECT_EQ(form->CpuWindow().WindowStart(), now);
}

TEST_F(TickTest, CpuTriggerFiresAtTheEndOfALowWindowOnly) {
    Create();
    form->CpuWindow().Restart(now);
    form->ComboBoxCPULoad->SetItemIndex(20);
    form->CheckBoxCPU->SetChecked(true);
    loads = {0.5};
    AdvanceSeconds(25);
    Tick(); // average 50 > 20: the window restarts, nothing fires
    EXPECT_EQ(TakePowerRequests(), 0);
    EXPECT_TRUE(form->CheckBoxCPU->Checked());
    loads = {0.1};
    AdvanceSeconds(10);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 0);
    AdvanceSeconds(15);
    Tick(); // average 10 <= 20
    EXPECT_EQ(TakePowerRequests(), 1);
    EXPECT_FALSE(form->CheckBoxCPU->Checked());
}

TEST_F(TickTest, LevelHundredAlwaysFiresAtTheWindowEnd) {
    Create();
    form->CpuWindow().Restart(now);
    form->ComboBoxCPULoad->SetItemIndex(100);
    form->CheckBoxCPU->SetChecked(true);
    loads = {1.0};
    AdvanceSeconds(25);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 1);
}

TEST_F(TickTest, ClockJumpEndsTheWindow) {
    Create();
    form->CpuWindow().Restart(now);
    AdvanceSeconds(-3600);
    Tick();
    EXPECT_EQ(form->CpuWindow().WindowStart(), now);
    EXPECT_EQ(form->CpuWindow().SampleCount(), 0u);
}

TEST_F(TickTest, OpenWindowListHoldsTheWindowAndClosingRestartsIt) {
    Create();
    form->Show();
    form->CpuWindow().Restart(now);
    const core::TDateTime started = now;
    SendMessageA(form->ComboBoxCPULoadTime->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(form->ComboBoxCPULoadTime->DroppedDown());
    AdvanceSeconds(40);
    Tick();
    EXPECT_EQ(form->CpuWindow().WindowStart(), started);
    SendMessageA(form->ComboBoxCPULoadTime->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    form->ComboBoxCPULoadTimeCloseUp();
    EXPECT_EQ(form->CpuWindow().WindowStart(), now);
    EXPECT_EQ(form->CpuWindow().SampleCount(), 1u); // the close-up's own run
}

TEST_F(TickTest, BothTriggersInOneRunPostTwoRequests) {
    Create();
    form->CpuWindow().Restart(now);
    form->ComboBoxCPULoad->SetItemIndex(100);
    form->CheckBoxCPU->SetChecked(true);
    ArmCountdown(0, 0, 0, 10);
    TakePowerRequests();
    AdvanceSeconds(25);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 2);
    EXPECT_FALSE(form->CheckBoxCPU->Checked());
    EXPECT_FALSE(form->CheckBoxTimer->Checked());
}

TEST_F(TickTest, NetworkTriggerFiresAWholeQuietWindowAfterArming) {
    Create();
    form->NetQuiet().SelectLevel(1);
    form->NetQuiet().SelectWindow(5);
    form->CheckBoxNet->SetChecked(true);
    form->CheckBoxNetClick();
    for (int second = 1; second <= 5; ++second) {
        EXPECT_EQ(TakePowerRequests(), 0) << second;
        AdvanceMs(1000);
        ethernetOctets += 1000; // under 1 KB/s
        form->SystemTimePingTimerTimer();
    }
    EXPECT_EQ(TakePowerRequests(), 1);
    EXPECT_FALSE(form->CheckBoxNet->Checked());
    EXPECT_EQ(form->LabelNetByTime->Caption(), "(1.0 KB/s)");
    EXPECT_EQ(form->ProgressBarNetByTime->Position(), 49);
}

TEST_F(TickTest, FailingSampleDoesNotStopTheTimerTrigger) {
    Create();
    ArmCountdown(0, 0, 0, 1);
    failSample = true;
    const std::uint32_t samples = form->CpuWindow().SampleCount();
    AdvanceSeconds(2);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 1);
    EXPECT_EQ(form->CpuWindow().SampleCount(), samples);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Unable to locate the \"Processor\" performance object");
    Tick();
    EXPECT_EQ(errors.size(), 1u); // shown once
    failSample = false;
    Tick();
    failSample = true;
    Tick();
    EXPECT_EQ(errors.size(), 2u); // again after a good sample
}

TEST_F(TickTest, EditingTheTimerNeverFiresIt) {
    const core::TDateTime noon = core::EncodeDateTime(2026, 12, 8, 12, 0, 0, 0);
    const auto userSets = [](tk::DateTimePicker& picker, core::TDateTime value) {
        picker.SetDateTime(value);
        picker.OnChange(picker);
    };
    struct Case {
        const char* what;
        const char* options; // command line
        std::function<void()> edit;
        bool armed, refused, dateMode;
    };
    const Case cases[] = {
        {"an armed countdown switched to date mode, its pickers at now", "",
         [&] {
             ArmCountdown(0, 1, 0, 0);
             form->RadioButtonDate->DoDefaultAction(); // as a click does
         },
         false, false, true},
        {"armed in date mode with the pickers following the clock", "",
         [&] {
             UseDateMode(now);
             AdvanceSeconds(1);
             form->CheckBoxTimer->DoDefaultAction(); // as a click does
         },
         false, true, true},
        {"an armed date timer's time moved into the past", "",
         [&] {
             UseDateMode(noon);
             form->CheckBoxTimer->DoDefaultAction(); // as a click does
             userSets(*form->DateTimePickerTime, core::EncodeDateTime(2026, 12, 8, 9, 0, 0, 0));
         },
         false, true, true},
        {"an armed countdown's span cut below the time gone", "",
         [&] {
             ArmCountdown(0, 1, 0, 0);
             AdvanceSeconds(40 * 60);
             userSets(*form->DateTimePickerReverseTime, core::EncodeDateTime(2003, 6, 21, 0, 30, 0, 0));
         },
         false, true, false},
        {"an armed date timer moved to another future time", "",
         [&] {
             UseDateMode(noon);
             form->CheckBoxTimer->DoDefaultAction(); // as a click does
             userSets(*form->DateTimePickerTime, core::EncodeDateTime(2026, 12, 8, 11, 0, 0, 0));
         },
         true, false, true},
        {"the command line still toggles twice", "-countdown=00:30:00 -timer=23:00:00", [] {}, false, false,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        commandLine = std::string("KalvexNow.exe ") + c.options;
        now = core::EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
        messages.clear();
        Create();
        c.edit();
        AdvanceMs(1);
        Tick();
        EXPECT_EQ(TakePowerRequests(), 0);
        EXPECT_EQ(form->CheckBoxTimer->Checked(), c.armed);
        EXPECT_EQ(messages.size(), c.refused ? 1u : 0u);
        EXPECT_EQ(form->RadioButtonDate->Checked(), c.dateMode);
    }
}
