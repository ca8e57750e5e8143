#pragma once
// The arithmetic of the time protocol (RFC 868): the wire value, the era it
// belongs to, the half exchange time and the local zone.
#include <cstdint>
#include <optional>

#include "core/DateTime.h"

namespace clocksync {

inline constexpr std::int32_t kTimePort = 37;
inline constexpr std::int32_t kDefaultTimeoutMs = 2500;
// Name resolution and every address tried share this one deadline.
inline constexpr std::uint32_t kConnectTimeoutMs = 120000;
inline constexpr std::size_t kReplySize = 4; // one 32-bit big-endian count of seconds

inline constexpr char kReadTimeoutText[] = "Read Timeout";
inline constexpr char kConnectionClosedText[] = "Connection Closed Gracefully.";
inline constexpr char kConnectTimeoutText[] = "Connect Timeout";
inline constexpr char kAbortedText[] = "Operation aborted";

// Seconds since 1 January 1900 00:00 UTC. The 32-bit count runs out on
// 7 February 2036 06:28:16; a value whose top bit is clear is read as the
// next era, so a clock set after that day does not fall back to 1900. Every
// value a server can send before 2036 has its top bit set and keeps its meaning.
std::int64_t SecondsSince1900(std::uint32_t wireSeconds);

// Half the milliseconds from one tick count to a later one, across one wrap of
// the 32-bit counter.
std::uint32_t ReplyDelayMs(std::uint32_t startTick, std::uint32_t endTick);

// The server's answer as a local date-time: 0 (no answer) gives 0.0;
// otherwise whole seconds of the reply delay are added, and the result counts
// from the whole day of baseDate, shifted by the zone offset (days, positive
// west of Greenwich).
core::TDateTime ServerDateTime(std::uint32_t wireSeconds, std::uint32_t replyDelayMs,
                               core::TDateTime baseDate, double zoneOffsetDays);

// GetTimeZoneInformation's result codes.
enum class ZoneState : std::uint32_t { Unknown = 0, Standard = 1, Daylight = 2 };

// Minutes to add to local time to get UTC; nothing for a result code that is
// none of the three (the call failed).
std::optional<std::int64_t> ZoneOffsetMinutes(std::uint32_t zoneResult, std::int32_t bias,
                                              std::int32_t standardBias, std::int32_t daylightBias);

} // namespace clocksync
