#pragma once

#include <string>

namespace core {

// The regional formats the program shows and reads dates, times and numbers in.
// Member defaults are the US-like formats used when nothing better is known.
struct TFormatSettings {
    // d, dd, M, MM, y, yy, yyyy, text in single quotes; '/' stands for DateSeparator.
    std::string ShortDateFormat = "M/d/yyyy";
    char DateSeparator = '/';
    char TimeSeparator = ':';
    bool LeadingZeroHours = false;
    bool TwelveHourClock = true;
    std::string AmDesignator = "AM";
    std::string PmDesignator = "PM";
    bool AmPmBeforeTime = false;
    char DecimalSeparator = '.';
};

inline const TFormatSettings DefaultFormatSettings{};

} // namespace core
