#include "toolkit/AsyncTimer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/Error.h"
#include "support/MessagePump.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Event.h"

namespace {

using Clock = std::chrono::steady_clock;

// Bounds that hold on a busy two-core machine: a kernel wait may end a little
// before its time-out (timer resolution), and a tick may come well after it.
constexpr long kEarlyMs = 20;
constexpr long kLateMs = 120;
constexpr DWORD kPatienceMs = 3000;   // for conditions that should come true much sooner
constexpr DWORD kHangLimitMs = 20000; // a test running this long has deadlocked

long MsBetween(Clock::time_point from, Clock::time_point to) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count());
}

long MsSince(Clock::time_point start) { return MsBetween(start, Clock::now()); }

using test_support::PumpFor;
using test_support::PumpUntil;

// Waits without running messages until the worker has handed a tick over and
// is blocked waiting for it.
bool WaitForQueuedTick() {
    constexpr DWORD kPollMs = 5;
    const auto start = Clock::now();
    while (!(HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE)) {
        if (MsSince(start) > static_cast<long>(kPatienceMs)) return false;
        Sleep(kPollMs);
    }
    return true;
}

void ExpectAbout(long ms, long expected) {
    EXPECT_GE(ms, expected - kEarlyMs);
    EXPECT_LE(ms, expected + kLateMs);
}

// Presses OK in a message box of this thread.
BOOL CALLBACK ConfirmDialog(HWND window, LPARAM) {
    constexpr char kDialogClass[] = "#32770";
    char name[sizeof kDialogClass + 1] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == kDialogClass) PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

// Records when each tick came.
struct TickLog {
    std::vector<Clock::time_point> times;
    std::size_t Count() const { return times.size(); }
    void Attach(tk::TAsyncTimer& timer, std::function<void(tk::TAsyncTimer&)> also = {}) {
        timer.SetOnTimer([this, also](tk::TAsyncTimer& sender) {
            times.push_back(Clock::now());
            if (also) also(sender);
        });
    }
    bool WaitFor(std::size_t n) {
        return PumpUntil([&] { return Count() >= n; }, kPatienceMs);
    }
};

// Ends the run with a message instead of letting a deadlocked test hang for ever.
class HangGuard {
public:
    HangGuard()
        : finished_(tk::CreateEventHandle(tk::EventReset::Manual)), watcher_([this] {
              if (WaitForSingleObject(finished_.Get(), kHangLimitMs) == WAIT_TIMEOUT) {
                  std::fputs("Test hung: deadlock in the thread timer\n", stderr);
                  std::_Exit(EXIT_FAILURE);
              }
          }) {}
    ~HangGuard() {
        SetEvent(finished_.Get());
        watcher_.join();
    }

private:
    tk::KernelHandle finished_;
    std::thread watcher_;
};

class AsyncTimerTest : public ::testing::Test {
protected:
    void TearDown() override {
        tk::SetErrorBoxHook({});
        tk::Application::Instance().ProcessMessages();
    }
    HangGuard guard_;
    TickLog log_;
};

TEST_F(AsyncTimerTest, FirstTickComesOneIntervalAfterEnabling) {
    tk::TAsyncTimer timer;
    timer.SetInterval(250);
    log_.Attach(timer);
    const auto enabled = Clock::now();
    timer.SetEnabled(true);
    ASSERT_TRUE(log_.WaitFor(1));
    ExpectAbout(MsBetween(enabled, log_.times[0]), 250);
}

TEST_F(AsyncTimerTest, SlowHandlerSpacesTicksByIntervalPlusHandlerTime) {
    tk::TAsyncTimer timer;
    timer.SetInterval(250);
    log_.Attach(timer, [](tk::TAsyncTimer&) { Sleep(100); });
    timer.SetEnabled(true);
    ASSERT_TRUE(log_.WaitFor(5));
    for (std::size_t i = 1; i < log_.Count(); ++i) {
        SCOPED_TRACE("gap before tick " + std::to_string(i));
        ExpectAbout(MsBetween(log_.times[i - 1], log_.times[i]), 350);
    }
}

