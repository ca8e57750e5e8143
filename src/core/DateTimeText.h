#pragma once

#include "core/DateTime.h"
#include "core/FormatSettings.h"

#include <string>
#include <string_view>

namespace core {

// The date in the short date pattern: d, dd (day), M, MM (month), MMM, MMMM (English month
// names), y, yy (year of the century), yyyy (full year), '/' for the date separator, text in
// single quotes as it stands; any other character is copied.
std::string DateText(TDateTime t, const TFormatSettings& fs);

// Hours, minutes and seconds with the time separator; the hour has two digits only with
// LeadingZeroHours; on a 12-hour clock the hour runs 1..12 and the designator stands before
// or after the time, one blank apart.
std::string TimeText(TDateTime t, const TFormatSettings& fs);

// A time of day: hours and minutes, optionally seconds, one or two digits each, separated by
// the time separator. A designator (the regional ones, or AM/PM in any case) may stand before
// or after the time and then asks for hours 1..12. Blanks before and after the text and
// between the time and the designator are allowed.
// Returns the fraction of the day; raises core::Error "'<text>' is not a valid time".
TDateTime StrToTime(std::string_view text, const TFormatSettings& fs);

// A date in the order of the short date pattern (day-month-year, month-day-year or
// year-month-day), parts separated by the date separator: day and month of one or two digits,
// the year of up to four. Blanks around the parts and one separator after the last part are
// allowed ("24.12."). Without a year, the year of `today`.
// A year of one or two digits is taken within 50 years of today's year: from 50 years before
// it to 49 years after. Returns the whole day; raises core::Error "'<text>' is not a valid date".
TDateTime StrToDate(std::string_view text, const TFormatSettings& fs, TDateTime today);

std::string InvalidTimeText(std::string_view text);
std::string InvalidDateText(std::string_view text);
// "Date is less than minimum of <date text of minimum>".
std::string DateIsLessThanMinimumText(TDateTime minimum, const TFormatSettings& fs);

} // namespace core
