#include "monitors/BackgroundAdapterReader.h"

#include <memory>
#include <utility>

namespace monitors {
namespace {

class ExclusiveLock {
public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

private:
    SRWLOCK& lock_;
};

} // namespace

BackgroundAdapterReader::BackgroundAdapterReader(Read read, std::function<void()> landed, SteadyClock clock)
    : state_(std::make_shared<State>()) {
    state_->read = std::move(read);
    state_->landed = std::move(landed);
    state_->clock = std::move(clock);
}

AdapterReading BackgroundAdapterReader::Take() {
    State& state = *state_;
    {
        const ExclusiveLock lock(state.lock);
        if (state.hasReading) {
            state.hasReading = false;
            if (state.clock() - state.landedAtMs <= kFreshMs)
                return {.pending = false, .rows = std::move(state.reading)};
        }
        if (state.inFlight) return {.pending = true, .rows = std::nullopt};
        // Once queued, the pool thread owns this reference until it is done.
        auto forWork = std::make_unique<std::shared_ptr<State>>(state_);
        if (QueueUserWorkItem(Work, forWork.get(), WT_EXECUTEDEFAULT)) {
            forWork.release(); // now the pool's
            state.inFlight = true;
            return {.pending = true, .rows = std::nullopt};
        }
    }
    // No pool to read on: read here rather than never.
    return {.pending = false, .rows = state.read()};
}

DWORD WINAPI BackgroundAdapterReader::Work(void* context) noexcept {
    const std::unique_ptr<std::shared_ptr<State>> owned(static_cast<std::shared_ptr<State>*>(context));
    State& state = **owned;
    AdapterRows rows;
    try {
        rows = state.read();
    } catch (...) {
        rows = std::nullopt; // a failed query, as the window counts it
    }
    {
        const ExclusiveLock lock(state.lock);
        state.reading = std::move(rows);
        state.hasReading = true;
        state.landedAtMs = state.clock();
        state.inFlight = false;
    }
    try {
        if (state.landed) state.landed();
    } catch (...) {
        // The wake is lost; the tick takes the reading on its next run.
    }
    return 0;
}

} // namespace monitors
