#include "monitors/SystemTimeStamp.h"

#include <gtest/gtest.h>

#include <vector>

namespace monitors {
namespace {

SystemTimeFields At(std::uint16_t year, std::uint16_t month, std::uint16_t day, std::uint16_t hour = 0,
                    std::uint16_t minute = 0, std::uint16_t second = 0, std::uint16_t ms = 0) {
    return {year, month, 0, day, hour, minute, second, ms};
}

TEST(SystemTimeStamp, ConvertsToHundredNanosecondsSince1601) {
    struct Case {
        SystemTimeFields time;
        std::int64_t ticks; // worked out independently
    };
    const std::vector<Case> cases = {
        {At(1601, 1, 1), 0},
        {At(1601, 1, 1, 0, 0, 0, 1), 10'000},
        {At(1601, 1, 2), 864'000'000'000},
        {At(1970, 1, 1), 116'444'736'000'000'000},
        {At(2000, 2, 29, 23, 59, 59, 999), 125'963'423'999'990'000},
        {At(2000, 3, 1, 12, 34, 56, 789), 125'963'876'967'890'000},
        {At(30827, 12, 31, 23, 59, 59, 999), 9'223'149'887'999'990'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time.year);
        EXPECT_EQ(SystemTimeToTicks(c.time), c.ticks);
    }
}

TEST(SystemTimeStamp, RejectsFieldsOutOfRange) {
    const std::vector<SystemTimeFields> invalid = {
        At(1600, 12, 31),
        At(30828, 1, 1),
        At(2024, 0, 1),
        At(2024, 13, 1),
        At(2024, 1, 0),
        At(2024, 1, 32),
        At(2024, 4, 31),
        At(2023, 2, 29),
        At(1900, 2, 29),
        At(2024, 1, 1, 24),
        At(2024, 1, 1, 0, 60),
        At(2024, 1, 1, 0, 0, 60),
        At(2024, 1, 1, 0, 0, 0, 1000),
    };
    for (const SystemTimeFields& time : invalid) {
        SCOPED_TRACE(testing::Message()
                     << time.year << '-' << time.month << '-' << time.day << ' ' << time.hour << ':'
                     << time.minute << ':' << time.second << '.' << time.milliseconds);
        EXPECT_FALSE(SystemTimeToTicks(time).has_value());
    }
}

} // namespace
} // namespace monitors