TEST_F(AsyncTimerTest, IntervalChangeWaitsForTheWaitUnderWay) {
    tk::TAsyncTimer timer;
    timer.SetInterval(400);
    log_.Attach(timer);
    const auto enabled = Clock::now();
    timer.SetEnabled(true);
    PumpFor(100);
    timer.SetInterval(100);
    ASSERT_TRUE(log_.WaitFor(3));
    ExpectAbout(MsBetween(enabled, log_.times[0]), 400);
    ExpectAbout(MsBetween(log_.times[1], log_.times[2]), 100);
}

TEST_F(AsyncTimerTest, ReenablingRestartsTheInterval) {
    tk::TAsyncTimer timer;
    timer.SetInterval(250);
    log_.Attach(timer);
    timer.SetEnabled(true);
    PumpFor(50);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    const auto reenabled = Clock::now();
    ASSERT_TRUE(log_.WaitFor(1));
    ExpectAbout(MsBetween(reenabled, log_.times[0]), 250);
}

// The worker has already handed a tick over when the timer is switched; the
// window thread only sees it afterwards.
TEST_F(AsyncTimerTest, TickQueuedBeforeASwitchIsDropped) {
    tk::TAsyncTimer timer;
    timer.SetInterval(100);
    log_.Attach(timer);
    timer.SetEnabled(true);
    ASSERT_TRUE(WaitForQueuedTick());
    timer.SetEnabled(false);
    PumpFor(300);
    EXPECT_EQ(log_.Count(), 0u) << "tick delivered to a disabled timer";

    timer.SetEnabled(true);
    ASSERT_TRUE(WaitForQueuedTick());
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    const auto reenabled = Clock::now();
    ASSERT_TRUE(log_.WaitFor(1));
    ExpectAbout(MsBetween(reenabled, log_.times[0]), 100);
}

// Parked after a tick, the timer's next interval runs out while nobody waits
// for it; enabling again must still wait a full interval.
TEST_F(AsyncTimerTest, IntervalThatRanOutWhileParkedBringsNoTick) {
    tk::TAsyncTimer timer;
    timer.SetInterval(100);
    log_.Attach(timer);
    timer.SetEnabled(true);
    ASSERT_TRUE(log_.WaitFor(1));
    PumpFor(30);
    timer.SetEnabled(false);
    PumpFor(250);
    timer.SetEnabled(true);
    const auto reenabled = Clock::now();
    ASSERT_TRUE(log_.WaitFor(2));
    ExpectAbout(MsBetween(reenabled, log_.times[1]), 100);
}

TEST_F(AsyncTimerTest, HandlerCanDisableAndLaterResumeItsTimer) {
    tk::TAsyncTimer timer;
    timer.SetInterval(100);
    log_.Attach(timer, [](tk::TAsyncTimer& sender) { sender.SetEnabled(false); });
    timer.SetEnabled(true);
    PumpFor(400);
    EXPECT_EQ(log_.Count(), 1u);
    EXPECT_FALSE(timer.Enabled());

    timer.SetEnabled(true);
    const auto reenabled = Clock::now();
    ASSERT_TRUE(log_.WaitFor(2));
    ExpectAbout(MsBetween(reenabled, log_.times[1]), 100);
}

TEST_F(AsyncTimerTest, ZeroIntervalMeansNoTicks) {
    tk::TAsyncTimer timer;
    timer.SetInterval(0);
    log_.Attach(timer);
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    PumpFor(400);
    EXPECT_EQ(log_.Count(), 0u);

    // A real interval on an enabled timer starts it; 0 again stops it.
    timer.SetInterval(100);
    const auto started = Clock::now();
    ASSERT_TRUE(log_.WaitFor(1));
    ExpectAbout(MsBetween(started, log_.times[0]), 100);
    timer.SetInterval(0);
    const auto ticks = log_.Count();
    PumpFor(400);
    EXPECT_EQ(log_.Count(), ticks);
}

