// From a request to the operating-system call: confirmation, settings, the
// call itself and the end of the program, with the calls recorded.
#include <windows.h>

#include <functional>

#include "ConfirmDriver.h"
#include "MainFormTestSupport.h"
#include "dialogs/confirm.h"
#include "ui/XiButton.h"

namespace {

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

class PowerPathTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        ConfirmDriver::Dialogs() = 0;
    }
    void Request() { SendMessageA(form->Handle(), WM_POWER_ACTION, 0, 0); }
    bool QuitPosted() {
        MSG msg;
        return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    }
};

TEST_F(PowerPathTest, CancelInAnyWayWritesNothingAndCallsNothing) {
    Create();
    form->Show();
    const std::function<void(TConfirmForm&)> ways[] = {
        [](TConfirmForm& d) { ClickButton(*d.CancelButton); },
        [](TConfirmForm& d) {
            // Esc goes through the application's key pre-processing, as typed.
            MSG msg{d.Handle(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
            tk::Application::Instance().ProcessMessage(msg);
        },
        [](TConfirmForm& d) { SendMessageA(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& way : ways) {
        ConfirmDriver driver(way);
        Request();
    }
    EXPECT_EQ(ConfirmDriver::Dialogs(), 3);
    EXPECT_TRUE(power->calls.empty());
    EXPECT_FALSE(FileExists(settingsFile));
    EXPECT_FALSE(QuitPosted());
    EXPECT_FALSE(ConfirmOpen());
    EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(PowerPathTest, OkSavesThenMakesTheCallOfTheChosenActionAndEnds) {
    Create(true);
    form->Show();
    form->ActionComboBox->SetItemIndex(paReboot);
    ConfirmDriver driver([](TConfirmForm& d) { ClickButton(*d.OkBtn); });
    Request();
    EXPECT_EQ(ConfirmDriver::Dialogs(), 1);
    EXPECT_TRUE(FileExists(settingsFile));
    EXPECT_EQ(power->calls, (std::vector<Call>{kPrivilege, Exit(0x06)}));
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(ConfirmOpen());
}

TEST_F(PowerPathTest, NinetyFiveFamilyTurnsOffWithoutPrivilege) {
    Create(false);
    form->Show();
    ConfirmDriver driver([](TConfirmForm& d) { ClickButton(*d.OkBtn); });
    Request();
    EXPECT_EQ(power->calls, (std::vector<Call>{Exit(0x05)}));
}

TEST_F(PowerPathTest, RequestDuringTheCountdownIsDropped) {
    Create();
    form->Show();
    form->ActionComboBox->SetItemIndex(paStandby);
    ConfirmDriver driver([this](TConfirmForm& d) {
        EXPECT_TRUE(ConfirmOpen());
        Request(); // returns at once: no second dialog, no action
        EXPECT_TRUE(power->calls.empty());
        ClickButton(*d.OkBtn);
    });
    Request();
    EXPECT_EQ(ConfirmDriver::Dialogs(), 1);
    EXPECT_EQ(power->calls, (std::vector<Call>{kPrivilege, PowerState(-1, -1)}));
}

TEST_F(PowerPathTest, RefusedCallKeepsTheProgramRunningAndSaysWhy) {
    Create();
    form->Show();
    power->acceptExit = false;
    ConfirmDriver driver([](TConfirmForm& d) { ClickButton(*d.OkBtn); });
    Request();
    EXPECT_FALSE(QuitPosted());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], SystemErrorMessage(ERROR_ACCESS_DENIED));
}

TEST_F(PowerPathTest, UnwritableSettingsDoNotCancelTheAction) {
    settingsFile = "C:\\no-such-folder-kn\\deeper\\settings.ini";
    Create();
    form->Show();
    ConfirmDriver driver([](TConfirmForm& d) { ClickButton(*d.OkBtn); });
    Request();
    EXPECT_EQ(power->calls, (std::vector<Call>{kPrivilege, Exit(0x0C)}));
    EXPECT_TRUE(QuitPosted());
    // Said, but only after the call: a box before it would wait for the user.
    EXPECT_EQ(errors.size(), 1u);
}
