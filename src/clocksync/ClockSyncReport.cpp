#include "clocksync/ClockSyncReport.h"

#include <cmath>

#include "core/Rounding.h"

namespace clocksync {

std::string AttemptText(int attempt, const SyncWording& wording) {
    return wording.attempt + std::to_string(attempt) + wording.ofTen;
}

std::string DifferenceSentence(core::TDateTime now, core::TDateTime serverTime, const SyncWording& wording) {
    const int order = core::CompareDateTime(now, serverTime);
    if (order == 0) return wording.clockRight;
    const double seconds = std::fabs(now - serverTime) * core::SecondsPerDay;
    return wording.clockWas + core::FormatFixed3(seconds, wording.decimalSeparator) +
           (order < 0 ? wording.secondsSlow : wording.secondsFast);
}

std::string SyncReport(core::TDateTime now, core::TDateTime serverTime, const ClockSetResult& set,
                       const SyncWording& wording) {
    const std::string difference = DifferenceSentence(now, serverTime, wording);
    if (set.accepted) return wording.clockMatch + difference;
    return wording.clockNotSet + set.reason + " " + difference;
}

std::string FailureReport(const std::string& server, const QueryError& failure, const SyncWording& wording) {
    std::string reason;
    switch (failure.failure()) {
    case QueryFailure::Refused: reason = wording.refused; break;
    case QueryFailure::TimedOut: reason = wording.timedOut; break;
    case QueryFailure::NameNotFound: reason = wording.nameNotFound; break;
    case QueryFailure::ClosedWithoutData: reason = wording.closedWithoutData; break;
    case QueryFailure::Other:
        reason = wording.unreachable + (failure.text().empty() ? "." : ": " + failure.text());
        break;
    }
    return wording.failed + "\n" + wording.timeServer + server + reason;
}

} // namespace clocksync
