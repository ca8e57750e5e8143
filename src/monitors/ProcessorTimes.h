#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace monitors {

// Per-processor idle, kernel and user times (100-ns units) as the kernel's
// processor performance query returns them: one fixed-size record per
// processor. Kernel time includes idle time.
namespace processor_times_layout {
inline constexpr std::size_t kIdleTime = 0;
inline constexpr std::size_t kKernelTime = 8;
inline constexpr std::size_t kUserTime = 16;
inline constexpr std::size_t kRecordSize = 48;
} // namespace processor_times_layout

// Number of whole records in data.
int ProcessorRecordCount(std::span<const std::byte> data) noexcept;

// For records 0, 1, ... up to the shorter of the records and the outputs:
// idle[i] := idle time, clock[i] := kernel + user time (the whole interval the
// processor was accounted for). Returns how many were written.
int ReadProcessorTimes(std::span<const std::byte> data, std::span<std::int64_t> idle,
                       std::span<std::int64_t> clock) noexcept;

} // namespace monitors
