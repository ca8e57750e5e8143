#include "monitors/SystemTimeStamp.h"

#include <chrono>

namespace monitors {
namespace {

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;
constexpr std::uint16_t kHoursPerDay = 24;
constexpr std::uint16_t kMinutesPerHour = 60;
constexpr std::uint16_t kSecondsPerMinute = 60;
constexpr std::uint16_t kMillisecondsPerSecond = 1000;

constexpr std::int64_t kTicksPerMillisecond = 10'000;
constexpr std::int64_t kTicksPerSecond = kTicksPerMillisecond * kMillisecondsPerSecond;
constexpr std::int64_t kTicksPerMinute = kTicksPerSecond * kSecondsPerMinute;
constexpr std::int64_t kTicksPerHour = kTicksPerMinute * kMinutesPerHour;
constexpr std::int64_t kTicksPerDay = kTicksPerHour * kHoursPerDay;

} // namespace

std::optional<std::int64_t> SystemTimeToTicks(const SystemTimeFields& time) noexcept {
    using namespace std::chrono;
    if (time.year < kFirstYear || time.year > kLastYear || time.hour >= kHoursPerDay ||
        time.minute >= kMinutesPerHour || time.second >= kSecondsPerMinute ||
        time.milliseconds >= kMillisecondsPerSecond) {
        return std::nullopt;
    }
    const year_month_day date{year{time.year}, month{time.month}, day{time.day}};
    if (!date.ok()) { // also catches month 0 or 13 and 29 February of a common year
        return std::nullopt;
    }
    constexpr year_month_day kEpoch{year{kFirstYear}, January, day{1}};
    const std::int64_t days = (sys_days{date} - sys_days{kEpoch}).count();
    // The last accepted instant, 31 December 30827 23:59:59.999, is below 2^63.
    return days * kTicksPerDay + time.hour * kTicksPerHour + time.minute * kTicksPerMinute +
           time.second * kTicksPerSecond + time.milliseconds * kTicksPerMillisecond;
}

} // namespace monitors
