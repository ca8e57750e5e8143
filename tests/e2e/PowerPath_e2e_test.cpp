// The built program as a user meets it: F10 asks for confirmation, Cancel
// keeps it running, Ok carries out the action after saving the settings.
// The action is Standby, which under Wine is accepted and does nothing (a
// forced end of session would end every program of the Wine prefix).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ProgramDriving.h"

using namespace e2e;

TEST(EndToEnd, ExecuteAsksFirstAndCancelKeepsTheProgramRunning) {
    const std::string settings = SettingsFile();
    DeleteFileA(settings.c_str());
    WritePrivateProfileStringA("OPTIONS", "ActionComboBox", "3", settings.c_str());
    const std::string before = FileText(settings);

    RunningProgram program;
    ASSERT_TRUE(Start(program, ProgramPath(), "")) << ProgramPath();

    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow("Kalvex Now! [NT]")) != nullptr; }));

    PressKey(main, VK_F10);
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (confirm = VisibleWindow("Confirm")) != nullptr; }));
    ClickChild(confirm, "Cancel");
    ASSERT_TRUE(WaitFor([&] { return VisibleWindow("Confirm") == nullptr; }));
    Sleep(500);
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(FileText(settings), before); // Cancel writes nothing

    PressKey(main, VK_F10);
    ASSERT_TRUE(WaitFor([&] { return (confirm = VisibleWindow("Confirm")) != nullptr; }));
    ClickChild(confirm, "Ok");
    ASSERT_EQ(WaitForSingleObject(program.pi.hProcess, kPatienceMs), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(program.pi.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);

    // Saved before the action: every key, with the chosen action.
    const std::string after = FileText(settings);
    for (const char* line :
         {"RadioButtonDate=0", "RadioButtonCounter=1", "DaysComboBox=0", "ComboBoxCPULoad=10",
          "ComboBoxCPULoadTime=4", "DateTimePickerReverseTime=", "ActionComboBox=3", "SkinComboBox=0"})
        EXPECT_NE(after.find(line), std::string::npos) << line << " in\n" << after;
}
