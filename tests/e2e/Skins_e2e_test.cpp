// The built program with skins beside it: the shipped skins fill its list,
// and a skin whose tile is missing is reported at start while the program
// still starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProgramFolder.h"
#include "toolkit/Handles.h"

using namespace e2e;

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

} // namespace

TEST(EndToEnd, TheShippedSkinsFillTheList) {
    WritePrivateProfileStringA("OPTIONS", "SkinComboBox", "0", SettingsFile().c_str());
    ProgramFolder folder;
    folder.CopyShippedSkins();
    RunningProgram program;
    Start(folder.Program(), program);
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
    std::vector<std::string> items = SkinListItems(main);
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, kShippedSkinNames);
    EXPECT_EQ(FindWindowA("#32770", kErrorBoxCaption), nullptr) << "no error at start";
    CloseProgram(main, program);
}

TEST(EndToEnd, AMissingTileIsReportedAndTheProgramStillStarts) {
    WritePrivateProfileStringA("OPTIONS", "SkinComboBox", "0", SettingsFile().c_str());
    ProgramFolder folder;
    folder.WriteSkin("broken.ini", "[NAME]\r\nSKIN_ENG=Broken\r\n[BACKGROUND]\r\nIMAGE=gone.rgb\r\n");
    RunningProgram program;
    Start(folder.Program(), program);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", kErrorBoxCaption)) != nullptr; }));
    char text[512] = {};
    SendMessageA(GetDlgItem(box, kMessageBoxTextId), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::string(text).rfind("Cannot open file \"", 0), 0u) << text;
    EXPECT_NE(std::string(text).find("skins\\backfones\\gone.rgb\". "), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
    EXPECT_EQ(SkinListItems(main), std::vector<std::string>{"Broken"});
    EXPECT_TRUE(program.Running());
    CloseProgram(main, program);
}
