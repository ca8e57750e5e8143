// The media-player trigger through the real main window, against a stand-in
// player on a thread of its own.
#include <windows.h>

#include <optional>

#include "../monitors/StandInPlayer.h"
#include "ConfirmDriver.h"
#include "MainFormTestSupport.h"
#include "ui/BtChkBox.h"

using stand_in::Field;
using stand_in::StandInPlayerThread;

namespace {

constexpr char kIdle[] = "?/?";
constexpr DWORD kOnePollMs = 500;

} // namespace

class WinampTriggerTest : public MainFormFixture {
protected:
    // What a click on the box does.
    void Click() {
        form->CheckBoxWinAmp->Toggle();
        form->CheckBoxWinAmpClick();
    }
    bool Armed() const { return form->CheckBoxWinAmp->Checked(); }
    void ExpectDisarmed() {
        EXPECT_FALSE(Armed());
        EXPECT_FALSE(form->WinAmpPingTimer.Enabled());
        EXPECT_EQ(form->SongsList->Caption(), kIdle);
        EXPECT_EQ(form->CurrTrack->Caption(), kIdle);
    }
    // Runs the window's messages, the poll's hand-over among them, until it
    // posts an action request or `ms` have passed; the request is not run.
    bool PumpUntilRequest(DWORD ms) {
        const DWORD start = GetTickCount();
        MSG msg;
        while (GetTickCount() - start < ms) {
            if (PeekMessageA(&msg, form->Handle(), WM_POWER_ACTION, WM_POWER_ACTION, PM_REMOVE)) return true;
            if (PeekMessageA(&msg, nullptr, 0, WM_POWER_ACTION - 1, PM_REMOVE) ||
                PeekMessageA(&msg, nullptr, WM_POWER_ACTION + 1, 0xFFFF, PM_REMOVE))
                DispatchMessageA(&msg);
            else
                Sleep(1);
        }
        return false;
    }
};

TEST_F(WinampTriggerTest, RefusesWithTheReasonWhenThePlayerCannotEnd) {
    struct Case {
        const char* name;
        std::optional<stand_in::Answers> player;
        const char* message;
    };
    const Case cases[] = {
        {"no player", std::nullopt, "WinAmp is not started..."},
        {"version 0x203F", stand_in::Answers{0x203F, 1, 0, 10, 0, 180},
         "Need WinAmp 2.4x, 5.x or later version..."},
        {"stopped", stand_in::Answers{0x2040, 0, 0, 10, 0, 180}, "WinAmp is not playing..."},
    };
    Create();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        std::optional<StandInPlayerThread> player;
        if (c.player) player.emplace(*c.player);
        Click();
        EXPECT_EQ(messages, std::vector<std::string>{c.message});
        ExpectDisarmed();
        if (player) {
            EXPECT_EQ(player->Player().RepeatOffs(), 0) << "repeat stays as it was";
        }
    }
}

TEST_F(WinampTriggerTest, ArmingSwitchesRepeatOffAndFillsTheLabelsAtOnce) {
    for (const std::int32_t state : {stand_in::kPlaying, stand_in::kPaused}) {
        StandInPlayerThread player({0x2040, state, 0, 10, 0, 180});
        Create();
        Click();
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(Armed());
        EXPECT_TRUE(form->WinAmpPingTimer.Enabled());
        EXPECT_EQ(form->WinAmpPingTimer.Interval(), 500);
        EXPECT_EQ(player.Player().RepeatOffs(), 1);
        EXPECT_EQ(form->SongsList->Caption(), "1 of 10");
        EXPECT_EQ(form->CurrTrack->Caption(), "0 sec / 180 sec");

        Click(); // unticked by hand: the poll stops, repeat stays off
        ExpectDisarmed();
        EXPECT_EQ(player.Player().RepeatOffs(), 1);
        form.reset();
    }
}

TEST_F(WinampTriggerTest, PausedKeepsPollingAndStoppedFiresWithinOnePoll) {
    StandInPlayerThread player;
    Create();
    Click();
    ASSERT_TRUE(Armed());
    player.Player().Set(Field::PlayingState, stand_in::kPaused);
    player.Player().Set(Field::PlaylistPosition, 11);
    player.Player().Set(Field::TrackPositionMs, 239999);
    EXPECT_FALSE(PumpUntilRequest(3 * kOnePollMs));
    EXPECT_TRUE(Armed());
    EXPECT_EQ(form->SongsList->Caption(), "12 of 12");
    EXPECT_EQ(form->CurrTrack->Caption(), "239 sec / 240 sec");

    player.Player().Set(Field::PlayingState, stand_in::kStopped);
    const DWORD stopped = GetTickCount();
    EXPECT_TRUE(PumpUntilRequest(2 * kOnePollMs));
    EXPECT_LE(GetTickCount() - stopped, kOnePollMs + 300) << "the next poll, not a later one";
    ExpectDisarmed();
    EXPECT_FALSE(PumpUntilRequest(2 * kOnePollMs)) << "one request only";
    EXPECT_TRUE(messages.empty());
}

TEST_F(WinampTriggerTest, APlayerThatClosesIsReportedAndNothingFires) {
    StandInPlayerThread player;
    Create();
    Click();
    ASSERT_TRUE(Armed());
    player.Close();
    EXPECT_FALSE(PumpUntilRequest(2 * kOnePollMs));
    EXPECT_EQ(messages, std::vector<std::string>{"WinAmp disappear..."});
    ExpectDisarmed();
}

TEST_F(WinampTriggerTest, CancelInTheConfirmationLeavesTheTriggerOff) {
    StandInPlayerThread player;
    Create();
    form->Show();
    Click();
    player.Player().Set(Field::PlayingState, stand_in::kStopped);
    ASSERT_TRUE(PumpUntilRequest(2 * kOnePollMs));
    {
        ConfirmDriver driver([](TConfirmForm& d) { ClickButton(*d.CancelButton); });
        SendMessageA(form->Handle(), WM_POWER_ACTION, 0, 0);
        EXPECT_EQ(ConfirmDriver::Dialogs(), 1);
    }
    ExpectDisarmed();
    EXPECT_TRUE(power->calls.empty());
    player.Player().Set(Field::PlayingState, stand_in::kPlaying);
    EXPECT_FALSE(PumpUntilRequest(2 * kOnePollMs));
    ExpectDisarmed();
}

// A player that does not answer in time changes nothing and fires nothing,
// whether it hangs when armed or at a poll; arming it is refused with a reason.
TEST_F(WinampTriggerTest, AHungPlayerChangesNothing) {
    StandInPlayerThread player;
    Create();
    Click();
    ASSERT_TRUE(Armed());
    player.Player().Set(Field::PlayingState, stand_in::kStopped);
    player.Hang(INFINITE);
    const DWORD start = GetTickCount();
    form->WinAmpPingTimerTimer();
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 900u);
    EXPECT_LE(waited, 1500u) << "bounded";
    EXPECT_TRUE(Armed());
    EXPECT_TRUE(form->WinAmpPingTimer.Enabled());
    EXPECT_EQ(form->SongsList->Caption(), "3 of 12");
    EXPECT_EQ(TakePowerRequests(), 0);
    EXPECT_TRUE(messages.empty());

    Click(); // unticked by hand
    Click(); // and ticked again while the player still hangs
    EXPECT_EQ(messages, std::vector<std::string>{"WinAmp does not answer..."});
    ExpectDisarmed();
    player.Player().Unhang();
}
