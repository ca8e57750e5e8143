// Sync (F2) through the real main window: the server list, the attempts and
// their label, the report in the message dialog, closing and a second F2.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "../clocksync/LoopbackTimeServer.h"
#include "support/MessagePump.h"
#include "MainFormTestSupport.h"
#include "clocksync/IdTime.h"
#include "clocksync/LocalClock.h"
#include "dialogs/messageUnit.h"
#include "toolkit/Application.h"
#include "toolkit/SystemError.h"
#include "ui/XiButton.h"

namespace {

using test_support::PumpFor;
using test_support::PumpUntil;

constexpr double kSecond = 1.0 / core::SecondsPerDay;

// Answers every message dialog from inside its own modal loop: notes its text
// and what the attempt label showed meanwhile, then closes it. A confirmation
// of the power action is answered with Ok.
class MessageDialogCloser {
public:
    struct Seen {
        std::string text;
        std::string attemptLabel;
    };
    explicit MessageDialogCloser(TMainForm& form) {
        Form() = &form;
        Log().clear();
        timer_ = SetTimer(nullptr, 0, kPollMs, &MessageDialogCloser::Poll);
    }
    ~MessageDialogCloser() {
        KillTimer(nullptr, timer_);
        Form() = nullptr;
    }
    MessageDialogCloser(const MessageDialogCloser&) = delete;
    MessageDialogCloser& operator=(const MessageDialogCloser&) = delete;
    static std::vector<Seen>& Log() {
        static std::vector<Seen> log;
        return log;
    }

private:
    static constexpr UINT kPollMs = 20;
    static TMainForm*& Form() {
        static TMainForm* form = nullptr;
        return form;
    }
    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
        if (HWND c = FindWindowA(nullptr, "Confirm"); c && IsWindowVisible(c))
            if (auto* confirm = dynamic_cast<tk::Form*>(tk::WinControl::FromHandle(c)))
                confirm->SetModalResult(tk::mrOk);
        HWND w = FindWindowA(nullptr, "Message");
        if (!w || !IsWindowVisible(w) || !Form()) return;
        auto* dialog = dynamic_cast<TMyMessageDlg*>(tk::WinControl::FromHandle(w));
        if (!dialog || dialog->ModalResult() != tk::mrNone) return;
        Log().push_back({dialog->MessageLabel->Caption(), Form()->AttemptLabel->Caption()});
        dialog->SetModalResult(tk::mrOk);
    }
    UINT_PTR timer_;
};

class ClockSyncWindowTest : public MainFormFixture {
protected:
    // The report is read from the real message dialog, as the user sees it.
    ClockSyncWindowTest() { realMessageDialog = true; }
    std::vector<std::string> labels;

    void CreateAimedAt(const std::string& host, std::int32_t port) {
        WriteServerList("*" + host + " ; the test's own server\r\n");
        Create();
        form->IdTimeSync().SetPort(port);
        form->IdTimeSync().SetTimeout(kShortTimeoutMs);
    }
    // Runs the window's messages until the synchronisation has ended, noting
    // each new text of the attempt label.
    bool RunSync() {
        PostMessageA(form->Handle(), WM_CLOCK_SYNC, 0, 0);
        return PumpUntil([this] {
            const std::string label = form->AttemptLabel->Caption();
            if (!label.empty() && (labels.empty() || labels.back() != label)) labels.push_back(label);
            return !form->ClockSyncRunning() && !MessageDialogCloser::Log().empty();
        });
    }
    // A synchronisation waiting on a server that accepted and stays silent.
    void StartAgainstSilent(const LoopbackTimeServer& server) {
        CreateAimedAt(server.Host(), server.Port());
        form->IdTimeSync().SetTimeout(clocksync::kDefaultTimeoutMs);
        PostMessageA(form->Handle(), WM_CLOCK_SYNC, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return server.Connections() == 1; }));
    }
    void PressF2() {
        form->Show();
        SetForegroundWindow(form->Handle());
        MSG msg{form->Handle(), WM_KEYDOWN, VK_F2, 0, 0, {}};
        tk::Application::Instance().ProcessMessage(msg);
        PumpFor(20);
    }
    std::string Report() const {
        return MessageDialogCloser::Log().empty() ? "" : MessageDialogCloser::Log().back().text;
    }
};

} // namespace

TEST_F(ClockSyncWindowTest, ServerListChoosesTheHostAndTheHintShowsIt) {
    WriteServerList("*alpha\r\nbeta\r\n*gamma;x\r\n");
    Create();
    EXPECT_EQ(form->TimeServerHost, "gamma");
    EXPECT_EQ(form->NetTimeSpeedButton->Hint(), " gamma");
}

TEST_F(ClockSyncWindowTest, ReportsSlowRightAndFast) {
    struct Case {
        double nowMinusServerSeconds;
        const char* report;
    } const cases[] = {
        {-2.3456, "Clock match! The clock was 2.346 seconds slow."},
        {0.0004, "Clock match! The clock is right."},
        {61.25, "Clock match! The clock was 61.250 seconds fast."},
    };
    for (const Case& c : cases) {
        LoopbackTimeServer server({{Send(WireBytes(kOct2012))}});
        CreateAimedAt(server.Host(), server.Port());
        const core::TDateTime serverTime = 41183.5 - clocksync::LocalZoneOffset();
        now = serverTime + c.nowMinusServerSeconds * kSecond;
        MessageDialogCloser closer(*form);
        ASSERT_TRUE(RunSync());
        EXPECT_EQ(Report(), c.report);
        ASSERT_EQ(clockSetTo.size(), 1u);
        EXPECT_NEAR(clockSetTo[0], serverTime, 1e-9);
        EXPECT_EQ(form->AttemptLabel->Caption(), "") << "emptied when the report is closed";
        EXPECT_TRUE(form->NetTimeSpeedButton->Enabled());
        clockSetTo.clear();
        form.reset();
    }
}

