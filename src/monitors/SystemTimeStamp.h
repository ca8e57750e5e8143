#pragma once

#include <cstdint>
#include <optional>

namespace monitors {

// A calendar time as the system's SYSTEMTIME record gives it (UTC).
struct SystemTimeFields {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0; // not used: the date alone decides
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// 100-ns units since 1 January 1601 (the FILETIME scale), or nothing when a
// field is out of range (the system's own conversion accepts 1601 to 30827).
std::optional<std::int64_t> SystemTimeToTicks(const SystemTimeFields& time) noexcept;

} // namespace monitors
