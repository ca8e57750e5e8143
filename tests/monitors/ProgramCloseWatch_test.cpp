// The program-closes watch on the thread pool. Processes are stood in for by
// events, which are waited on alike, so a test can end any number of them in
// any order; the real processes come in the end-to-end tests.
#include "monitors/ProgramCloseWatch.h"

#include <gtest/gtest.h>

#include "FakeProcesses.h"

namespace {

using monitors::ProcessId;
using monitors::ProgramArming;
using monitors::ProgramWatchEvent;
using test_support::FakeSession;
using test_support::Listener;

using test_support::kEnded;
using test_support::kPromptly;
using test_support::kQuiet;

TEST(ProgramCloseWatch, WaitsForMoreThanOneWaitCanHoldAndHandsOverBeforeFiring) {
    FakeSession session;
    constexpr ProcessId kJobs = 100; // beyond the 64 handles of one wait
    for (ProcessId id = 1; id <= kJobs; ++id) session.Run(id, "job.exe");
    session.Run(500, "other.exe");
    Listener listener;
    monitors::ProgramCloseWatch watch(listener.Handle(), kEnded, session.Access());
    ASSERT_EQ(watch.Arm({"JOB.exe", std::nullopt}), ProgramArming::Armed);
    EXPECT_EQ(watch.Watched(), kJobs);

    for (ProcessId id = kJobs; id >= 2; --id) session.End(id);
    EXPECT_FALSE(listener.Next(kQuiet)) << "one is left";
    session.Run(200, "Job.exe"); // the job hands over
    session.End(1);
    const std::optional<WPARAM> first = listener.Next(kPromptly);
    ASSERT_TRUE(first);
    EXPECT_EQ(watch.WatchEnded(*first), ProgramWatchEvent::Waiting);
    EXPECT_EQ(watch.Watched(), 1u);
    EXPECT_EQ(watch.WatchEnded(*first), ProgramWatchEvent::Stale) << "an old watch's message";

    session.End(200);
    const std::optional<WPARAM> last = listener.Next(kPromptly);
    ASSERT_TRUE(last);
    EXPECT_EQ(watch.WatchEnded(*last), ProgramWatchEvent::Due);
    EXPECT_FALSE(watch.Armed());
}

TEST(ProgramCloseWatch, WhatCannotBeWatchedIsRefusedAndNeverFires) {
    struct Case {
        const char* what;
        monitors::ProgramChoice choice;
        ProgramArming arming;
    };
    const Case cases[] = {
        {"nothing of the name", {"setup.exe", std::nullopt}, ProgramArming::NotRunning},
        {"another user's or elevated", {"admin.exe", std::nullopt}, ProgramArming::CannotWatch},
        {"chosen, then ended", {"job.exe", 3}, ProgramArming::NotRunning},
    };
    for (const Case& c : cases) {
        FakeSession session;
        session.Run(1, "job.exe");
        session.Run(2, "admin.exe");
        session.Refuse(2);
        Listener listener;
        monitors::ProgramCloseWatch watch(listener.Handle(), kEnded, session.Access());
        EXPECT_EQ(watch.Arm(c.choice), c.arming) << c.what;
        EXPECT_FALSE(watch.Armed()) << c.what;
        EXPECT_FALSE(listener.Next(kQuiet)) << c.what;
    }

    // A hand-over to a process that cannot be watched disarms without firing.
    FakeSession session;
    session.Run(1, "job.exe");
    Listener listener;
    monitors::ProgramCloseWatch watch(listener.Handle(), kEnded, session.Access());
    ASSERT_EQ(watch.Arm({"job.exe", std::nullopt}), ProgramArming::Armed);
    session.Run(2, "job.exe");
    session.Refuse(2);
    session.End(1);
    const std::optional<WPARAM> ended = listener.Next(kPromptly);
    ASSERT_TRUE(ended);
    EXPECT_EQ(watch.WatchEnded(*ended), ProgramWatchEvent::Lost);
    EXPECT_FALSE(watch.Armed());
}

} // namespace
