// The main window: start-up state, layout, captions, settings, tray and keys.
#include <windows.h>

#include "MainFormTestSupport.h"
#include "core/DateTimeText.h"
#include "toolkit/Application.h"
#include "ui/BtChkBox.h"
#include "ui/XiButton.h"

namespace {

core::TDateTime TimeOfDayOf(const tk::DateTimePicker& p) { return core::TimeOf(p.DateTime()); }

std::string SettingsText(const std::string& file) {
    std::string text;
    if (FILE* f = std::fopen(file.c_str(), "rb")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
    }
    return text;
}

} // namespace

TEST_F(MainFormFixture, FirstStartShowsTheDefaults) {
    Create();
    EXPECT_TRUE(form->RadioButtonCounter->Checked());
    EXPECT_FALSE(form->RadioButtonDate->Checked());
    EXPECT_EQ(form->DaysComboBox->ItemIndex(), 0);
    EXPECT_EQ(form->DaysComboBox->ItemCount(), 366);
    EXPECT_NEAR(TimeOfDayOf(*form->DateTimePickerReverseTime), 1.0 / 24, 1e-9);
    EXPECT_EQ(form->ComboBoxCPULoad->ItemIndex(), 10);
    EXPECT_EQ(form->ComboBoxCPULoad->ItemCount(), 101);
    EXPECT_EQ(form->ComboBoxCPULoadTime->ItemIndex(), 4);
    EXPECT_EQ(form->ComboBoxCPULoadTime->Item(4), "25");
    EXPECT_EQ(form->ComboBoxCPULoadTime->Item(11), "60");
    EXPECT_EQ(form->ActionComboBox->ItemIndex(), 0);
    EXPECT_EQ(form->ActionComboBox->Item(0), "Turn Off");
    EXPECT_EQ(form->ActionComboBox->Item(4), "Hibernate");
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Turn off by timer");
    EXPECT_EQ(form->RadioButtonDate->Caption(), "Turn off date and time");
    EXPECT_EQ(form->TimeActionLabel->Caption(), "Turn off:");
    EXPECT_EQ(form->CheckBoxWinAmp->Caption(), "Turn off by WinAmp");
    EXPECT_EQ(form->CheckBoxCPU->Caption(), "Turn off by CPU load");
    EXPECT_EQ(form->RadioButtonCounter->Caption(), "Time countdown");
    EXPECT_EQ(form->PowerSpeedButton->Caption(), "Execute");
    EXPECT_EQ(form->NetTimeSpeedButton->Caption(), "Sync");
    EXPECT_EQ(form->SkinComboBox->Item(0), "Empty");
    EXPECT_FALSE(form->SkinComboBox->Enabled());
    EXPECT_FALSE(form->CheckBoxTimer->Checked());
    EXPECT_FALSE(form->CheckBoxCPU->Checked());
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainFormFixture, CaptionNamesThePlatformFamily) {
    Create(true);
    EXPECT_EQ(form->Caption(), "Kalvex Now! [NT]");
    char text[64];
    GetWindowTextA(form->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "Kalvex Now! [NT]");
    form.reset();
    Create(false);
    EXPECT_EQ(form->Caption(), "Kalvex Now! [9x]");
}

TEST_F(MainFormFixture, HeadersFollowTheLayoutRule) {
    Create();
    const auto* box = form->CheckBoxTimer;
    EXPECT_EQ(box->Left(), 8 + 2 + 2);
    EXPECT_EQ(box->Top(), 8 + 2);
    EXPECT_EQ(box->Width(), 249 - 2 - 4);
    EXPECT_EQ(form->Shape1->Left(), 10);
    EXPECT_EQ(form->Shape1->Top(), box->Top());
    EXPECT_EQ(form->Shape1->Height(), box->Height());
    EXPECT_EQ(form->Bevel2->Left(), 10);
    EXPECT_EQ(form->Bevel2->Width(), 245);
    EXPECT_EQ(form->Bevel2->Top(), 8 + box->Height() + 2);
    EXPECT_EQ(form->CheckBoxCPU->Left(), 264 + 4);
    EXPECT_EQ(form->CheckBoxCPU->Top(), 82);
    EXPECT_EQ(form->ActTxt->Left(), 266);
    EXPECT_EQ(form->ActTxt->Top(), 202);
    EXPECT_EQ(form->ActTxt->Width(), 117);
    EXPECT_EQ(form->Bevel12->Top(), 200 + form->SkinTxt->Height() + 2);
    // The pickers take the height of the lists.
    EXPECT_EQ(form->DateTimePickerDate->Height(), form->DaysComboBox->Height());
}

