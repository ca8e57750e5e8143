// The synchronisation's steps, with the window and the exchanges played by fakes.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "SyncWordingForTests.h"
#include "clocksync/ClockSyncProcedure.h"

using namespace clocksync;

namespace {

constexpr double kSecond = 1.0 / core::SecondsPerDay;
const core::TDateTime kServer = core::EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);

// Records what the procedure does to the window and the engine, in order.
class Recorder : public IClockSyncWindow, public IClockSyncEngine {
public:
    std::vector<std::string> events;
    core::TDateTime now = kServer;
    ClockSetResult setResult{true, ""};
    std::vector<core::TDateTime> clockSetTo;
    bool failStart = false;
    bool failTick = false;

    void EnableSyncButton(bool enabled) override { events.push_back(enabled ? "enable" : "disable"); }
    void ShowAttempt(const std::string& text) override { events.push_back("label:" + text); }
    void PostReport(const std::string& report) override { events.push_back("report:" + report); }
    void RunTick() override {
        events.push_back("tick");
        if (failTick) throw std::runtime_error("tick failed");
    }
    core::TDateTime Now() override {
        events.push_back("now");
        return now;
    }
    void StartQuery() override {
        if (failStart) throw std::runtime_error("no thread");
        events.push_back("query");
    }
    void CancelQuery() override { events.push_back("cancel"); }
    ClockSetResult SetLocalClock(core::TDateTime value) override {
        events.push_back("set");
        clockSetTo.push_back(value);
        return setResult;
    }

    std::vector<std::string> Reports() const {
        std::vector<std::string> r;
        for (const auto& e : events)
            if (e.rfind("report:", 0) == 0) r.push_back(e.substr(7));
        return r;
    }
};

constexpr char kServerName[] = "time.example";

class ClockSyncProcedureTest : public ::testing::Test {
protected:
    Recorder rec;
    ClockSyncProcedure sync{rec, rec};

    void StartWith(char separator = '.') {
        ASSERT_TRUE(sync.Start(EnglishSyncWording(separator), kServerName));
    }
};

} // namespace

TEST_F(ClockSyncProcedureTest, FirstAnswerSetsTheClockAndReports) {
    StartWith();
    sync.QueryDone(kServer);
    const std::vector<std::string> expected = {"disable", "query", "label:Attempt 1 of 10",
                                               "now",     "set",   "report:Clock match! The clock is right.",
                                               "tick",    "enable"};
    EXPECT_EQ(rec.events, expected);
    EXPECT_EQ(rec.clockSetTo, std::vector<core::TDateTime>{kServer});
    EXPECT_FALSE(sync.Running());
}

TEST_F(ClockSyncProcedureTest, ReportSentences) {
    struct Case {
        double nowMinusServerSeconds;
        char separator;
        const char* report;
    } const cases[] = {
        {-2.3456, '.', "Clock match! The clock was 2.346 seconds slow."},
        {-2.3456, ',', "Clock match! The clock was 2,346 seconds slow."},
        {61.25, '.', "Clock match! The clock was 61.250 seconds fast."},
        {0.0004, '.', "Clock match! The clock is right."},
        {-0.0009, '.', "Clock match! The clock is right."},
        {0.0011, '.', "Clock match! The clock was 0.001 seconds fast."},
        {-3600.0, '.', "Clock match! The clock was 3600.000 seconds slow."},
    };
    for (const Case& c : cases) {
        Recorder r;
        r.now = kServer + c.nowMinusServerSeconds * kSecond;
        ClockSyncProcedure s(r, r);
        ASSERT_TRUE(s.Start(EnglishSyncWording(c.separator), kServerName));
        s.QueryDone(kServer);
        EXPECT_EQ(r.Reports(), std::vector<std::string>{c.report}) << c.nowMinusServerSeconds;
    }
}

TEST_F(ClockSyncProcedureTest, RefusedClockIsNotReportedAsAMatch) {
    rec.setResult = {false, "A required privilege is not held by the client."};
    rec.now = kServer - 2.3456 * kSecond;
    StartWith();
    sync.QueryDone(kServer);
    EXPECT_EQ(rec.Reports(),
              std::vector<std::string>{"The clock was not set: A required privilege is not held by "
                                       "the client. The clock was 2.346 seconds slow."});
}

