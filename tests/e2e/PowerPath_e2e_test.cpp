// The built program as a user meets it: F10 asks for confirmation, Cancel
// keeps it running, Ok carries out the action after saving the settings.
// The action is Standby, which under Wine is accepted and does nothing (a
// forced end of session would end every program of the Wine prefix).
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "toolkit/Handles.h"

namespace {

constexpr DWORD kPatienceMs = 20000;
constexpr DWORD kPollMs = 50;

std::string ProgramPath() {
    // Built into the test as a host path; Wine maps the host root to Z:.
    std::string path = "Z:" KN_PROGRAM_PATH;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string SettingsFile() {
    char appData[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, TRUE);
    const std::string folder = std::string(appData) + "\\Kalvex Now!\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "settings.ini";
}

std::string FileText(const std::string& path) {
    std::string text;
    const tk::KernelHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    if (!f) return text;
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(f.Get(), buf, sizeof buf, &n, nullptr) && n > 0) text.append(buf, n);
    return text;
}

template <typename Condition>
bool WaitFor(Condition condition) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (condition()) return true;
        Sleep(kPollMs);
    }
    return condition();
}

HWND VisibleWindow(const char* caption) {
    HWND w = FindWindowA(nullptr, caption);
    return w && IsWindowVisible(w) ? w : nullptr;
}

void PressKey(HWND window, WORD key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void ClickChild(HWND dialog, const char* caption) {
    HWND button = FindWindowExA(dialog, nullptr, nullptr, caption);
    ASSERT_NE(button, nullptr) << caption;
    RECT r;
    GetClientRect(button, &r);
    const LPARAM inside = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageA(button, WM_LBUTTONUP, 0, inside);
}

// Ends the program if a test leaves it running.
struct RunningProgram {
    PROCESS_INFORMATION pi{};
    ~RunningProgram() {
        const tk::KernelHandle process(pi.hProcess), thread(pi.hThread);
        if (process && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    }
    bool Running() const { return WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT; }
};

} // namespace

TEST(EndToEnd, ExecuteAsksFirstAndCancelKeepsTheProgramRunning) {
    const std::string settings = SettingsFile();
    DeleteFileA(settings.c_str());
    WritePrivateProfileStringA("OPTIONS", "ActionComboBox", "3", settings.c_str());
    const std::string before = FileText(settings);

    RunningProgram program;
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    std::string commandLine = "\"" + ProgramPath() + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                               &program.pi))
        << ProgramPath();

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