TEST_F(MainFormFixture, KeyboardOrderAndCursorsFollowTheDescription) {
    Create();
    const std::vector<tk::WinControl*> order{
        form->CheckBoxTimer, form->RadioButtonDate, form->DateTimePickerDate, form->DateTimePickerTime,
        form->RadioButtonCounter, form->DaysComboBox, form->DateTimePickerReverseTime, form->CheckBoxWinAmp,
        form->CheckBoxCPU, form->ComboBoxCPULoad, form->ComboBoxCPULoadTime, form->ActionComboBox,
        // SkinComboBox is disabled while there are no skins, so Tab passes it by.
        form->NetTimeSpeedButton, form->AboutSpeedButton, form->PowerSpeedButton, form->CloseSpeedButton,
        // The groups below the original window follow it.
        form->CheckBoxNet, form->ComboBoxNetLevel, form->ComboBoxNetTime, form->ComboBoxNetAdapter,
        form->CheckBoxProgram, form->ComboBoxProgram};
    form->Show();
    form->CheckBoxTimer->SetFocus();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        form->SelectNext(true);
        EXPECT_EQ(GetFocus(), order[i % order.size()]->Handle()) << order[i % order.size()]->Name();
    }
    for (const tk::WinControl* c : order) {
        const bool textCursor = c == form->DateTimePickerTime || c == form->DateTimePickerReverseTime;
        EXPECT_EQ(c->Cursor(), textCursor ? tk::CursorKind::Text : tk::CursorKind::Hand) << c->Name();
    }
    EXPECT_EQ(form->SkinComboBox->Cursor(), tk::CursorKind::Hand);
    EXPECT_EQ(form->CurrTimeLabel->Cursor(), tk::CursorKind::Default);
    EXPECT_TRUE(form->CurrTimeLabel->Font().bold);
    EXPECT_EQ(form->AttemptLabel->Font().name, "Small Fonts");
    form->Hide();
}

TEST_F(MainFormFixture, ActionCaptionsFollowTheChosenAction) {
    Create();
    form->ActionComboBox->SetItemIndex(4);
    form->ActionComboBoxSelect();
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Hibernate by timer");
    EXPECT_EQ(form->RadioButtonDate->Caption(), "Hibernate date and time");
    EXPECT_EQ(form->TimeActionLabel->Caption(), "Hibernate:");
    EXPECT_EQ(form->CheckBoxWinAmp->Caption(), "Hibernate by WinAmp");
    EXPECT_EQ(form->CheckBoxCPU->Caption(), "Hibernate by CPU load");
    EXPECT_EQ(form->RadioButtonCounter->Caption(), "Time countdown");
    // No selection changes nothing.
    form->ActionComboBox->SetItemIndex(-1);
    form->ActionComboBoxSelect();
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Hibernate by timer");
}

TEST_F(MainFormFixture, StoredActionNamesItselfAtStartUp) {
    WriteSetting("ActionComboBox", "3");
    Create();
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Standby by timer");
    EXPECT_EQ(form->RadioButtonDate->Caption(), "Standby date and time");
    EXPECT_EQ(form->TimeActionLabel->Caption(), "Standby:");
    EXPECT_EQ(form->CheckBoxWinAmp->Caption(), "Standby by WinAmp");
    EXPECT_EQ(form->CheckBoxCPU->Caption(), "Standby by CPU load");
}

TEST_F(MainFormFixture, SettingsSurviveARestart) {
    Create();
    form->RadioButtonDate->SetChecked(true);
    form->RadioButtonDateClick();
    form->DaysComboBox->SetItemIndex(7);
    form->ComboBoxCPULoad->SetItemIndex(55);
    form->ComboBoxCPULoadTime->SetItemIndex(9);
    form->DateTimePickerReverseTime->SetDateTime(core::EncodeDateTime(2003, 6, 21, 2, 30, 15, 0));
    form->ActionComboBox->SetItemIndex(1);
    form->SaveSettings();
    EXPECT_NE(SettingsText(settingsFile).find("3.77931043402778E+0004"), std::string::npos)
        << SettingsText(settingsFile);
    form.reset();

    Create();
    EXPECT_TRUE(form->RadioButtonDate->Checked());
    EXPECT_FALSE(form->RadioButtonCounter->Checked());
    EXPECT_EQ(form->DaysComboBox->ItemIndex(), 7);
    EXPECT_EQ(form->ComboBoxCPULoad->ItemIndex(), 55);
    EXPECT_EQ(form->ComboBoxCPULoadTime->ItemIndex(), 9);
    EXPECT_NEAR(TimeOfDayOf(*form->DateTimePickerReverseTime), core::EncodeTime(2, 30, 15, 0), 1e-8);
    EXPECT_EQ(form->ActionComboBox->ItemIndex(), 1);
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Reboot by timer");
    // Triggers are never stored.
    EXPECT_FALSE(form->CheckBoxTimer->Checked());
}

