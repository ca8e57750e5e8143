#include "core/DateTime.h"

#include "core/Error.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {
namespace {

constexpr int MonthsPerYear = 12;
constexpr int DaysPerYear = 365;
constexpr int DaysPer4Years = DaysPerYear * 4 + 1;
constexpr int DaysPer100Years = DaysPer4Years * 25 - 1;
constexpr int DaysPer400Years = DaysPer100Years * 4 + 1;
constexpr int DaysInWeek = 7;

constexpr int MonthLengths[MonthsPerYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool LeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

constexpr int MonthLength(int year, int month) {
    return month == 2 && LeapYear(year) ? MonthLengths[1] + 1 : MonthLengths[month - 1];
}

// Days from 1 January of year 1 (day 1) to the given date, proleptic Gregorian.
constexpr std::int64_t DayNumber(int year, int month, int day) {
    const std::int64_t y = year - 1;
    std::int64_t n = y * DaysPerYear + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m) n += MonthLength(year, m);
    return n + day;
}

constexpr std::int64_t EpochDayNumber = DayNumber(1899, 12, 30);
constexpr std::int64_t MinSerialDay = DayNumber(MinYear, 1, 1) - EpochDayNumber;
constexpr std::int64_t MaxSerialDay = DayNumber(MaxYear, 12, 31) - EpochDayNumber;
constexpr DayOfWeek EpochWeekDay = DayOfWeek::Saturday;

// Date-times carry rounding noise of a few units in the last place: 12:00:00.001 minus
// 12:00:00.000, both encoded for some date, can come out a hair under one millisecond, and 25
// seconds a hair under 25. Comparisons allow for that much and no more.
constexpr double SlackUlps = 4.0;

double RoundingSlack(double a, double b) {
    const double magnitude = std::max({std::fabs(a), std::fabs(b), 1.0});
    return SlackUlps * (std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude);
}

void DecodeDayNumber(std::int64_t serial, DateTimeParts& parts) {
    std::int64_t t = serial + EpochDayNumber - 1; // days since 1 Jan of year 1, 0-based
    const std::int64_t cycles400 = t / DaysPer400Years;
    t %= DaysPer400Years;
    const std::int64_t cycles100 = std::min<std::int64_t>(t / DaysPer100Years, 3);
    t -= cycles100 * DaysPer100Years;
    const std::int64_t cycles4 = t / DaysPer4Years;
    t %= DaysPer4Years;
    const std::int64_t years = std::min<std::int64_t>(t / DaysPerYear, 3);
    t -= years * DaysPerYear;

    parts.Year = static_cast<int>(cycles400 * 400 + cycles100 * 100 + cycles4 * 4 + years + 1);
    int month = 1;
    while (t >= MonthLength(parts.Year, month)) {
        t -= MonthLength(parts.Year, month);
        ++month;
    }
    parts.Month = month;
    parts.Day = static_cast<int>(t) + 1;

    const std::int64_t fromEpoch = ((serial % DaysInWeek) + DaysInWeek) % DaysInWeek;
    parts.WeekDay = static_cast<DayOfWeek>((static_cast<int>(EpochWeekDay) - 1 + fromEpoch) % DaysInWeek + 1);
}

} // namespace

std::int64_t SecondsBetween(TDateTime a, TDateTime b) {
    return TruncToInt64((std::fabs(a - b) + RoundingSlack(a, b)) * SecondsPerDay);
}

bool IsLater(TDateTime a, TDateTime b) { return a - b >= OneMillisecond - RoundingSlack(a, b); }

bool IsSameMoment(TDateTime a, TDateTime b) { return CompareDateTime(a, b) == 0; }

int CompareDateTime(TDateTime a, TDateTime b) {
    if (IsLater(a, b)) return 1;
    if (IsLater(b, a)) return -1;
    return 0;
}

TDateTime IncDay(TDateTime t, std::int64_t days) { return t + static_cast<double>(days); }

TDateTime IncHour(TDateTime t, std::int64_t hours) {
    return (t * HoursPerDay + static_cast<double>(hours)) / HoursPerDay;
}

TDateTime IncMinute(TDateTime t, std::int64_t minutes) {
    return (t * MinutesPerDay + static_cast<double>(minutes)) / MinutesPerDay;
}

TDateTime IncSecond(TDateTime t, std::int64_t seconds) {
    return (t * SecondsPerDay + static_cast<double>(seconds)) / SecondsPerDay;
}

TDateTime DateOf(TDateTime t) { return std::trunc(t); }

TDateTime TimeOf(TDateTime t) { return std::fabs(t - std::trunc(t)); }

TDateTime CombineDateTime(TDateTime date, TDateTime time) {
    const double day = DateOf(date);
    const double fraction = TimeOf(time);
    return day < 0 ? day - fraction : day + fraction;
}

bool IsLeapYear(int year) { return LeapYear(year); }

int DaysInMonth(int year, int month) {
    return month >= 1 && month <= MonthsPerYear ? MonthLength(year, month) : 0;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (year < MinYear || year > MaxYear || month < 1 || month > MonthsPerYear || day < 1 ||
        day > MonthLength(year, month))
        return false;
    result = static_cast<double>(DayNumber(year, month, day) - EpochDayNumber);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result) {
    if (hour < 0 || hour >= HoursPerDay || minute < 0 || minute >= MinutesPerHour || second < 0 ||
        second >= SecondsPerMinute || msec < 0 || msec >= MSecsPerSecond)
        return false;
    const int total = ((hour * MinutesPerHour + minute) * SecondsPerMinute + second) * MSecsPerSecond + msec;
    result = static_cast<double>(total) / MSecsPerDay;
    return true;
}

bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec,
                       TDateTime& result) {
    TDateTime date = 0;
    TDateTime time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, msec, time))
        return false;
    result = CombineDateTime(date, time);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result)) throw Error("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime result = 0;
    if (!TryEncodeTime(hour, minute, second, msec, result)) throw Error("Invalid argument to time encode");
    return result;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec) {
    return CombineDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, msec));
}

bool TryDecodeDateTime(TDateTime t, DateTimeParts& parts) {
    if (!std::isfinite(t)) return false;
    const double whole = std::trunc(t);
    if (whole < static_cast<double>(MinSerialDay) || whole > static_cast<double>(MaxSerialDay)) return false;
    auto day = static_cast<std::int64_t>(whole);
    auto msec = std::llround(std::fabs(t - whole) * MSecsPerDay);
    if (msec >= MSecsPerDay) { // rounded up to the next midnight
        msec -= MSecsPerDay;
        if (++day > MaxSerialDay) return false;
    }
    DecodeDayNumber(day, parts);
    const auto ms = static_cast<int>(msec);
    parts.MSec = ms % MSecsPerSecond;
    parts.Second = ms / MSecsPerSecond % SecondsPerMinute;
    parts.Minute = ms / (MSecsPerSecond * SecondsPerMinute) % MinutesPerHour;
    parts.Hour = ms / (MSecsPerSecond * SecondsPerMinute * MinutesPerHour);
    return true;
}

DateTimeParts DecodeDateTime(TDateTime t) {
    DateTimeParts parts;
    if (!TryDecodeDateTime(t, parts)) throw Error("Invalid argument to date decode");
    return parts;
}

} // namespace core
