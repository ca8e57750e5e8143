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

// Points the user's application-data folder somewhere else for the programs
// started in its lifetime, as a profile named with such letters would.
class ApplicationDataScope {
public:
    explicit ApplicationDataScope(const std::string& folder) {
        HKEY key = nullptr;
        RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key);
        key_.Reset(key);
        DWORD size = sizeof previous_;
        had_ = RegQueryValueExW(key_.Get(), kValue, nullptr, &type_, reinterpret_cast<BYTE*>(previous_),
                                &size) == ERROR_SUCCESS;
        Set(REG_EXPAND_SZ, tk::Widen(folder));
    }
    ~ApplicationDataScope() {
        if (had_)
            Set(type_, previous_);
        else
            RegDeleteValueW(key_.Get(), kValue);
    }
    ApplicationDataScope(const ApplicationDataScope&) = delete;
    ApplicationDataScope& operator=(const ApplicationDataScope&) = delete;

private:
    static constexpr wchar_t kKey[] =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static constexpr wchar_t kValue[] = L"AppData";

    void Set(DWORD type, const std::wstring& path) {
        RegSetValueExW(key_.Get(), kValue, 0, type, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }

    tk::RegistryKey key_;
    wchar_t previous_[MAX_PATH] = {};
    DWORD type_ = REG_EXPAND_SZ;
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
        // A profile has its application-data folder already.
        const std::string appData = folder.Root() + name + "-profile\\AppData\\Roaming\\";
        CreateFolders(appData);
        const ApplicationDataScope profile(appData.substr(0, appData.size() - 1));
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