TEST_F(MainFormFixture, BothModeKeysSetMeansDateMode) {
    WriteSetting("RadioButtonDate", "1");
    WriteSetting("RadioButtonCounter", "1");
    Create();
    EXPECT_TRUE(form->RadioButtonDate->Checked());
    EXPECT_FALSE(form->RadioButtonCounter->Checked());
}

TEST_F(MainFormFixture, HandEditedValuesFallBackSafely) {
    WriteSetting("ActionComboBox", "0x3");
    WriteSetting("ComboBoxCPULoadTime", "99");
    WriteSetting("DaysComboBox", "-1");
    WriteSetting("DateTimePickerReverseTime", "0.5");
    Create();
    EXPECT_EQ(form->ActionComboBox->ItemIndex(), 3);
    EXPECT_EQ(form->ComboBoxCPULoadTime->ItemIndex(), 0);
    EXPECT_EQ(form->DaysComboBox->ItemIndex(), 0);
    EXPECT_NEAR(TimeOfDayOf(*form->DateTimePickerReverseTime), 0.5, 1e-9);
    form.reset();
    WriteSetting("DateTimePickerReverseTime", "abc");
    WriteSetting("ActionComboBox", "7");
    Create();
    EXPECT_NEAR(TimeOfDayOf(*form->DateTimePickerReverseTime), 0.0, 1e-9);
    EXPECT_EQ(form->ActionComboBox->ItemIndex(), 0);
}

TEST_F(MainFormFixture, ClosingWritesAllKeysAndAlwaysCloses) {
    Create();
    form->Close();
    const std::string text = SettingsText(settingsFile);
    for (const char* key : {"RadioButtonDate=0", "RadioButtonCounter=1", "DaysComboBox=0",
                            "ComboBoxCPULoad=10", "ComboBoxCPULoadTime=4",
                            "DateTimePickerReverseTime=", "ActionComboBox=0", "SkinComboBox=0", "SkinFile="})
        EXPECT_NE(text.find(key), std::string::npos) << key;
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainFormFixture, UnwritableSettingsAreReportedButTheWindowCloses) {
    settingsFile = "C:\\no-such-folder-kn\\deeper\\settings.ini";
    Create();
    form->Close();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Unable to write to " + settingsFile);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainFormFixture, TrayIconComesWithMinimisingAndGoesWithALeftClick) {
    Create();
    form->Show();
    form->HideToTray();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->TrayIconShown());
    EXPECT_EQ(form->TrayIconData.uCallbackMessage, static_cast<UINT>(WM_TRAY_ICON));
    EXPECT_STREQ(form->TrayIconData.szTip, "Kal Vex Now!");
    EXPECT_EQ(form->TrayIconData.uFlags & 7u, 7u);

    for (LPARAM ignored : {LPARAM(WM_RBUTTONDOWN), LPARAM(WM_MOUSEMOVE), LPARAM(WM_LBUTTONUP)}) {
        SendMessageA(form->Handle(), WM_TRAY_ICON, 1, ignored);
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
        EXPECT_TRUE(form->TrayIconShown());
    }
    SendMessageA(form->Handle(), WM_TRAY_ICON, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->TrayIconShown());
}

TEST_F(MainFormFixture, ShortcutsPostTheirCommands) {
    Create();
    form->Show();
    SetForegroundWindow(form->Handle());
    ASSERT_EQ(GetActiveWindow(), form->Handle());
    auto press = [&](WPARAM key) {
        MSG msg{form->Handle(), WM_KEYDOWN, key, 0, 0, {}};
        tk::Application::Instance().ProcessMessage(msg);
    };
    press(VK_F10);
    EXPECT_EQ(TakePosted(WM_POWER_ACTION), 1);
    press(VK_F1);
    EXPECT_EQ(TakePosted(WM_SHOW_ABOUT), 1);
    press(VK_F2);
    EXPECT_EQ(TakePosted(WM_CLOCK_SYNC), 1);
    // The buttons post the same commands.
    form->PowerSpeedButton->Click();
    EXPECT_EQ(TakePosted(WM_POWER_ACTION), 1);
}

TEST_F(MainFormFixture, AFailingStartUpStepIsReportedAndStartUpGoesOn) {
    MainFormServices s = Services();
    int calls = 0;
    const auto clock = s.now;
    s.now = [&calls, clock] {
        if (++calls == 1) throw std::runtime_error("clock unavailable");
        return clock();
    };
    form = std::make_unique<TMainForm>(s);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "clock unavailable");
    // The later steps still ran: lists, captions and the 250 ms tick.
    EXPECT_EQ(form->DaysComboBox->ItemCount(), 366);
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Turn off by timer");
    EXPECT_TRUE(form->SystemTimePingTimer.Enabled());
    form->SystemTimePingTimer.SetEnabled(false);
}
