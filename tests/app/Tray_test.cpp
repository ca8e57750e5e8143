// The notification-area icon with the shell's calls recorded: the tip, the
// menu's commands, the balloon, and "Later" from start to end.
#include <windows.h>

#include "ConfirmDriver.h"
#include "MainFormTestSupport.h"
#include "dialogs/confirm.h"

class TrayTest : public MainFormFixture {
protected:
    void Hide() {
        form->Show();
        form->HideToTray();
        shellCalls.clear();
    }
    int Calls(DWORD message, bool balloon = false) const {
        int n = 0;
        for (const ShellCall& call : shellCalls)
            n += call.message == message && balloon == !call.info.empty();
        return n;
    }
    // What the shell sends as the pointer moves over the icon.
    void PointerOverIcon() { form->WMTrayIcon(WM_MOUSEMOVE); }
};

TEST_F(TrayTest, TipFollowsTheArmedSetOnlyWhenTheShellAsks) {
    struct Case {
        const char* what;
        std::function<void()> arm;
        std::string tip; // 30 seconds after hiding
    };
    const Case cases[] = {
        {"nothing", [] {}, "Kal Vex Now!"},
        {"a countdown", [&] { ArmCountdown(0, 0, 12, 30); }, "Kal Vex Now!\nTurn off in 0:12:00"},
        {"Later", [&] { form->StartSnooze(); }, "Kal Vex Now!\nTurn off later, in 0:09:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Create();
        c.arm();
        Hide();
        for (int run = 0; run < 3; ++run) {
            AdvanceSeconds(10);
            Tick();
        }
        EXPECT_EQ(Calls(NIM_MODIFY), 0) << "no tip while nobody asks";
        PointerOverIcon();
        EXPECT_EQ(form->Tray().Tip(), c.tip);
        EXPECT_EQ(Calls(NIM_MODIFY), c.tip == "Kal Vex Now!" ? 0 : 1);
    }
}

TEST_F(TrayTest, BalloonAMinuteBeforeTheTimersEndOnce) {
    Create();
    ArmCountdown(0, 0, 5, 0);
    Hide();
    AdvanceSeconds(3 * 60 + 59);
    Tick();
    EXPECT_EQ(Calls(NIM_MODIFY, true), 0);
    EXPECT_LE(form->SystemTimePingTimer.Interval(), 1001u) << "the next run comes for the balloon";
    for (int run = 0; run < 2; ++run) {
        AdvanceSeconds(1);
        Tick();
    }
    ASSERT_EQ(Calls(NIM_MODIFY, true), 1);
    EXPECT_EQ(shellCalls.back().info,
              "Turn off at " + core::TimeText(core::EncodeTime(10, 5, 0, 0), form->Formats()));
}

TEST_F(TrayTest, LaterFromTheConfirmationToItsEnd) {
    Create();
    form->Show();
    ArmCountdown(0, 0, 0, 0);
    AdvanceMs(1);
    Tick();
    ASSERT_EQ(TakePowerRequests(), 1);
    {
        ConfirmDriver driver([](TConfirmForm& d) { ClickButton(*d.LaterBtn); });
        SendMessageA(form->Handle(), WM_POWER_ACTION, 0, 0);
    }
    EXPECT_TRUE(form->Snoozing());
    EXPECT_TRUE(power->calls.empty());
    EXPECT_FALSE(form->CheckBoxTimer->Checked()) << "the trigger that fired stays disarmed";
    const core::TDateTime end = core::IncMinute(now, 10);
    Tick();
    EXPECT_EQ(form->PowerOffTimeLabel->Caption(), Stamp(end, form->Formats()) + " (later)");

    form->RunTrayCommand(TrayCommand::Exit);
    EXPECT_EQ(questions, std::vector<std::string>{"Something is armed: exit anyway?"});
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "answered no";

    // A length of time: the local clock set an hour on changes nothing.
    localShift = 1.0 / 24;
    AdvanceSeconds(10 * 60);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 0);
    AdvanceMs(1);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 1);
    EXPECT_FALSE(form->Snoozing());

    form->StartSnooze();
    form->RunTrayCommand(TrayCommand::DisarmAll);
    EXPECT_FALSE(form->Snoozing());
}
