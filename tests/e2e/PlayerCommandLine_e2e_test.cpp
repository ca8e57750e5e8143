// The built program started with options, beside a stand-in media player in
// a process of its own. Every action is Standby, which under Wine is accepted
// and does nothing; the tests cancel the confirmation anyway.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "../monitors/StandInPlayer.h"
#include "ProgramDriving.h"

using namespace e2e;

namespace {

constexpr char kMainCaption[] = "Kalvex Now! [NT]";
constexpr char kStandbyQuestion[] = "Going into Standby mode after ...";
constexpr DWORD kPollPeriodMs = 500;

// A stand-in player of its own process, playing the third of twelve tracks.
class Player {
public:
    explicit Player(const std::string& arguments = "") {
        EXPECT_TRUE(Start(program_, WindowsPath(KN_STAND_IN_PLAYER_PATH), arguments));
        EXPECT_TRUE(WaitFor([&] { return (window_ = FindWindowA("Winamp v1.x", nullptr)) != nullptr; }));
    }
    void Set(stand_in::Field field, std::int32_t answer) {
        SendMessageA(window_, stand_in::kSetField, static_cast<WPARAM>(field), answer);
    }
    // Posted: the player takes it after whatever it is busy with.
    void PostSet(stand_in::Field field, std::int32_t answer) {
        PostMessageA(window_, stand_in::kSetField, static_cast<WPARAM>(field), answer);
    }
    void Hang(DWORD ms) { stand_in::StartHang(window_, ms); }
    int RepeatOffs() { return static_cast<int>(SendMessageA(window_, stand_in::kRepeatOffCount, 0, 0)); }
    void Close() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(program_.pi.hProcess, kPatienceMs), WAIT_OBJECT_0);
    }

private:
    RunningProgram program_;
    HWND window_ = nullptr;
};

// The program with settings at their defaults and the given options.
class Program {
public:
    // Waits for the main window unless a message comes first.
    explicit Program(const std::string& options, bool waitForWindow = true) {
        DeleteFileA(SettingsFile().c_str());
        EXPECT_TRUE(drawn.Ok()) << "run through ctest: the drawn texts come from the test's standard error";
        EXPECT_TRUE(StartTraced(program_, ProgramPath(), options));
        if (waitForWindow) {
            EXPECT_TRUE(WaitForMainWindow());
        }
    }
    bool WaitForMainWindow() {
        return WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; });
    }
    ~Program() {
        if (main) PostMessageA(main, WM_CLOSE, 0, 0);
        WaitForSingleObject(program_.pi.hProcess, kPatienceMs);
    }
    bool Running() const { return program_.Running(); }

    // The media-player box, a window of its own whose text is its caption.
    bool WinampArmed() const {
        HWND box = FindWindowExA(main, nullptr, nullptr, "Standby by WinAmp");
        return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    HWND main = nullptr;
    DrawnTexts drawn;

private:
    RunningProgram program_;
};

void CancelConfirmation() {
    HWND confirm = VisibleWindow("Confirm");
    ASSERT_NE(confirm, nullptr);
    ClickChild(confirm, "Cancel");
    ASSERT_TRUE(WaitFor([] { return VisibleWindow("Confirm") == nullptr; }));
}

void CloseMessage() {
    HWND message = VisibleWindow("Message");
    ASSERT_NE(message, nullptr);
    ClickChild(message, "Ok");
    ASSERT_TRUE(WaitFor([] { return VisibleWindow("Message") == nullptr; }));
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Clock() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// How long the window takes to repaint itself: its queue is served only
// while its thread is free (a thread waiting for another program's answer
// still takes messages sent to it, so a sent probe would not tell).
double RepaintSeconds(HWND window) {
    const LARGE_INTEGER asked = Clock();
    InvalidateRect(window, nullptr, FALSE);
    while (GetUpdateRect(window, nullptr, FALSE) && Seconds(asked, Clock()) < 5.0) Sleep(1);
    return Seconds(asked, Clock());
}

} // namespace

TEST(EndToEndCommandLine, ACountdownFromTheCommandLineAsksForTheActionWhenItRunsOut) {
    Program program("-action=standby -countdown=00:00:03");
    const LARGE_INTEGER shown = Clock();
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (confirm = VisibleWindow("Confirm")) != nullptr; }));
    const double after = Seconds(shown, Clock());
    EXPECT_GT(after, 2.0) << "armed at start-up, due three seconds later";
    EXPECT_LT(after, 6.0);
    EXPECT_TRUE(program.drawn.WaitFor(kStandbyQuestion)) << program.drawn.Recent();
    CancelConfirmation();
    EXPECT_TRUE(program.Running());
}

// Someone typing in another window when the confirmation comes up goes on
// typing: the keys must not carry out the action (it took 2.5 s when they did).
TEST(EndToEndCommandLine, AKeyTypedAsTheConfirmationAppearsNeverCarriesOutTheAction) {
    constexpr DWORD kLongerThanTheActionTookMs = 4000;
    for (const WORD key : {VK_SPACE, VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(key);
        Program program("-action=standby -countdown=00:00:01");
        ASSERT_TRUE(WaitFor([] { return VisibleWindow("Confirm") != nullptr; }));
        ASSERT_TRUE(TypeKey(key));
        EXPECT_TRUE(WaitFor([] { return VisibleWindow("Confirm") == nullptr; }))
            << "the key never reached the dialog";
        Sleep(kLongerThanTheActionTookMs);
        EXPECT_TRUE(program.Running());
    }
}

TEST(EndToEndCommandLine, AnInvalidTimeIsReportedAndTheWindowStillOpens) {
    DeleteFileA(SettingsFile().c_str());
    RunningProgram program;
    ASSERT_TRUE(Start(program, ProgramPath(), "-action=standby -countdown=25:00"));
    // The standard error box comes before the window is shown.
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = VisibleWindow("Kal Vex Now!")) != nullptr; }));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
    Sleep(1000);
    EXPECT_EQ(VisibleWindow("Confirm"), nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(program.pi.hProcess, kPatienceMs), WAIT_OBJECT_0);
    EXPECT_NE(FileText(SettingsFile()).find("ActionComboBox=3"), std::string::npos)
        << "applied before the error";
}

