// The synchronisation with its worker thread, against the loopback server,
// with the window played by a recorder whose thread runs a message loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LoopbackTimeServer.h"
#include "support/MessagePump.h"
#include "SyncWordingForTests.h"
#include "clocksync/ClockSync.h"
#include "clocksync/LocalClock.h"

using namespace clocksync;

namespace {

using test_support::PumpFor;
using test_support::PumpUntil;

class RecordingWindow : public IClockSyncWindow {
public:
    std::vector<std::string> labels;
    std::vector<std::string> reports;
    bool buttonEnabled = true;
    int ticks = 0;
    core::TDateTime now = 0.0;

    void EnableSyncButton(bool enabled) override { buttonEnabled = enabled; }
    void ShowAttempt(const std::string& text) override { labels.push_back(text); }
    void PostReport(const std::string& report) override { reports.push_back(report); }
    void RunTick() override { ++ticks; }
    core::TDateTime Now() override { return now; }
};

class ClockSyncTest : public ::testing::Test {
protected:
    RecordingWindow window;
    std::vector<core::TDateTime> clockSetTo;
    ClockSetResult setResult{true, ""};
    std::unique_ptr<TClockSync> sync = std::make_unique<TClockSync>(window, [this](core::TDateTime t) {
        clockSetTo.push_back(t);
        return setResult;
    });

    void Aim(std::int32_t port) {
        sync->IdTimeSync().SetPort(port);
        sync->IdTimeSync().SetTimeout(kShortTimeoutMs);
    }
    bool StartAt(const std::string& host) { return sync->Start(host, EnglishSyncWording()); }
    bool WaitForEnd() {
        return PumpUntil([this] { return !sync->Running(); });
    }
    // A synchronisation waiting on a server that accepted and stays silent.
    void StartAgainstSilent(const LoopbackTimeServer& server) {
        Aim(server.Port());
        sync->IdTimeSync().SetTimeout(kDefaultTimeoutMs);
        ASSERT_TRUE(StartAt(server.Host()));
        ASSERT_TRUE(PumpUntil([&] { return server.Connections() == 1; }));
    }
};

} // namespace

TEST_F(ClockSyncTest, StopDuringAnAttemptEndsAtOnceWithoutReport) {
    LoopbackTimeServer server({{Hold()}});
    StartAgainstSilent(server);
    const auto start = Clock::now();
    sync->Stop();
    EXPECT_LT(MsSince(start), 300);
    EXPECT_FALSE(sync->Running());
    PumpFor(200);
    EXPECT_TRUE(window.reports.empty());
    EXPECT_TRUE(clockSetTo.empty());
    EXPECT_EQ(window.ticks, 0);
    EXPECT_TRUE(window.buttonEnabled);
    EXPECT_FALSE(sync->IdTimeSync().HasOpenSocket());
}

TEST_F(ClockSyncTest, DestroyingDuringAnAttemptEndsAtOnceAndTouchesNothing) {
    LoopbackTimeServer server({{Hold()}});
    StartAgainstSilent(server);
    const auto labels = window.labels;
    const auto start = Clock::now();
    sync.reset();
    EXPECT_LT(MsSince(start), 300);
    PumpFor(200);
    EXPECT_EQ(window.labels, labels);
    EXPECT_TRUE(window.reports.empty());
    EXPECT_TRUE(clockSetTo.empty());
    EXPECT_FALSE(window.buttonEnabled) << "the window was not touched";
}

TEST_F(ClockSyncTest, StopWhileResolvingEndsAtOnce) {
    // A name server that would take seconds; the stop must not wait for it.
    sync->IdTimeSync().SetResolver([](const std::string&, std::int32_t, HANDLE abort, DWORD timeoutMs) {
        WaitForSingleObject(abort, timeoutMs);
        return std::vector<ResolvedAddress>{};
    });
    ASSERT_TRUE(StartAt("slow.example"));
    PumpFor(100);
    const auto start = Clock::now();
    sync->Stop();
    EXPECT_LT(MsSince(start), 300);
    EXPECT_TRUE(window.reports.empty());
}

// The report names the server and, in the user's words, why its last exchange failed.
TEST_F(ClockSyncTest, AFailureReportSaysWhyTheLastAttemptFailed) {
    struct Case {
        const char* name;
        std::vector<ConnectionScript> scripts; // none: nothing listens
        const char* reason;
    };
    const Case cases[] = {
        {"refused", {}, " refused the connection."},
        {"silent", {{Hold()}}, " did not answer in time."},
        {"closed at once", {{}}, " closed the connection without sending the time."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.reports.clear();
        std::optional<LoopbackTimeServer> server;
        if (c.scripts.empty()) {
            Aim(RefusingLoopbackPort());
        } else {
            server.emplace(c.scripts);
            Aim(server->Port());
        }
        ASSERT_TRUE(StartAt("127.0.0.1"));
        ASSERT_TRUE(WaitForEnd());
        EXPECT_EQ(window.reports, std::vector<std::string>{"Failed to adjust...\nTime server 127.0.0.1" +
                                                           std::string(c.reason)});
    }
}

TEST_F(ClockSyncTest, RunsAgainAfterItEnded) {
    LoopbackTimeServer server({{Send(WireBytes(kOct2012))}, {Send(WireBytes(0))}});
    Aim(server.Port());
    window.now = 41183.5 - LocalZoneOffset();
    ASSERT_TRUE(StartAt(server.Host()));
    ASSERT_TRUE(WaitForEnd());
    ASSERT_TRUE(StartAt(server.Host()));
    ASSERT_TRUE(WaitForEnd());
    const std::vector<std::string> reports = {
        "Clock match! The clock is right.",
        "Failed to adjust...\nTime server 127.0.0.1 closed the connection without sending the time."};
    EXPECT_EQ(window.reports, reports);
    EXPECT_EQ(clockSetTo.size(), 1u);
}