TEST_F(ClockSyncWindowTest, AnswerOnTheThirdAttempt) {
    LoopbackTimeServer server({{}, {}, {Send(WireBytes(kOct2012))}});
    CreateAimedAt(server.Host(), server.Port());
    MessageDialogCloser closer(*form);
    ASSERT_TRUE(RunSync());
    const std::vector<std::string> sequence = {"Attempt 1 of 10", "Attempt 2 of 10", "Attempt 3 of 10"};
    EXPECT_EQ(labels, sequence);
    ASSERT_EQ(MessageDialogCloser::Log().size(), 1u);
    EXPECT_EQ(MessageDialogCloser::Log()[0].attemptLabel, "Attempt 3 of 10")
        << "while the report is on screen";
    EXPECT_EQ(form->AttemptLabel->Caption(), "");
}

TEST_F(ClockSyncWindowTest, TenRefusedConnectionsFailToAdjust) {
    CreateAimedAt("127.0.0.1", RefusingLoopbackPort());
    MessageDialogCloser closer(*form);
    ASSERT_TRUE(RunSync());
    EXPECT_EQ(Report(), "Failed to adjust...\nTime server 127.0.0.1 refused the connection.");
    EXPECT_EQ(labels.back(), "Attempt 10 of 10");
    EXPECT_TRUE(clockSetTo.empty());
}

TEST_F(ClockSyncWindowTest, RefusedClockSaysSoWithTheSystemsReason) {
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "would set the clock";
    LoopbackTimeServer server({{Send(WireBytes(kOct2012))}});
    useRealClockSetter = true; // Wine refuses to move its clock to 2012
    CreateAimedAt(server.Host(), server.Port());
    now = 41183.5 - clocksync::LocalZoneOffset() - 2.3456 * kSecond;
    MessageDialogCloser closer(*form);
    ASSERT_TRUE(RunSync());
    EXPECT_EQ(Report(), "The clock was not set: " + SystemErrorMessage(ERROR_PRIVILEGE_NOT_HELD) +
                            " The clock was 2.346 seconds slow.");
}

TEST_F(ClockSyncWindowTest, ClosingDuringAnAttemptEndsAtOnceWithoutReport) {
    LoopbackTimeServer server({{Hold()}});
    StartAgainstSilent(server);
    MessageDialogCloser closer(*form);
    const auto start = Clock::now();
    form->Close();
    EXPECT_LT(MsSince(start), 500);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    PumpFor(300);
    EXPECT_TRUE(MessageDialogCloser::Log().empty());
    EXPECT_TRUE(clockSetTo.empty());
    EXPECT_EQ(form->AttemptLabel->Caption(), "");
    EXPECT_FALSE(form->ClockSyncRunning());
    EXPECT_FALSE(form->IdTimeSync().HasOpenSocket());
}

TEST_F(ClockSyncWindowTest, ConfirmedPowerActionStopsASync) {
    LoopbackTimeServer server({{Hold()}});
    StartAgainstSilent(server);
    MessageDialogCloser closer(*form);
    SendMessageA(form->Handle(), WM_POWER_ACTION, 0, 0);
    EXPECT_FALSE(form->ClockSyncRunning());
    EXPECT_EQ(power->calls, (std::vector<Call>{kPrivilege, Exit(EWX_POWEROFF | EWX_FORCE)}));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    PumpFor(200);
    EXPECT_TRUE(MessageDialogCloser::Log().empty());
    EXPECT_TRUE(clockSetTo.empty());
}

TEST_F(ClockSyncWindowTest, SecondF2DuringAQueryIsIgnored) {
    LoopbackTimeServer server({{Pause(300), Send(WireBytes(kOct2012))}});
    CreateAimedAt(server.Host(), server.Port());
    form->IdTimeSync().SetTimeout(clocksync::kDefaultTimeoutMs);
    MessageDialogCloser closer(*form);
    PressF2();
    EXPECT_FALSE(form->NetTimeSpeedButton->Enabled());
    PressF2();
    ASSERT_TRUE(PumpUntil([&] { return !MessageDialogCloser::Log().empty() && !form->ClockSyncRunning(); }));
    PumpFor(200);
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(MessageDialogCloser::Log().size(), 1u);
}

TEST_F(ClockSyncWindowTest, TheTickKeepsRunningDuringASync) {
    // A server that never answers: a window that waited on the network would
    // miss its ticks for a whole read time-out of 2.5 s.
    LoopbackTimeServer server({{Hold()}});
    CreateAimedAt(server.Host(), server.Port());
    form->IdTimeSync().SetTimeout(clocksync::kDefaultTimeoutMs);
    std::vector<Clock::time_point> ticks;
    onNow = [&] { ticks.push_back(Clock::now()); };
    MessageDialogCloser closer(*form);
    form->SystemTimePingTimer.SetEnabled(true);
    PostMessageA(form->Handle(), WM_CLOCK_SYNC, 0, 0);
    PumpFor(3000);
    form->SystemTimePingTimer.SetEnabled(false);
    EXPECT_TRUE(form->ClockSyncRunning());
    form->StopClockSync();
    ASSERT_GE(ticks.size(), 8u);
    long long longest = 0;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        longest = std::max<long long>(
            longest, std::chrono::duration_cast<std::chrono::milliseconds>(ticks[i] - ticks[i - 1]).count());
    std::printf("longest gap between ticks during a Sync: %lld ms (%zu ticks)\n", longest, ticks.size());
    EXPECT_LT(longest, 250 + 250);
}
