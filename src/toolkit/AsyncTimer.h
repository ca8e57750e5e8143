#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace tk {

enum class TThreadPriority { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };

class TTimerThread;

// A timer whose own worker thread does the timing in a kernel wait and hands
// each tick to the window thread, waiting until the handler has returned. So
// ticks never overlap or pile up, the spacing is the interval plus the
// handler's time, and ticks keep coming inside modal loops.
//
// Create, use and destroy it on the window thread. An interval of 0 means
// no ticks, although Enabled may read true.
class TAsyncTimer {
public:
    using TTimerEvent = std::function<void(TAsyncTimer& sender)>;

    static constexpr std::uint16_t kDefaultInterval = 1000;

    TAsyncTimer();
    ~TAsyncTimer();

    TAsyncTimer(const TAsyncTimer&) = delete;
    TAsyncTimer& operator=(const TAsyncTimer&) = delete;

    // The first tick comes one full interval after enabling; enabling again
    // after disabling starts the interval afresh.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    // Milliseconds. A change takes effect with the next wait; a wait under way
    // keeps its length.
    std::uint16_t Interval() const;
    void SetInterval(std::uint16_t value);

    // The handler may disable, re-enable or destroy its own timer. A failure it
    // raises goes to the standard error box; no tick of this timer comes while
    // that box is open, and the timer goes on afterwards.
    const TTimerEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TTimerEvent handler) { onTimer_ = std::move(handler); }

    TThreadPriority ThreadPriority() const { return threadPriority_; }
    void SetThreadPriority(TThreadPriority value);

private:
    friend class TTimerThread;
    // Runs on the window thread for the worker's wait that began in `run`.
    void FireOnTimer(unsigned run);
    // Ticks need both Enabled and a non-zero interval.
    void UpdateWorker();

    bool enabled_ = false;
    TThreadPriority threadPriority_ = TThreadPriority::Normal;
    TTimerEvent onTimer_;
    std::unique_ptr<TTimerThread> WorkerThread;
};

} // namespace tk
