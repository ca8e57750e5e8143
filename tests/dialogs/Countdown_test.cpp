#include "dialogs/Countdown.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct CountdownRun {
    std::vector<int> numbers;        // shown after each tick
    std::vector<int> announced;      // numbers said aloud, in order
    std::vector<int> invertedBefore; // counter before each inverted tick
    int ticksUntilFinished = 0;
};

// Ticks from the start until the countdown says it has finished (with a
// safety stop well past 30 s).
CountdownRun RunToEnd() {
    CountdownRun run;
    int ticksLeft = countdown::kStartTicks;
    constexpr int kSafetyStop = 1000;
    for (int tick = 1; tick <= kSafetyStop; ++tick) {
        const countdown::TickView view = countdown::Tick(ticksLeft);
        run.numbers.push_back(view.number);
        if (view.announce) run.announced.push_back(view.number);
        if (view.colors.pen == countdown::kInvertedColors.pen) run.invertedBefore.push_back(ticksLeft);
        ticksLeft = view.ticksLeft;
        if (view.finished) {
            run.ticksUntilFinished = tick;
            break;
        }
    }
    return run;
}

TEST(Countdown, EndsOnThe240thTick) { EXPECT_EQ(RunToEnd().ticksUntilFinished, 240); }

TEST(Countdown, ShowsThirtyOnceThenEachNumberForEightTicksAndZeroForSeven) {
    const CountdownRun run = RunToEnd();
    ASSERT_EQ(run.numbers.size(), 240u);
    // 30 is already shown before the first tick; the first tick keeps it and
    // the second shows 29.
    EXPECT_EQ(run.numbers[0], 30);
    EXPECT_EQ(run.numbers[1], 29);

    std::map<int, int> ticksShowing;
    for (int n : run.numbers) ++ticksShowing[n];
    EXPECT_EQ(ticksShowing[30], 1);
    for (int n = 29; n >= 1; --n) EXPECT_EQ(ticksShowing[n], 8) << "number " << n;
    EXPECT_EQ(ticksShowing[0], 7);
    EXPECT_EQ(ticksShowing.size(), 31u);

    for (std::size_t i = 1; i < run.numbers.size(); ++i)
        EXPECT_LE(run.numbers[i], run.numbers[i - 1]) << "tick " << i + 1;
}

TEST(Countdown, AnnouncesEveryTenSecondsAndTheLastFiveOnce) {
    EXPECT_EQ(RunToEnd().announced, (std::vector<int>{20, 10, 5, 4, 3, 2, 1}));
}

TEST(Countdown, BannerIsInvertedExactlyOnMultiplesOfEight) {
    const CountdownRun run = RunToEnd();
    std::vector<int> expected;
    for (int before = 240; before >= 8; before -= 8) expected.push_back(before);
    EXPECT_EQ(run.invertedBefore, expected);
}

} // namespace
