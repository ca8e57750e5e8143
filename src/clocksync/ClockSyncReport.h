#pragma once
// The texts a clock synchronisation shows: the attempt counter and the report.
#include <string>

#include "clocksync/QueryFailure.h"
#include "core/DateTime.h"

namespace clocksync {

inline constexpr int kMaxAttempts = 10;

// The string table's texts, and the user's decimal separator for "0.000".
struct SyncWording {
    std::string attempt;     // "Attempt "
    std::string ofTen;       // " of 10"
    std::string clockWas;    // "The clock was "
    std::string secondsFast; // " seconds fast."
    std::string clockRight;  // "The clock is right."
    std::string secondsSlow; // " seconds slow."
    std::string clockMatch;  // "Clock match! "
    std::string failed;      // "Failed to adjust..."
    std::string clockNotSet; // "The clock was not set: "
    // Why it failed: "Time server ", the server's name, then one of these.
    std::string timeServer;        // "Time server "
    std::string refused;           // " refused the connection."
    std::string timedOut;          // " did not answer in time."
    std::string nameNotFound;      // " could not be found: no computer has this name."
    std::string closedWithoutData; // " closed the connection without sending the time."
    std::string unreachable;       // " could not be reached", then the system's reason
    char decimalSeparator = '.';
};

// Whether the system took the new time, and its reason when it did not.
struct ClockSetResult {
    bool accepted = false;
    std::string reason;
};

std::string AttemptText(int attempt, const SyncWording& wording);

// How far the clock was off, in the words of the report: right within one
// millisecond, otherwise slow (now earlier than the server) or fast, by the
// difference in seconds with three decimals.
std::string DifferenceSentence(core::TDateTime now, core::TDateTime serverTime, const SyncWording& wording);

// "Clock match! " and the difference when the clock was set; when the system
// refused, the report says so with the system's reason, then the difference.
std::string SyncReport(core::TDateTime now, core::TDateTime serverTime, const ClockSetResult& set,
                       const SyncWording& wording);

// "Failed to adjust...", and below it the server and why its last exchange
// failed; for a failure of no known kind, the system's own text.
std::string FailureReport(const std::string& server, const QueryError& failure, const SyncWording& wording);

} // namespace clocksync
