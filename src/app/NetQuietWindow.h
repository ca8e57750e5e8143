#pragma once
// The network-quiet trigger's sliding window: the traffic of the last
// seconds, one reading a second, decides whether a download or a copy has
// finished. Only measured seconds count: a reading the counters could not
// vouch for, or a gap the program did not watch, starts the window over, so
// nothing but a whole window of real quiet fires it.
#include <array>
#include <cstdint>
#include <optional>

namespace netquiet {

inline constexpr std::uint64_t kBytesPerKB = 1024;

class NetQuietWindow {
public:
    static constexpr std::uint32_t kSampleIntervalMs = 1000;
    // A longer gap means the computer slept or the program was held up: the
    // counters barely moved, yet nobody measured the network meanwhile.
    static constexpr std::uint32_t kLongestGapMs = 5000;

    // Nothing measured any more, and the next reading only a start: on
    // arming, and when the traffic watched changes.
    void Restart();

    // A reading is due a second after the last one, and at once when none was taken.
    bool SampleDue(std::uint64_t nowMs) const { return MsUntilDue(nowMs) == 0; }
    // Milliseconds until the next reading is due; 0 when it is.
    std::uint32_t MsUntilDue(std::uint64_t nowMs) const;

    // The reading at `nowMs` (a monotonic clock): bytes moved since the
    // reading before, or nothing when the counters cannot tell. The first
    // reading only sets the start.
    void Add(std::uint64_t nowMs, std::optional<std::uint64_t> bytes);

    // Average over the last `seconds`, or over what was measured when that is
    // less; nothing before the first measured second.
    std::optional<double> AverageKBPerSecond(int seconds) const;

    // A whole window of `seconds` has been measured since the last restart.
    bool Measured(int seconds) const;

    // Fires: a whole window measured, its average at or below `levelKB` KB/s.
    bool Quiet(int seconds, int levelKB) const;

private:
    struct Sample {
        std::uint64_t bytes = 0;
        std::uint32_t ms = 0;
    };
    struct Span {
        std::uint64_t bytes = 0;
        std::uint64_t ms = 0;
    };
    // The newest samples that cover `seconds`, or all there are.
    Span Covering(int seconds) const;

    // Enough one-second samples for the longest window, and one more that
    // the window's start may fall into.
    static constexpr std::size_t kCapacity = 10 * 60 + 1;
    std::array<Sample, kCapacity> samples_{};
    std::size_t newest_ = 0; // index of the newest sample
    std::size_t count_ = 0;
    std::optional<std::uint64_t> lastReadingMs_;
};

} // namespace netquiet
