#include "clocksync/TimeProtocol.h"

namespace clocksync {

namespace {
constexpr std::int64_t kSecondsPerEra = std::int64_t{1} << 32;
constexpr std::uint32_t kTopBit = 0x80000000u;
constexpr std::uint32_t kMsecsPerSecond = 1000;
} // namespace

std::int64_t SecondsSince1900(std::uint32_t wireSeconds) {
    const std::int64_t seconds = wireSeconds;
    return (wireSeconds & kTopBit) ? seconds : seconds + kSecondsPerEra;
}

std::uint32_t ReplyDelayMs(std::uint32_t startTick, std::uint32_t endTick) {
    // Unsigned subtraction is the wrap.
    return (endTick - startTick) >> 1;
}

core::TDateTime ServerDateTime(std::uint32_t wireSeconds, std::uint32_t replyDelayMs,
                               core::TDateTime baseDate, double zoneOffsetDays) {
    if (wireSeconds == 0) return 0.0;
    const std::int64_t compensated = SecondsSince1900(wireSeconds) + replyDelayMs / kMsecsPerSecond;
    return core::DateOf(baseDate) + static_cast<double>(compensated) / core::SecondsPerDay - zoneOffsetDays;
}

std::optional<std::int64_t> ZoneOffsetMinutes(std::uint32_t zoneResult, std::int32_t bias,
                                              std::int32_t standardBias, std::int32_t daylightBias) {
    switch (static_cast<ZoneState>(zoneResult)) {
    case ZoneState::Unknown: return bias;
    case ZoneState::Standard: return std::int64_t{bias} + standardBias;
    case ZoneState::Daylight: return std::int64_t{bias} + daylightBias;
    }
    return std::nullopt;
}

} // namespace clocksync
