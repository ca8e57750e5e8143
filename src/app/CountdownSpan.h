#pragma once

#include "core/DateTime.h"

// The countdown picker shows and gives back a whole date-time, of which only the time of day
// counts. A date-time picker accepts dates from 14 September 1752 to 31 December 9999 00:00
// (the narrowest range among the platforms we run on); given anything else it keeps showing
// its old value while the program holds the new one, so the window would show one span and
// arm another.

// The first and last dates that every picker accepts with any time of day.
core::TDateTime FirstPickerDate();
core::TDateTime LastPickerDate();

// A stored countdown value moved into that range: a date before it becomes the first date,
// a date after it the last one, and the time of day stays. A value already inside comes back
// unchanged; a value that is no number gives 0 (no span).
core::TDateTime ClampToPickerRange(core::TDateTime value);
