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

bool ClockSyncProcedure::Start(SyncWording wording, std::string server) {
    if (running_) return false;
    wording_ = std::move(wording);
    server_ = std::move(server);
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

void ClockSyncProcedure::QueryDone(std::optional<core::TDateTime> serverTime, const QueryError& failure) {
    if (!running_) return;
    ++attempt_;
    window_.ShowAttempt(AttemptText(attempt_, wording_));
    if (!serverTime && attempt_ < kMaxAttempts) {
        StartQuery();
        return;
    }
    Finish(serverTime, failure);
}

void ClockSyncProcedure::Finish(std::optional<core::TDateTime> serverTime, const QueryError& failure) {
    running_ = false;
    ButtonBack button(window_);
    const core::TDateTime now = window_.Now();
    std::string report;
    if (!serverTime) {
        report = FailureReport(server_, failure, wording_);
    } else if (*serverTime == 0.0) {
        // Part of the answer came, then the server closed.
        report = FailureReport(server_, QueryError("", QueryFailure::ClosedWithoutData), wording_);
    } else {
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