TEST_F(AsyncTimerTest, FailingHandlerIsReportedOnceAndTheTimerGoesOn) {
    std::vector<std::string> reports;
    std::size_t ticksWhileBoxOpen = 0;
    // Stands for the modal error box: it runs its own message loop for a while.
    tk::SetErrorBoxHook([&](const std::string& text) {
        reports.push_back(text);
        const auto before = log_.Count();
        PumpFor(350);
        ticksWhileBoxOpen = log_.Count() - before;
    });
    tk::TAsyncTimer timer;
    timer.SetInterval(100);
    log_.Attach(timer, [&](tk::TAsyncTimer&) {
        if (log_.Count() == 1) throw core::Error("Tick failed");
    });
    timer.SetEnabled(true);
    ASSERT_TRUE(log_.WaitFor(3));
    EXPECT_EQ(reports, std::vector<std::string>{"Tick failed"});
    EXPECT_EQ(ticksWhileBoxOpen, 0u);
}

TEST_F(AsyncTimerTest, TicksContinueInsideAMessageBox) {
    tk::TAsyncTimer timer;
    timer.SetInterval(100);
    log_.Attach(timer, [&](tk::TAsyncTimer&) {
        if (log_.Count() != 3) return;
        EnumThreadWindows(GetCurrentThreadId(), &ConfirmDialog, 0);
    });
    timer.SetEnabled(true);
    const auto shown = Clock::now();
    EXPECT_EQ(MessageBoxA(nullptr, "Waiting for three ticks", "Timer test", MB_OK), IDOK);
    EXPECT_GE(log_.Count(), 3u);
    EXPECT_LE(MsSince(shown), 3 * (100 + kLateMs));
}

// Each case leaves a timer in one state; destroying it must end the worker at
// once and no tick may follow.
TEST_F(AsyncTimerTest, DestructionInEveryStateEndsQuietly) {
    constexpr DWORD kInterval = 100;
    constexpr long kPromptMs = 500;
    const std::vector<std::pair<const char*, std::function<void(tk::TAsyncTimer&)>>> states = {
        {"never enabled", [](tk::TAsyncTimer&) { PumpFor(kInterval * 2); }},
        {"disabled after ticking",
         [&](tk::TAsyncTimer& t) {
             t.SetEnabled(true);
             ASSERT_TRUE(log_.WaitFor(1));
             t.SetEnabled(false);
         }},
        {"enabled, mid-interval",
         [](tk::TAsyncTimer& t) {
             t.SetEnabled(true);
             PumpFor(kInterval / 2);
         }},
        {"enabled, worker waiting for a queued tick",
         [](tk::TAsyncTimer& t) {
             t.SetEnabled(true);
             ASSERT_TRUE(WaitForQueuedTick());
         }},
    };
    for (const auto& [name, prepare] : states) {
        SCOPED_TRACE(name);
        auto timer = std::make_unique<tk::TAsyncTimer>();
        timer->SetInterval(kInterval);
        log_.Attach(*timer);
        prepare(*timer);
        const auto ticks = log_.Count();
        const auto destroying = Clock::now();
        timer.reset();
        EXPECT_LE(MsSince(destroying), kPromptMs);
        PumpFor(kInterval * 3);
        EXPECT_EQ(log_.Count(), ticks);
    }
}

TEST_F(AsyncTimerTest, HandlerCanDestroyItsOwnTimer) {
    auto timer = std::make_unique<tk::TAsyncTimer>();
    timer->SetInterval(50);
    log_.Attach(*timer, [&](tk::TAsyncTimer&) { timer.reset(); });
    timer->SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return !timer; }, kPatienceMs));
    PumpFor(200);
    EXPECT_EQ(log_.Count(), 1u);
}

} // namespace
