#include "clocksync/ClockSync.h"

#include <exception>
#include <utility>

#include "toolkit/ErrorReport.h"

namespace clocksync {

TClockSync::TClockSync(IClockSyncWindow& window, ClockSetter setLocalClock)
    : procedure_(window, *this), setLocalClock_(std::move(setLocalClock)) {
    client_.SetBaseDate(core::TimeProtocolEpoch);
    client_.SetReadTimeout(0);
}

TClockSync::~TClockSync() { CancelQuery(); }

bool TClockSync::Start(const std::string& host, SyncWording wording) {
    if (procedure_.Running()) return false;
    // The last synchronisation's worker has handed over its end; let it go
    // before the client is touched.
    JoinWorker();
    client_.SetHost(host);
    return procedure_.Start(std::move(wording), host);
}

void TClockSync::StartQuery() {
    // Asked during a hand-over: the worker waiting in it runs the next exchange.
    if (delivering_) {
        again_ = true;
        return;
    }
    JoinWorker();
    client_.ClearAbort();
    again_ = false;
    handOver_ = std::make_unique<tk::HandOver>([this] { Deliver(); });
    worker_ = std::thread(&TClockSync::Work, this);
}

void TClockSync::CancelQuery() {
    client_.Abort();
    if (handOver_) handOver_->Cancel();
    JoinWorker();
}

void TClockSync::JoinWorker() {
    if (worker_.joinable()) worker_.join();
}

void TClockSync::Work() noexcept {
    try {
        do {
            again_ = false;
            std::optional<core::TDateTime> result;
            // A failed exchange is one failed attempt; the report names the last one's reason.
            try {
                result = client_.QueryServerTime();
            } catch (const QueryError& e) {
                failure_ = e;
            } catch (const std::exception& e) {
                failure_ = QueryError(e.what(), QueryFailure::Other);
            } catch (...) {
                failure_ = QueryError("", QueryFailure::Other);
            }
            result_ = result;
        } while (handOver_->Run() && again_);
    } catch (...) {
        tk::HandleException();
    }
}

void TClockSync::Deliver() {
    delivering_ = true;
    struct Delivered {
        bool& flag;
        ~Delivered() { flag = false; }
    } delivered{delivering_};
    procedure_.QueryDone(result_, failure_);
}

} // namespace clocksync
