#include "toolkit/PostedCall.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/Error.h"
#include "support/MessagePump.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"

namespace {

using test_support::PumpUntil;

TEST(PostedCall, RunsEachPostedCallOnTheWindowThreadInOrderWithItsTag) {
    const DWORD windowThread = GetCurrentThreadId();
    std::vector<WPARAM> tags;
    std::vector<DWORD> threads;
    tk::PostedCall call([&](WPARAM tag) {
        tags.push_back(tag);
        threads.push_back(GetCurrentThreadId());
    });
    bool posted = false;
    std::thread worker([&] { posted = call.Post(7) && call.Post(8) && call.Post(9); });
    worker.join(); // posting does not wait for the calls
    EXPECT_TRUE(posted);
    EXPECT_TRUE(tags.empty());
    ASSERT_TRUE(PumpUntil([&] { return tags.size() == 3; }));
    EXPECT_EQ(tags, (std::vector<WPARAM>{7, 8, 9}));
    for (DWORD t : threads) EXPECT_EQ(t, windowThread);
}

TEST(PostedCall, CallsStillQueuedWhenItEndsAreDropped) {
    int calls = 0;
    auto call = std::make_unique<tk::PostedCall>([&](WPARAM) { ++calls; });
    ASSERT_TRUE(call->Post(1));
    call.reset();
    tk::Application::Instance().ProcessMessages();
    EXPECT_EQ(calls, 0);
}

TEST(PostedCall, ACallMayEndItsOwnPostedCallAndTheRestOfTheQueueWithIt) {
    int calls = 0;
    std::unique_ptr<tk::PostedCall> call;
    call = std::make_unique<tk::PostedCall>([&](WPARAM) {
        ++calls;
        call.reset();
    });
    ASSERT_TRUE(call->Post(1));
    ASSERT_TRUE(call->Post(2));
    ASSERT_TRUE(PumpUntil([&] { return call == nullptr; }));
    tk::Application::Instance().ProcessMessages();
    EXPECT_EQ(calls, 1);
}

TEST(PostedCall, AFailingCallIsReportedAndTheNextOneRuns) {
    std::vector<std::string> errors;
    tk::SetErrorBoxHook([&](const std::string& text) { errors.push_back(text); });
    int calls = 0;
    tk::PostedCall call([&](WPARAM tag) {
        ++calls;
        if (tag == 1) throw core::Error("first call failed");
    });
    call.Post(1);
    call.Post(2);
    EXPECT_TRUE(PumpUntil([&] { return calls == 2; }));
    tk::SetErrorBoxHook({});
    EXPECT_EQ(errors, (std::vector<std::string>{"first call failed"}));
}

} // namespace
