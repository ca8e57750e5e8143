#pragma once
// The clock synchronisation of the main window. The exchanges run on a worker
// thread and their ends are handed to the window thread, which runs every
// step of the procedure; the window thread never waits on the network.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "clocksync/ClockSyncProcedure.h"
#include "clocksync/IdTime.h"
#include "toolkit/HandOver.h"

namespace clocksync {

class TClockSync final : private IClockSyncEngine {
public:
    using ClockSetter = std::function<ClockSetResult(core::TDateTime)>;

    // Create on the window thread; the window outlives this object.
    TClockSync(IClockSyncWindow& window, ClockSetter setLocalClock);
    // Ends a running exchange and its worker at once without touching the window.
    ~TClockSync() override;
    TClockSync(const TClockSync&) = delete;
    TClockSync& operator=(const TClockSync&) = delete;

    // The time client; its properties may be set while no synchronisation runs.
    TIdTime& IdTimeSync() { return client_; }

    // Starts a synchronisation with `host`; false while one runs.
    bool Start(const std::string& host, SyncWording wording);
    // Ends a running synchronisation at once: no report, no clock change.
    void Stop() { procedure_.Stop(); }
    bool Running() const { return procedure_.Running(); }

private:
    void StartQuery() override;
    void CancelQuery() override;
    ClockSetResult SetLocalClock(core::TDateTime value) override { return setLocalClock_(value); }

    void Work() noexcept; // the worker thread
    void Deliver();       // the window thread, handed over by the worker
    void JoinWorker();

    ClockSyncProcedure procedure_;
    ClockSetter setLocalClock_;
    TIdTime client_;
    std::unique_ptr<tk::HandOver> handOver_;
    std::thread worker_;
    // Written by the worker before each hand-over, read by the window thread during it.
    std::optional<core::TDateTime> result_;
    QueryError failure_{"", QueryFailure::Other};
    // Set by the window thread during a hand-over: the worker runs another exchange.
    bool again_ = false;
    bool delivering_ = false;
};

} // namespace clocksync
