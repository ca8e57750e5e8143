#include "clocksync/ClockSyncProcedure.h"

#include <utility>

namespace clocksync {

namespace {

// The button comes back however the finish ends, a failing tick included.
class ButtonBack {
public:
    explicit ButtonBack(IClockSyncWindow& window) : window_(window) {}
    ButtonBack(const ButtonBack&) = delete;
    ButtonBack& operator=(const ButtonBack&) = delete;
    ~ButtonBack() { window_.EnableSyncButton(true); }

private:
    IClockSyncWindow& window_;
};

} // namespace

bool ClockSyncProcedure::Start(SyncWording wording) {
    if (running_) return false;
    wording_ = std::move(wording);
    running_ = true;
    attempt_ = 0;
    window_.EnableSyncButton(false);
    StartQuery();
    return true;
}

void ClockSyncProcedure::StartQuery() {
    try {
        engine_.StartQuery();
    } catch (...) {
        // No exchange runs, so nothing would ever end this one.
        running_ = false;
        window_.EnableSyncButton(true);
        throw;
    }
}

void ClockSyncProcedure::QueryDone(std::optional<rtl::TDateTime> serverTime) {
    if (!running_) return;
    ++attempt_;
    window_.ShowAttempt(AttemptText(attempt_, wording_));
    if (!serverTime && attempt_ < kMaxAttempts) {
        StartQuery();
        return;
    }
    Finish(serverTime);
}

void ClockSyncProcedure::Finish(std::optional<rtl::TDateTime> serverTime) {
    running_ = false;
    ButtonBack button(window_);
    const rtl::TDateTime now = window_.Now();
    std::string report = wording_.failed;
    if (serverTime && *serverTime != 0.0) {
        const ClockSetResult set = engine_.SetLocalClock(*serverTime);
        report = SyncReport(now, *serverTime, set, wording_);
    }
    window_.PostReport(report);
    window_.RunTick();
}

void ClockSyncProcedure::Stop() {
    if (!running_) return;
    running_ = false;
    engine_.CancelQuery();
    window_.ShowAttempt("");
    window_.EnableSyncButton(true);
}

} // namespace clocksync