TEST_F(ClockSyncProcedureTest, AnswerOnTheThirdAttempt) {
    StartWith();
    sync.QueryDone(std::nullopt);
    sync.QueryDone(std::nullopt);
    EXPECT_TRUE(sync.Running());
    sync.QueryDone(kServer);
    const std::vector<std::string> expected = {"disable",
                                               "query",
                                               "label:Attempt 1 of 10",
                                               "query",
                                               "label:Attempt 2 of 10",
                                               "query",
                                               "label:Attempt 3 of 10",
                                               "now",
                                               "set",
                                               "report:Clock match! The clock is right.",
                                               "tick",
                                               "enable"};
    EXPECT_EQ(rec.events, expected);
}

TEST_F(ClockSyncProcedureTest, TenFailuresReportFailure) {
    StartWith();
    for (int i = 0; i < kMaxAttempts - 1; ++i) sync.QueryDone(std::nullopt);
    sync.QueryDone(std::nullopt, QueryError("Read Timeout", QueryFailure::TimedOut));
    EXPECT_FALSE(sync.Running());
    EXPECT_EQ(sync.Attempt(), 10);
    EXPECT_TRUE(rec.clockSetTo.empty());
    EXPECT_EQ(rec.Reports(), std::vector<std::string>{
                                 "Failed to adjust...\nTime server time.example did not answer in time."});
    int queries = 0;
    for (const auto& e : rec.events) queries += e == "query";
    EXPECT_EQ(queries, 10);
    EXPECT_EQ(rec.events.back(), "enable");
    // A late result of a finished synchronisation changes nothing.
    const auto before = rec.events;
    sync.QueryDone(kServer);
    EXPECT_EQ(rec.events, before);
}

TEST_F(ClockSyncProcedureTest, AnswerOfZeroEndsTheAttemptsWithFailure) {
    StartWith();
    sync.QueryDone(0.0);
    EXPECT_EQ(sync.Attempt(), 1);
    EXPECT_TRUE(rec.clockSetTo.empty());
    EXPECT_EQ(rec.Reports(),
              std::vector<std::string>{"Failed to adjust...\nTime server time.example closed the "
                                       "connection without sending the time."});
}

TEST_F(ClockSyncProcedureTest, SecondStartWhileRunningIsIgnored) {
    StartWith();
    EXPECT_FALSE(sync.Start(EnglishSyncWording(), kServerName));
    const std::vector<std::string> expected = {"disable", "query"};
    EXPECT_EQ(rec.events, expected);
    sync.QueryDone(kServer);
    EXPECT_TRUE(sync.Start(EnglishSyncWording(), kServerName)) << "a finished synchronisation can run again";
}

TEST_F(ClockSyncProcedureTest, StopEndsWithoutReportOrClockChange) {
    StartWith();
    sync.QueryDone(std::nullopt);
    sync.Stop();
    sync.QueryDone(kServer); // an answer that raced the stop
    const std::vector<std::string> expected = {"disable", "query", "label:Attempt 1 of 10", "query", "cancel",
                                               "label:",  "enable"};
    EXPECT_EQ(rec.events, expected);
    EXPECT_TRUE(rec.Reports().empty());
    EXPECT_TRUE(rec.clockSetTo.empty());
}

TEST_F(ClockSyncProcedureTest, StopWhenIdleDoesNothing) {
    sync.Stop();
    EXPECT_TRUE(rec.events.empty());
}

TEST_F(ClockSyncProcedureTest, AnExchangeThatCannotStartLeavesTheWindowIdle) {
    rec.failStart = true;
    EXPECT_THROW(sync.Start(EnglishSyncWording(), kServerName), std::runtime_error);
    EXPECT_FALSE(sync.Running());
    EXPECT_EQ(rec.events, (std::vector<std::string>{"disable", "enable"}));
    rec.failStart = false;
    StartWith();
    rec.failStart = true;
    EXPECT_THROW(sync.QueryDone(std::nullopt), std::runtime_error);
    EXPECT_FALSE(sync.Running());
    EXPECT_EQ(rec.events.back(), "enable");
}

TEST_F(ClockSyncProcedureTest, AFailingTickStillBringsTheButtonBack) {
    rec.failTick = true;
    StartWith();
    EXPECT_THROW(sync.QueryDone(kServer), std::runtime_error);
    EXPECT_EQ(rec.events.back(), "enable");
    EXPECT_FALSE(sync.Running());
}
