#pragma once
// Synchronising the clock: up to ten exchanges with the chosen server, then
// the clock is set and the window is given a report to show. The steps run on
// the window thread; each exchange runs elsewhere and comes back through
// QueryDone, so the window keeps working while the network is slow.
#include <optional>
#include <string>

#include "clocksync/ClockSyncReport.h"
#include "core/DateTime.h"

namespace clocksync {

// The main window as the synchronisation sees it.
class IClockSyncWindow {
public:
    virtual ~IClockSyncWindow() = default;
    virtual void EnableSyncButton(bool enabled) = 0;
    virtual void ShowAttempt(const std::string& text) = 0;
    // Keeps the report for the message dialog and posts the request to show it.
    virtual void PostReport(const std::string& report) = 0;
    virtual void RunTick() = 0;
    virtual core::TDateTime Now() = 0;
};

// The exchanges and the clock.
class IClockSyncEngine {
public:
    virtual ~IClockSyncEngine() = default;
    // Starts one exchange; its end comes back through QueryDone.
    virtual void StartQuery() = 0;
    // Ends a running exchange at once; its result is never delivered.
    virtual void CancelQuery() = 0;
    virtual ClockSetResult SetLocalClock(core::TDateTime value) = 0;
};

class ClockSyncProcedure {
public:
    ClockSyncProcedure(IClockSyncWindow& window, IClockSyncEngine& engine)
        : window_(window), engine_(engine) {}

    // Starts a synchronisation with `server`, the name a failure report
    // gives; false, and nothing happens, while one runs.
    bool Start(SyncWording wording, std::string server);
    // The running exchange ended: the server's local date-time (0.0 when the
    // server gave no value), or nothing when the exchange failed, and why.
    void QueryDone(std::optional<core::TDateTime> serverTime,
                   const QueryError& failure = QueryError("", QueryFailure::Other));
    // Ends a running synchronisation at once: no report, no clock change.
    // The window goes back to idle, since the program may carry on (a refused
    // power action).
    void Stop();

    bool Running() const { return running_; }
    int Attempt() const { return attempt_; }

private:
    void StartQuery();
    void Finish(std::optional<core::TDateTime> serverTime, const QueryError& failure);

    IClockSyncWindow& window_;
    IClockSyncEngine& engine_;
    SyncWording wording_;
    std::string server_;
    bool running_ = false;
    int attempt_ = 0;
};

} // namespace clocksync
