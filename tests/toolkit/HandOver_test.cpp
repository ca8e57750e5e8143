#include "toolkit/HandOver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "support/MessagePump.h"
#include "toolkit/Application.h"

namespace {

using namespace std::chrono_literals;
constexpr auto kPatience = 5s; // a worker that is not back by then hangs
constexpr auto kPatienceMs = static_cast<DWORD>(std::chrono::milliseconds(kPatience).count());
constexpr auto kStillBlocked = 100ms; // long enough for a worker to get into its wait

// Pumps the window thread's messages until the worker's answer is in.
bool PumpUntil(std::future<bool>& answer) {
    return test_support::PumpUntil([&] { return answer.wait_for(0s) == std::future_status::ready; },
                                   kPatienceMs);
}

TEST(HandOver, RunsTheCallOnTheWindowThreadAndWaitsForIt) {
    const DWORD windowThread = GetCurrentThreadId();
    DWORD ranOn = 0;
    int calls = 0;
    tk::HandOver handOver([&] {
        ranOn = GetCurrentThreadId();
        ++calls;
    });
    auto answer = std::async(std::launch::async, [&] { return handOver.Run(); });
    ASSERT_TRUE(PumpUntil(answer));
    EXPECT_TRUE(answer.get());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ranOn, windowThread);
}

TEST(HandOver, CancelReleasesAWaitingWorkerAndDropsItsCall) {
    int calls = 0;
    tk::HandOver handOver([&] { ++calls; });
    auto answer = std::async(std::launch::async, [&] { return handOver.Run(); });
    // No messages are pumped: the worker waits for a call that never runs.
    EXPECT_EQ(answer.wait_for(kStillBlocked), std::future_status::timeout);
    handOver.Cancel();
    ASSERT_EQ(answer.wait_for(kPatience), std::future_status::ready);
    EXPECT_FALSE(answer.get());
    tk::Application::Instance().ProcessMessages(); // the call still queued
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(handOver.Run()) << "a cancelled hand-over refuses at once";
}

// What a timer is to its hand-over: it owns it and the worker that calls
// Run(), and on destruction cancels, then waits for the worker to end.
struct Owner {
    explicit Owner(std::function<void()> call) : handOver(std::move(call)) {
        worker = std::thread([this] { answer = handOver.Run(); });
    }
    ~Owner() {
        handOver.Cancel();
        worker.join();
    }
    tk::HandOver handOver;
    std::atomic<bool> answer{true};
    std::thread worker; // last: started once the rest is in place
};

TEST(HandOver, ACallMayDestroyTheOwnerOfItsHandOver) {
    int calls = 0;
    bool workerWaited = false;
    std::unique_ptr<Owner> owner;
    owner = std::make_unique<Owner>([&] {
        ++calls;
        workerWaited = owner->answer; // Run() has not returned yet
        owner.reset();                // cancels, joins the worker, ends the hand-over
    });
    EXPECT_TRUE(test_support::PumpUntil([&] { return owner == nullptr; }, kPatienceMs))
        << "the call never ran";
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(workerWaited);
}

} // namespace