TEST(EndToEndPlayer, ArmedFromTheCommandLineItShowsThePlayerAndFiresWhenItStops) {
    Player player;
    Program program("-action=standby -winamp");
    EXPECT_TRUE(program.WinampArmed());
    EXPECT_TRUE(program.drawn.WaitFor("3 of 12")) << program.drawn.Recent();
    EXPECT_TRUE(program.drawn.WaitFor("75 sec / 240 sec")) << program.drawn.Recent();
    EXPECT_EQ(player.RepeatOffs(), 1);

    player.Set(stand_in::Field::PlayingState, stand_in::kPaused);
    player.Set(stand_in::Field::PlaylistPosition, 11);
    EXPECT_TRUE(program.drawn.WaitFor("12 of 12")) << program.drawn.Recent();
    Sleep(3 * kPollPeriodMs);
    EXPECT_EQ(VisibleWindow("Confirm"), nullptr) << "paused is not stopped";

    player.Set(stand_in::Field::PlayingState, stand_in::kStopped);
    const LARGE_INTEGER stopped = Clock();
    ASSERT_TRUE(WaitFor([] { return VisibleWindow("Confirm") != nullptr; }));
    EXPECT_LT(Seconds(stopped, Clock()), 1.5) << "within one poll";
    EXPECT_FALSE(program.WinampArmed());
    CancelConfirmation();
    Sleep(3 * kPollPeriodMs);
    EXPECT_EQ(VisibleWindow("Confirm"), nullptr) << "disarmed: no second request";
    EXPECT_TRUE(program.Running());
}

TEST(EndToEndPlayer, APlayerClosedWhileArmedIsReportedAndNothingFires) {
    Player player;
    Program program("-action=standby -winamp");
    ASSERT_TRUE(program.WinampArmed());
    player.Close();
    ASSERT_TRUE(WaitFor([] { return VisibleWindow("Message") != nullptr; }));
    EXPECT_TRUE(program.drawn.WaitFor("WinAmp disappear...")) << program.drawn.Recent();
    EXPECT_FALSE(program.WinampArmed());
    CloseMessage();
    Sleep(3 * kPollPeriodMs);
    EXPECT_EQ(VisibleWindow("Confirm"), nullptr);
    EXPECT_EQ(VisibleWindow("Message"), nullptr) << "reported once";
}

TEST(EndToEndPlayer, WithoutAPlayerTheOptionIsRefusedWithAReason) {
    // The reason comes while the window is being created, before it shows.
    Program program("-action=standby -winamp", false);
    ASSERT_TRUE(WaitFor([] { return VisibleWindow("Message") != nullptr; }));
    EXPECT_TRUE(program.drawn.WaitFor("WinAmp is not started...")) << program.drawn.Recent();
    CloseMessage();
    ASSERT_TRUE(program.WaitForMainWindow());
    EXPECT_FALSE(program.WinampArmed());
}

// The player stops answering for longer than the program waits for it. The
// window must keep answering and ticking, and nothing may fire; once the
// player answers again, its stop is seen.
TEST(EndToEndPlayer, AHungPlayerNeitherFreezesTheWindowNorFires) {
    constexpr DWORD kHangMs = 8000;
    constexpr double kBoundSeconds = 1.0; // the program's limit for one answer
    Player player;
    Program program("-action=standby -winamp");
    ASSERT_TRUE(program.WinampArmed());
    player.Hang(kHangMs);
    // Taken only once the hang is over: a stop the program can see only then.
    player.PostSet(stand_in::Field::PlayingState, stand_in::kStopped);

    program.drawn.Forget();
    const LARGE_INTEGER start = Clock();
    double longest = 0.0;
    while (Seconds(start, Clock()) < (kHangMs - 1000) / 1000.0) {
        ASSERT_EQ(VisibleWindow("Confirm"), nullptr) << "fired while the player hung";
        longest = std::max(longest, RepaintSeconds(program.main));
        Sleep(10);
    }
    std::printf("[ MEASURED ] longest time the main window took to repaint while the player hung: %.0f ms\n",
                longest * 1000);
    EXPECT_LE(longest, kBoundSeconds + 0.3);
    // The tick went on: the clock labels showed one new second after another.
    std::set<std::string> dateTimes;
    for (const std::string& text : program.drawn.Drawn())
        if (text.find('/') != std::string::npos && text.find(':') != std::string::npos)
            dateTimes.insert(text);
    EXPECT_GE(dateTimes.size(), 4u) << program.drawn.Recent();
    EXPECT_TRUE(program.WinampArmed());

    ASSERT_TRUE(WaitFor([] { return VisibleWindow("Confirm") != nullptr; }));
    CancelConfirmation();
}
