#include "monitors/ProcessorTimes.h"

#include "monitors/ByteView.h"

#include <algorithm>
#include <limits>

namespace monitors {

using namespace processor_times_layout;

int ProcessorRecordCount(std::span<const std::byte> data) noexcept {
    const std::size_t records = data.size() / kRecordSize;
    return static_cast<int>(std::min<std::size_t>(records, std::numeric_limits<int>::max()));
}

int ReadProcessorTimes(std::span<const std::byte> data, std::span<std::int64_t> idle,
                       std::span<std::int64_t> clock) noexcept {
    const ByteView view(data);
    const std::size_t count =
        std::min({static_cast<std::size_t>(ProcessorRecordCount(data)), idle.size(), clock.size()});
    for (std::size_t i = 0; i < count; ++i) {
        const ByteView::Offset record = i * kRecordSize;
        // In range: i is below the number of whole records.
        const auto kernel = static_cast<std::uint64_t>(*view.Read<std::int64_t>(record + kKernelTime));
        const auto user = static_cast<std::uint64_t>(*view.Read<std::int64_t>(record + kUserTime));
        idle[i] = *view.Read<std::int64_t>(record + kIdleTime);
        // Unsigned sum: counters that wrap stay well-defined.
        clock[i] = static_cast<std::int64_t>(kernel + user);
    }
    return static_cast<int>(count);
}

} // namespace monitors
