// The processor-load trigger's averaging window without a window handle.
#include "app/CpuLoadWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "app/ListRanges.h"

namespace {

using core::TDateTime;

const TDateTime kStart = core::EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);

TDateTime After(double seconds) { return kStart + seconds / 86400.0; }

TEST(CpuLoadWindowTest, EndsWhenElapsedReachesItsLengthExactly) {
    struct Case {
        double elapsed;
        bool ends;
    };
    const Case cases[] = {
        {0.0, false},   {24.0, false},  {24.999, false}, {25.0, true}, {25.001, true},
        {3600.0, true}, {-24.0, false}, {-25.0, true}, // a clock set back by at least the window ends it as
                                                       // well
    };
    for (const Case& c : cases) {
        CpuLoadWindow window;
        window.Restart(kStart);
        window.Add(0.5);
        const TDateTime now = After(c.elapsed);
        EXPECT_EQ(window.EndIfElapsed(now, 25), c.ends) << c.elapsed;
        if (c.ends) {
            EXPECT_EQ(window.WindowStart(), now);
            EXPECT_EQ(window.SampleCount(), 0u);
            EXPECT_EQ(window.LoadSum(), 0.0);
        } else {
            EXPECT_EQ(window.WindowStart(), kStart);
            EXPECT_EQ(window.SampleCount(), 1u);
        }
    }
}

TEST(CpuLoadWindowTest, AverageIncludesEverySampleRoundedHalfToEven) {
    CpuLoadWindow window;
    window.Restart(kStart);
    EXPECT_EQ(window.Add(0.125), 12); // 12.5 goes to the even neighbour
    EXPECT_EQ(window.Add(0.145), 14); // 13.5 goes to 14
    EXPECT_EQ(window.Add(0.7), 32);
    EXPECT_EQ(window.SampleCount(), 3u);
    EXPECT_DOUBLE_EQ(window.LoadSum(), 0.97);
    window.Restart(After(5));
    EXPECT_EQ(window.Add(1.0), 100);
    EXPECT_EQ(window.SampleCount(), 1u);
}

TEST(CpuLoadWindowTest, SecondsLeftCountDownAndGoNegativeWhenOverdue) {
    CpuLoadWindow window;
    window.Restart(kStart);
    EXPECT_EQ(window.SecondsLeft(After(7), 25), 18);
    EXPECT_EQ(window.SecondsLeft(After(7.9), 25), 18);
    EXPECT_EQ(window.SecondsLeft(After(30), 25), -5);
}

TEST(CpuLoadWindowTest, ListItemsGiveWindowsOfFiveToSixtySeconds) {
    EXPECT_EQ(lists::WindowSeconds(0), 5);
    EXPECT_EQ(lists::WindowSeconds(lists::kDefaultWindowItem), 25);
    EXPECT_EQ(lists::WindowSeconds(lists::kWindowItemCount - 1), 60);
}

TEST(LoadPeakTest, BusiestEntryCountsWithinZeroAndOne) {
    struct Case {
        std::initializer_list<double> loads;
        double peak;
    };
    const Case cases[] = {
        {{}, 0.0},    {{0.2, 0.7, 0.1}, 0.7}, {{-0.05}, 0.0},
        {{1.2}, 1.0}, {{std::nan("")}, 0.0},  {{-3.0, 0.4}, 0.4},
    };
    for (const Case& c : cases) {
        LoadPeak peak;
        for (double v : c.loads) peak.Add(v);
        EXPECT_EQ(peak.Clamped(), c.peak);
    }
}

TEST(LoadPeakTest, LowLoadIsAtOrBelowTheLevel) {
    EXPECT_TRUE(LowLoad(100, 100)); // level 100 always fires at the window's end
    EXPECT_TRUE(LowLoad(0, 0));
    EXPECT_FALSE(LowLoad(1, 0));
    EXPECT_TRUE(LowLoad(20, 20));
    EXPECT_FALSE(LowLoad(21, 20));
}

} // namespace
