#pragma once
// The English texts of the string table, for tests of the report.
#include "clocksync/ClockSyncReport.h"

inline clocksync::SyncWording EnglishSyncWording(char decimalSeparator = '.') {
    clocksync::SyncWording w;
    w.attempt = "Attempt ";
    w.ofTen = " of 10";
    w.clockWas = "The clock was ";
    w.secondsFast = " seconds fast.";
    w.clockRight = "The clock is right.";
    w.secondsSlow = " seconds slow.";
    w.clockMatch = "Clock match! ";
    w.failed = "Failed to adjust...";
    w.clockNotSet = "The clock was not set: ";
    w.timeServer = "Time server ";
    w.refused = " refused the connection.";
    w.timedOut = " did not answer in time.";
    w.nameNotFound = " could not be found: no computer has this name.";
    w.closedWithoutData = " closed the connection without sending the time.";
    w.unreachable = " could not be reached";
    w.decimalSeparator = decimalSeparator;
    return w;
}
