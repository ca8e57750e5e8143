// The network-quiet trigger's sliding window without a window handle.
#include "app/NetQuietWindow.h"
#include "app/NetQuietTrigger.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using netquiet::NetQuietWindow;

constexpr std::uint64_t kKB = netquiet::kBytesPerKB;

// Readings one second apart from a first one that only sets the start; each
// entry is the bytes of one second, or nothing for a reading that cannot tell.
NetQuietWindow Fed(const std::vector<std::optional<std::uint64_t>>& seconds, std::uint64_t stepMs = 1000) {
    NetQuietWindow window;
    std::uint64_t now = 50'000;
    window.Add(now, 0);
    for (const auto& bytes : seconds) window.Add(now += stepMs, bytes);
    return window;
}

std::vector<std::optional<std::uint64_t>> Seconds(std::size_t count, std::uint64_t bytes) {
    return std::vector<std::optional<std::uint64_t>>(count, bytes);
}

TEST(NetQuietWindowTest, FiresOnlyOnceAWholeWindowIsMeasuredAtOrBelowTheLevel) {
    struct Case {
        const char* what;
        std::vector<std::optional<std::uint64_t>> seconds;
        std::uint64_t stepMs;
        bool quiet; // window 5 s, level 5 KB/s
    };
    auto busyThenQuiet = Seconds(3, 100 * kKB);
    busyThenQuiet.insert(busyThenQuiet.end(), 4, 0);
    auto busyThenLongQuiet = busyThenQuiet;
    busyThenLongQuiet.push_back(0);
    auto unknownInside = Seconds(4, 0);
    unknownInside.push_back(std::nullopt);
    unknownInside.insert(unknownInside.end(), 4, 0);
    auto unknownLongAgo = unknownInside;
    unknownLongAgo.push_back(0);
    const Case cases[] = {
        {"nothing measured", {}, 1000, false},
        {"four quiet seconds", Seconds(4, 0), 1000, false},
        {"five quiet seconds", Seconds(5, 0), 1000, true},
        {"at the level", Seconds(5, 5 * kKB), 1000, true},
        {"a byte a second above", Seconds(5, 5 * kKB + 1), 1000, false},
        {"above the level, long ago", busyThenLongQuiet, 1000, true},
        {"busy seconds still inside", busyThenQuiet, 1000, false},
        {"an unknown reading starts over", unknownInside, 1000, false},
        {"a whole window after it", unknownLongAgo, 1000, true},
        {"readings further apart weigh more", Seconds(3, 9 * kKB), 2000, true},
        {"a gap nobody watched starts over", Seconds(5, 0), NetQuietWindow::kLongestGapMs + 1, false},
    };
    for (const Case& c : cases) EXPECT_EQ(Fed(c.seconds, c.stepMs).Quiet(5, 5), c.quiet) << c.what;
}

TEST(NetQuietWindowTest, RestartForgetsWhatWasMeasuredAndReadingsComeASecondApart) {
    NetQuietWindow window = Fed(Seconds(600, 0));
    EXPECT_TRUE(window.Quiet(600, 1));
    window.Restart();
    EXPECT_FALSE(window.Measured(5));
    EXPECT_FALSE(window.AverageKBPerSecond(5).has_value());
    EXPECT_TRUE(window.SampleDue(0)); // the next reading is only a start

    window = Fed({2 * kKB, 4 * kKB, 6 * kKB});
    EXPECT_DOUBLE_EQ(*window.AverageKBPerSecond(2), 5.0);
    EXPECT_DOUBLE_EQ(*window.AverageKBPerSecond(60), 4.0); // what there is, while short
    EXPECT_FALSE(window.SampleDue(53'999));                // the last reading was at 53,000 ms
    EXPECT_TRUE(window.SampleDue(54'000));
}

} // namespace

namespace {

// One adapter whose counter the test moves; the reader fails on request.
struct FakeAdapters {
    std::uint64_t octets = 0;
    bool fail = false;
    std::optional<std::vector<monitors::AdapterRow>> operator()() const {
        if (fail) return std::nullopt;
        return std::vector<monitors::AdapterRow>{{7, "Ethernet", false, true, octets, 0}};
    }
};

TEST(NetQuietTriggerTest, FiresAWholeWindowAfterArmingOnlyWhileArmed) {
    FakeAdapters adapters;
    NetQuietTrigger trigger(ReadAtOnce([&] { return adapters(); }));
    NetQuietSettings settings{.armed = true, .levelKB = 1, .seconds = 5, .adapter = ""};
    std::uint64_t now = 10'000;
    const auto secondsUntilDue = [&](int limit) {
        for (int s = 0; s < limit; ++s, now += 1000)
            if (trigger.Tick(settings, now).due) return s;
        return -1;
    };
    trigger.Arm();
    EXPECT_EQ(secondsUntilDue(10), 5); // a start, then five measured seconds

    trigger.Arm();
    adapters.fail = true;
    EXPECT_EQ(secondsUntilDue(10), -1); // failed queries never fire it
    adapters.fail = false;
    EXPECT_EQ(secondsUntilDue(10), 5); // the first good reading is a start again

    settings.adapter = "ethernet";
    EXPECT_EQ(secondsUntilDue(10), 5); // another adapter starts over
    settings.adapter = "Wi-Fi";
    EXPECT_EQ(secondsUntilDue(10), -1); // an adapter that is not there is never quiet

    settings = {.armed = false, .levelKB = 1, .seconds = 5, .adapter = ""};
    EXPECT_EQ(secondsUntilDue(10), -1);
    EXPECT_EQ(trigger.MsUntilNextReading(now - 1000 + 250), 750u);
}

// A reading on its way is neither a reading nor a failure: the run takes
// nothing, and the next run, which the landing wakes, takes it.
TEST(NetQuietTriggerTest, AReadingOnItsWayIsTakenByALaterRun) {
    FakeAdapters adapters;
    bool pending = false;
    NetQuietTrigger trigger([&] { return monitors::AdapterReading{.pending = pending, .rows = adapters()}; });
    const NetQuietSettings settings{.armed = true, .levelKB = 1, .seconds = 5, .adapter = ""};
    trigger.Arm();
    int due = -1;
    for (int s = 0; s < 10 && due < 0; ++s) {
        const std::uint64_t second = 10'000 + 1000 * std::uint64_t(s);
        pending = true;
        EXPECT_FALSE(trigger.Tick(settings, second).sampled);
        EXPECT_EQ(trigger.MsUntilNextReading(second + 3), 0u); // still due
        pending = false;
        const NetQuietVerdict verdict = trigger.Tick(settings, second + 3);
        EXPECT_TRUE(verdict.sampled);
        if (verdict.due) due = s;
    }
    EXPECT_EQ(due, 5); // no start lost, no window restarted
}

} // namespace

namespace {

TEST(NetQuietTriggerTest, ShowsTheAverageInKBAndTheBarHalfFullAtTheLevel) {
    struct Case {
        std::optional<double> averageKB;
        const char* text;
        int bar; // level 10 KB/s
    };
    const Case cases[] = {
        {std::nullopt, "(- KB/s)", 0}, {0.0, "(0,0 KB/s)", 0},  {0.44, "(0,4 KB/s)", 2},
        {9.96, "(10,0 KB/s)", 50},     {10.0, "(10 KB/s)", 50}, {19.8, "(20 KB/s)", 99},
        {4096.4, "(4096 KB/s)", 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NetRateText(c.averageKB, ',', "KB/s"), c.text);
        EXPECT_EQ(NetBarPosition(c.averageKB, 10), c.bar) << c.text;
    }
}

} // namespace
