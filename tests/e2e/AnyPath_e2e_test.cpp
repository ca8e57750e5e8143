// The built program in folders named with letters outside any one ANSI code
// page, with a profile named so too: the skins are listed, the settings folder
// is made, and the settings are saved and read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "ProgramFolder.h"

using namespace e2e;

namespace {

// Sets an environment variable for the programs started in its lifetime.
class EnvironmentScope {
public:
    EnvironmentScope(const wchar_t* name, const std::string& value) : name_(name) {
        wchar_t previous[MAX_PATH] = {};
        had_ = GetEnvironmentVariableW(name, previous, MAX_PATH) > 0;
        previous_ = previous;
        SetEnvironmentVariableW(name, tk::Widen(value).c_str());
    }
    ~EnvironmentScope() { SetEnvironmentVariableW(name_, had_ ? previous_.c_str() : nullptr); }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    const wchar_t* name_;
    std::wstring previous_;
    bool had_ = false;
};

HWND WaitForMainWindow() {
    HWND main = nullptr;
    WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; });
    return main;
}

TEST(EndToEnd, RunsFromAndKeepsSettingsInFoldersWithAnyLetters) {
    const char* const names[] = {"\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD0\xB0",
                                 "\xE7\xA8\x8B\xE5\xBA\x8F", "Caf\xC3\xA9"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ProgramFolder folder(name);
        folder.CopyShippedSkins();
        // The application-data folder follows the profile; a profile has it already.
        const std::string profile = folder.Root() + name + "-profile\\";
        const std::string appData = profile + "AppData\\Roaming\\";
        CreateFolders(appData);
        const EnvironmentScope profileScope(L"USERPROFILE", profile);
        const std::string settings = appData + "Kalvex Now!\\settings.ini";

        RunningProgram first;
        Start(folder.Program(), first);
        HWND main = WaitForMainWindow();
        ASSERT_NE(main, nullptr) << "start-up ended";
        std::vector<std::string> items = SkinListItems(main);
        ASSERT_FALSE(items.empty());
        // Each shipped skin's file is its name in lower case.
        std::string firstFile = items.front() + ".ini";
        std::transform(firstFile.begin(), firstFile.end(), firstFile.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        std::sort(items.begin(), items.end());
        EXPECT_EQ(items, kShippedSkinNames);
        CloseProgram(main, first);
        const std::string saved = ReadFileText(settings);
        EXPECT_NE(saved.find("SkinComboBox=0\r\nSkinFile=" + firstFile + "\r\n"), std::string::npos) << saved;

        // A choice stored by file name comes back, wherever the file now lies.
        ProgramFolder::WriteFile(settings, "[OPTIONS]\r\nSkinComboBox=0\r\nSkinFile=night.ini\r\n");
        RunningProgram second;
        Start(folder.Program(), second);
        ASSERT_NE(main = WaitForMainWindow(), nullptr);
        EXPECT_EQ(SelectedSkin(main), "Night");
        EXPECT_EQ(FindWindowA("#32770", kErrorBoxCaption), nullptr) << "no error at start";
        CloseProgram(main, second);
    }
}

} // namespace
