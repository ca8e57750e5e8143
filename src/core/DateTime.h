#pragma once

#include <cstdint>

namespace core {

// Days since 30 December 1899 00:00; the fraction is the time of day. Before that day the
// whole part counts back and the fraction still runs forward from midnight, so 29 Dec 1899
// 06:00 is -1.25.
using TDateTime = double;

inline constexpr int HoursPerDay = 24;
inline constexpr int MinutesPerHour = 60;
inline constexpr int SecondsPerMinute = 60;
inline constexpr int MSecsPerSecond = 1000;
inline constexpr int MinutesPerDay = HoursPerDay * MinutesPerHour;
inline constexpr int SecondsPerDay = MinutesPerDay * SecondsPerMinute;
inline constexpr int MSecsPerDay = SecondsPerDay * MSecsPerSecond;
inline constexpr double OneMillisecond = 1.0 / MSecsPerDay;

inline constexpr int MinYear = 1;
inline constexpr int MaxYear = 9999;

// 1 January 1900 00:00, the time protocol's epoch.
inline constexpr TDateTime TimeProtocolEpoch = 2.0;

// Whole seconds from a to b, either way round, truncated toward zero.
std::int64_t SecondsBetween(TDateTime a, TDateTime b);

// a is later than b by at least one millisecond; closer date-times count as equal.
bool IsLater(TDateTime a, TDateTime b);
bool IsSameMoment(TDateTime a, TDateTime b);
// -1 when a is earlier than b, 1 when later, 0 when they count as equal.
int CompareDateTime(TDateTime a, TDateTime b);

TDateTime IncDay(TDateTime t, std::int64_t days);
TDateTime IncHour(TDateTime t, std::int64_t hours);
TDateTime IncMinute(TDateTime t, std::int64_t minutes);
TDateTime IncSecond(TDateTime t, std::int64_t seconds);

// The date with no time of day (the whole part, truncated toward zero).
TDateTime DateOf(TDateTime t);
// The time of day as a fraction 0 <= f < 1, whatever the sign of t.
TDateTime TimeOf(TDateTime t);
// Date of `date`, time of day of `time`.
TDateTime CombineDateTime(TDateTime date, TDateTime time);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month); // 0 for a month outside 1..12

// The Try forms return false for a field out of range (month 13, 29 Feb 1900, hour 24 ...);
// the plain forms raise core::Error.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec,
                       TDateTime& result);
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);

enum class DayOfWeek { Sunday = 1, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

struct DateTimeParts {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MSec = 0;
    DayOfWeek WeekDay = DayOfWeek::Sunday;
};

// The time of day is rounded to the nearest millisecond; 23:59:59.9996 is the next day's
// midnight. False (or core::Error) outside years 1..9999 and for values that are no number.
bool TryDecodeDateTime(TDateTime t, DateTimeParts& parts);
DateTimeParts DecodeDateTime(TDateTime t);

} // namespace core
