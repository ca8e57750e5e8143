#pragma once
// The adapters' counters read on a thread-pool thread. The system can take
// milliseconds to answer (several under Wine), which the window's tick must
// not wait for: the tick asks, carries on, and is woken when the reading has
// landed; its next question gets that reading.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "monitors/NetTraffic.h"

namespace monitors {

class BackgroundAdapterReader {
public:
    using Read = std::function<AdapterRows()>;
    using SteadyClock = std::function<std::uint64_t()>;

    // `read` runs on a pool thread; `landed` too, once a reading is there.
    // Both may run once more after this object is gone: a reading under way
    // keeps what it needs alive by itself.
    BackgroundAdapterReader(Read read, std::function<void()> landed, SteadyClock clock = GetTickCount64);

    // The reading that landed since the last call, or pending: then one is
    // asked for unless it already is. A reading that landed over kFreshMs ago is
    // dropped and asked for anew, so a window never pairs an old reading with
    // the time of the question.
    AdapterReading Take();

    // Longer than the wake takes, shorter than a second's reading interval.
    static constexpr std::uint64_t kFreshMs = 300;

private:
    // Shared by this object and the reading under way.
    struct State {
        Read read;
        std::function<void()> landed;
        SteadyClock clock;
        SRWLOCK lock = SRWLOCK_INIT;
        bool inFlight = false; // under lock, as are the three below
        bool hasReading = false;
        AdapterRows reading;
        std::uint64_t landedAtMs = 0;
    };
    static DWORD WINAPI Work(void* state) noexcept;

    std::shared_ptr<State> state_;
};

} // namespace monitors
