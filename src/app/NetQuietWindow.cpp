#include "app/NetQuietWindow.h"

#include <limits>

namespace netquiet {
namespace {

constexpr std::uint64_t kMsPerSecond = 1000;

} // namespace

void NetQuietWindow::Restart() {
    count_ = 0;
    lastReadingMs_.reset();
}

std::uint32_t NetQuietWindow::MsUntilDue(std::uint64_t nowMs) const {
    if (!lastReadingMs_ || nowMs < *lastReadingMs_) return 0;
    const std::uint64_t since = nowMs - *lastReadingMs_;
    return since >= kSampleIntervalMs ? 0 : static_cast<std::uint32_t>(kSampleIntervalMs - since);
}

void NetQuietWindow::Add(std::uint64_t nowMs, std::optional<std::uint64_t> bytes) {
    const std::optional<std::uint64_t> last = lastReadingMs_;
    // Two readings in the same millisecond give the bytes no time to weigh them by.
    const bool measured = last && nowMs > *last && nowMs - *last <= kLongestGapMs && bytes;
    if (!measured) Restart();
    lastReadingMs_ = nowMs;
    if (!measured) return;
    newest_ = (newest_ + 1) % kCapacity;
    samples_[newest_] = Sample{*bytes, static_cast<std::uint32_t>(nowMs - *last)};
    if (count_ < kCapacity) ++count_;
}

NetQuietWindow::Span NetQuietWindow::Covering(int seconds) const {
    const std::uint64_t wanted = static_cast<std::uint64_t>(seconds > 0 ? seconds : 0) * kMsPerSecond;
    Span span;
    std::size_t index = newest_;
    for (std::size_t taken = 0; taken < count_ && span.ms < wanted; ++taken) {
        const Sample& s = samples_[index];
        const std::uint64_t room = std::numeric_limits<std::uint64_t>::max() - span.bytes;
        span.bytes += s.bytes < room ? s.bytes : room;
        span.ms += s.ms;
        index = (index + kCapacity - 1) % kCapacity;
    }
    return span;
}

std::optional<double> NetQuietWindow::AverageKBPerSecond(int seconds) const {
    const Span span = Covering(seconds);
    if (span.ms == 0) return std::nullopt;
    return static_cast<double>(span.bytes) * kMsPerSecond / static_cast<double>(span.ms) / kBytesPerKB;
}

bool NetQuietWindow::Measured(int seconds) const {
    return Covering(seconds).ms >= static_cast<std::uint64_t>(seconds) * kMsPerSecond;
}

bool NetQuietWindow::Quiet(int seconds, int levelKB) const {
    if (seconds <= 0 || levelKB < 0) return false;
    const Span span = Covering(seconds);
    if (span.ms < static_cast<std::uint64_t>(seconds) * kMsPerSecond) return false;
    // bytes / ms * 1000 <= level * 1024, kept in whole numbers.
    const std::uint64_t allowedPerMs = static_cast<std::uint64_t>(levelKB) * kBytesPerKB;
    if (span.bytes > std::numeric_limits<std::uint64_t>::max() / kMsPerSecond) return false;
    return span.bytes * kMsPerSecond <= allowedPerMs * span.ms;
}

} // namespace netquiet
