// Options given to the real main window at start-up.
#include <windows.h>

#include "../monitors/StandInPlayer.h"
#include "MainFormTestSupport.h"
#include "core/DateTimeText.h"
#include "ui/BtChkBox.h"

class CommandLineWindowTest : public MainFormFixture {
protected:
    void Start(const std::string& options) {
        commandLine = "\"C:\\Program Files\\Kalvex Now\\KalvexNow.exe\" " + options;
        Create();
    }
    core::TDateTime Today() const { return core::DateOf(now); }
};

TEST_F(CommandLineWindowTest, ActionAndCountdownArmTheTimerFromStart) {
    Start("-action=reboot -countdown=00:30:00");
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->ActionComboBox->ItemIndex(), 1);
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Reboot by timer");
    EXPECT_TRUE(form->RadioButtonCounter->Checked());
    EXPECT_FALSE(form->RadioButtonDate->Checked());
    EXPECT_EQ(form->DaysComboBox->ItemIndex(), 0);
    EXPECT_NEAR(core::TimeOf(form->DateTimePickerReverseTime->DateTime()), core::EncodeTime(0, 30, 0, 0),
                core::OneMillisecond);
    EXPECT_TRUE(form->CheckBoxTimer->Checked());
    EXPECT_DOUBLE_EQ(form->Timer().ArmedTime(), now);

    AdvanceSeconds(30 * 60);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 0) << "due one millisecond later";
    AdvanceMs(1);
    Tick();
    EXPECT_EQ(TakePowerRequests(), 1);
}

TEST_F(CommandLineWindowTest, ListsAndClamps) {
    struct Case {
        const char* options;
        int days, level, windowItem;
        bool cpu;
    };
    const Case cases[] = {
        {"-countdown=01:00:00,400", 365, 10, 4, false},
        {"-countdown=01:00:00,abc", 0, 10, 4, false},
        {"-cpu=30,45", 0, 30, 8, true},
        {"-cpu=$1E,10", 0, 30, 1, true},
        {"-cpu=150,3", 0, 100, 0, true},
        {"-cpu=20 -cpu=30", 0, 30, 4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        Start(c.options);
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(form->DaysComboBox->ItemIndex(), c.days);
        EXPECT_EQ(form->ComboBoxCPULoad->ItemIndex(), c.level);
        EXPECT_EQ(form->ComboBoxCPULoadTime->ItemIndex(), c.windowItem);
        EXPECT_EQ(form->CheckBoxCPU->Checked(), c.cpu);
        form.reset();
    }
}

TEST_F(CommandLineWindowTest, ATimeAlreadyPastMeansTomorrow) {
    Start("-timer=08:00:00");
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(form->RadioButtonDate->Checked());
    EXPECT_FALSE(form->RadioButtonCounter->Checked());
    EXPECT_TRUE(form->CheckBoxTimer->Checked());
    EXPECT_DOUBLE_EQ(form->DateTimePickerDate->DateTime(), Today() + 1 + core::EncodeTime(8, 0, 0, 0));
    Tick();
    EXPECT_EQ(TakePowerRequests(), 0);
}

TEST_F(CommandLineWindowTest, AnErrorIsShownAndEndsTheOptionsOnly) {
    struct Case {
        std::string options;
        std::string error;
    };
    Create();
    const core::TFormatSettings fs = form->Formats();
    const std::string yesterday = core::DateText(Today() - 1, fs);
    form.reset();
    const Case cases[] = {
        {"-action=standby -countdown=,2 -cpu=30", "'' is not a valid time"},
        {"-action=standby -timer=08:00:00," + yesterday + " -cpu=30",
         core::DateIsLessThanMinimumText(Today(), fs)},
        {"-action=standby -timer=25:00 -cpu=30", "'25:00' is not a valid time"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        errors.clear();
        Start(c.options);
        EXPECT_EQ(errors, std::vector<std::string>{c.error});
        EXPECT_EQ(form->ActionComboBox->ItemIndex(), 3) << "applied before the error";
        EXPECT_FALSE(form->CheckBoxTimer->Checked());
        EXPECT_FALSE(form->CheckBoxCPU->Checked()) << "not applied after it";
        EXPECT_TRUE(IsWindow(form->Handle()));
        form.reset();
    }
}

TEST_F(CommandLineWindowTest, WinampArmsOnlyWithAPlayingPlayer) {
    Start("-winamp");
    EXPECT_EQ(messages, std::vector<std::string>{"WinAmp is not started..."});
    EXPECT_FALSE(form->CheckBoxWinAmp->Checked());
    form.reset();

    stand_in::StandInPlayerThread player;
    messages.clear();
    Start("-winampfoo");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(form->CheckBoxWinAmp->Checked());
    EXPECT_TRUE(form->WinAmpPingTimer.Enabled());
    EXPECT_EQ(form->SongsList->Caption(), "3 of 12");
}

TEST_F(CommandLineWindowTest, HelpShowsTheOptionTableAndArmsNothing) {
    Start("-cpu=30 /?");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, messages[0].find('\n')),
              "Options (each one toggles its trigger; other arguments are ignored):");
    EXPECT_NE(messages[0].find("\n-cpu=level[,seconds]\tact when"), std::string::npos);
    EXPECT_NE(messages[0].find("\n-cpu=30,45\n"), std::string::npos);
    EXPECT_FALSE(form->CheckBoxCPU->Checked());
    EXPECT_EQ(form->ComboBoxCPULoad->ItemIndex(), 10);
}
