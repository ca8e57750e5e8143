#pragma once
// The local time zone and the computer's clock.
#include "clocksync/ClockSyncReport.h"
#include "core/DateTime.h"

namespace clocksync {

// The zone's offset from UTC now, in days, positive west of Greenwich
// (UTC = local time + offset). Raises core::Error with the system's message
// when the zone cannot be read.
double LocalZoneOffset();

// Sets the computer's clock to a local date-time. On the NT family the
// system-time privilege is turned on for the call and put back as it was
// afterwards. A refusal comes back with the system's reason.
ClockSetResult SetLocalClock(core::TDateTime value, bool isNTPlatform);

} // namespace clocksync
