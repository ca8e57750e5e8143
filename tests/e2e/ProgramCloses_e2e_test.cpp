// The built program waiting for a program to close: a copy of the stand-in
// player under a name of its own (one the ANSI code page cannot hold) plays
// the job. The action is Standby, which under Wine does nothing; the test
// cancels it anyway.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ProgramDriving.h"

using namespace e2e;

namespace {

constexpr char kMainCaption[] = "Kalvex Now! [NT]";
constexpr char kBox[] = "Standby when a program closes";

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// A job of its own name, running until the test ends it.
class Job {
public:
    explicit Job(const std::wstring& name) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + name;
        EXPECT_TRUE(CopyFileW(Wide(WindowsPath(KN_STAND_IN_PLAYER_PATH)).c_str(), path_.c_str(), FALSE));
        EXPECT_TRUE(StartWide(program_, L"\"" + path_ + L"\""));
        EXPECT_TRUE(WaitFor([] { return FindWindowA("Winamp v1.x", nullptr) != nullptr; })) << "the job runs";
    }
    ~Job() {
        End();
        DeleteFileW(path_.c_str());
    }
    void End() {
        if (program_.Running()) TerminateProcess(program_.pi.hProcess, 0);
        WaitForSingleObject(program_.pi.hProcess, kPatienceMs);
    }

private:
    std::wstring path_;
    RunningProgram program_;
};

bool Ticked(HWND main, const char* caption) {
    HWND box = FindWindowExA(main, nullptr, nullptr, caption);
    return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

double SecondsSince(DWORD start) { return (GetTickCount() - start) / 1000.0; }

} // namespace

TEST(EndToEndProgramCloses, ArmedByNameItWaitsWhileTheJobRunsAndFiresSoonAfterItEnds) {
    const std::wstring name = L"KnJob-\u65E5\u672C.exe";
    Job job(name);
    DeleteFileA(SettingsFile().c_str());
    DrawnTexts drawn;
    RunningProgram program;
    {
        const FontTrace trace;
        // In upper case: names compare without it.
        ASSERT_TRUE(StartWide(
            program, L"\"" + Wide(ProgramPath()) + L"\" -action=standby -process=KNJOB-\u65E5\u672C.EXE"));
    }
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
    EXPECT_TRUE(Ticked(main, kBox));
    EXPECT_TRUE(drawn.WaitFor("Waiting for 1 process")) << drawn.Recent();
    Sleep(1500);
    EXPECT_EQ(VisibleWindow("Confirm"), nullptr) << "the job still runs";

    job.End();
    const DWORD ended = GetTickCount();
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (confirm = VisibleWindow("Confirm")) != nullptr; }));
    EXPECT_LT(SecondsSince(ended), 2.0);
    EXPECT_FALSE(Ticked(main, kBox)) << "a trigger that fired is disarmed";
    ClickChild(confirm, "Cancel");
    ASSERT_TRUE(WaitFor([] { return VisibleWindow("Confirm") == nullptr; }));

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(program.pi.hProcess, kPatienceMs), WAIT_OBJECT_0);
    EXPECT_NE(FileText(SettingsFile()).find("ProcessName=KNJOB-%E6%97%A5%E6%9C%AC.EXE"), std::string::npos)
        << FileText(SettingsFile());
}

TEST(EndToEndProgramCloses, ArmedWithNoSuchProgramItIsRefusedAndTheOptionsAfterItAreNot) {
    DeleteFileA(SettingsFile().c_str());
    DrawnTexts drawn;
    RunningProgram program;
    ASSERT_TRUE(StartTraced(program, ProgramPath(), "-action=standby -process=KnNoSuchJob -cpu=30"));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = VisibleWindow("Kal Vex Now!")) != nullptr; }));
    EXPECT_TRUE(drawn.WaitFor("KnNoSuchJob.exe is not running...")) << drawn.Recent();
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
    EXPECT_FALSE(Ticked(main, kBox));
    EXPECT_FALSE(Ticked(main, "Standby by CPU load"));
    Sleep(1000);
    EXPECT_EQ(VisibleWindow("Confirm"), nullptr) << "refused, never fired";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.pi.hProcess, kPatienceMs), WAIT_OBJECT_0);
}
