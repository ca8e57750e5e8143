// The time protocol's arithmetic: eras, the reply delay, the local date-time.
#include <gtest/gtest.h>

#include <cstdint>

#include "clocksync/TimeProtocol.h"
#include "core/DateTime.h"

using namespace clocksync;

namespace {
constexpr std::int64_t kEra = std::int64_t{1} << 32;
constexpr double kSecond = 1.0 / core::SecondsPerDay;
} // namespace

TEST(TimeProtocol, WorkedExampleIsNoonOnTheFirstOfOctober2012) {
    // D4 14 04 40, an exchange under two seconds, zone offset 0.
    const core::TDateTime t = ServerDateTime(0xD4140440u, 999, core::TimeProtocolEpoch, 0.0);
    EXPECT_DOUBLE_EQ(t, 41183.5);
    EXPECT_DOUBLE_EQ(t, core::EncodeDateTime(2012, 10, 1, 12, 0, 0, 0));
}

TEST(TimeProtocol, EraRuleAt2036) {
    struct Case {
        std::uint32_t wire;
        std::int64_t seconds;
    } const cases[] = {
        {0x80000000u, 0x80000000LL},      // 1968: top bit set, first era
        {0xD4140440u, 3558081600LL},      // 2012
        {0xFFFFFFFFu, 0xFFFFFFFFLL},      // 2036-02-07 06:28:15, the last second of the first era
        {0x00000001u, kEra + 1},          // two seconds later, in the next era
        {0x7FFFFFFFu, kEra + 0x7FFFFFFF}, // the last value the next era reads
    };
    for (const Case& c : cases) EXPECT_EQ(SecondsSince1900(c.wire), c.seconds) << std::hex << c.wire;

    const core::TDateTime lastOfFirstEra = ServerDateTime(0xFFFFFFFFu, 0, core::TimeProtocolEpoch, 0.0);
    EXPECT_NEAR(lastOfFirstEra, core::EncodeDateTime(2036, 2, 7, 6, 28, 15, 0), 1e-9);
    const core::TDateTime nextEra = ServerDateTime(0x00000001u, 0, core::TimeProtocolEpoch, 0.0);
    EXPECT_NEAR(nextEra, core::EncodeDateTime(2036, 2, 7, 6, 28, 17, 0), 1e-9);
    // A reply delay that carries the count over into the next era: two seconds added.
    EXPECT_NEAR(ServerDateTime(0xFFFFFFFFu, 2000, core::TimeProtocolEpoch, 0.0), nextEra, 1e-9);
    EXPECT_NEAR(ServerDateTime(0xFFFFFFFFu, 1000, core::TimeProtocolEpoch, 0.0), nextEra - kSecond, 1e-9);
}

TEST(TimeProtocol, ZeroMeansNoAnswer) {
    EXPECT_EQ(ServerDateTime(0, 5000, core::TimeProtocolEpoch, -0.5), 0.0);
}

TEST(TimeProtocol, OnlyWholeSecondsOfTheReplyDelayCount) {
    const core::TDateTime base = ServerDateTime(0xD4140440u, 0, core::TimeProtocolEpoch, 0.0);
    struct Case {
        std::uint32_t delayMs;
        int addedSeconds;
    } const cases[] = {{0, 0}, {950, 0}, {999, 0}, {1000, 1}, {1200, 1}, {1999, 1}, {2000, 2}};
    for (const Case& c : cases)
        EXPECT_NEAR(ServerDateTime(0xD4140440u, c.delayMs, core::TimeProtocolEpoch, 0.0),
                    base + c.addedSeconds * kSecond, 1e-9)
            << c.delayMs;
}

TEST(TimeProtocol, ReplyDelayIsHalfTheExchangeAcrossOneWrap) {
    struct Case {
        std::uint32_t start, end, delay;
    } const cases[] = {
        {1000, 3400, 1200},              // 2.4 s: one second is added
        {1000, 2900, 950},               // 1.9 s: nothing is added
        {5, 5, 0},                       //
        {1000, 1001, 0},                 // halved with a shift
        {0xFFFFFF00u, 0x00000064u, 178}, // the counter wrapped: 356 ms
        {0xFFFFFFFFu, 0x00000000u, 0},   //
    };
    for (const Case& c : cases) EXPECT_EQ(ReplyDelayMs(c.start, c.end), c.delay) << c.start << " " << c.end;
}

TEST(TimeProtocol, BaseDateCountsWithItsWholeDayOnly) {
    EXPECT_DOUBLE_EQ(ServerDateTime(0xD4140440u, 0, 2.75, 0.0), 41183.5);
    EXPECT_DOUBLE_EQ(ServerDateTime(0xD4140440u, 0, 3.0, 0.0), 41184.5);
}

TEST(TimeProtocol, ZoneOffsetShiftsToLocalTime) {
    // Central European summer time: local = UTC + 2 h.
    const auto minutes = ZoneOffsetMinutes(2, -60, 0, -60);
    ASSERT_TRUE(minutes);
    EXPECT_EQ(*minutes, -120);
    const double offset = static_cast<double>(*minutes) / core::MinutesPerDay;
    EXPECT_DOUBLE_EQ(offset, -120.0 / 1440);
    EXPECT_DOUBLE_EQ(ServerDateTime(0xD4140440u, 0, core::TimeProtocolEpoch, offset), 41183.5 + 2.0 / 24);
}

TEST(TimeProtocol, ZoneOffsetFollowsTheZoneState) {
    struct Case {
        std::uint32_t result;
        std::int32_t bias, standard, daylight;
        std::optional<std::int64_t> minutes;
    } const cases[] = {
        {0, 300, 7, 11, 300},                 // unknown: the bias alone
        {1, 300, 0, -60, 300},                // standard
        {2, 300, 0, -60, 240},                // daylight
        {2, -60, 0, -60, -120},               //
        {1, -330, 15, 0, -315},               //
        {3, 300, 0, -60, std::nullopt},       // the call failed
        {0xFFFFFFFFu, 0, 0, 0, std::nullopt}, // TIME_ZONE_ID_INVALID
        {2, INT32_MIN, 0, INT32_MIN, std::int64_t{INT32_MIN} * 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZoneOffsetMinutes(c.result, c.bias, c.standard, c.daylight), c.minutes)
            << c.result << " " << c.bias;
}
