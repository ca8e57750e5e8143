#include "core/DateTime.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace core;

namespace {

struct CalendarCase {
    int year, month, day;
    double serial;
    DayOfWeek weekDay;
};

const CalendarCase CalendarCases[] = {
    {1899, 12, 30, 0, DayOfWeek::Saturday},     {1899, 12, 29, -1, DayOfWeek::Friday},
    {1900, 1, 1, 2, DayOfWeek::Monday},         {1900, 3, 1, 61, DayOfWeek::Thursday},
    {2000, 2, 29, 36585, DayOfWeek::Tuesday},   {2003, 6, 21, 37793, DayOfWeek::Saturday},
    {2100, 3, 1, 73110, DayOfWeek::Monday},     {1, 1, 1, -693593, DayOfWeek::Monday},
    {9999, 12, 31, 2958465, DayOfWeek::Friday},
};

TEST(DateTime, EncodesAndDecodesCalendarDates) {
    for (const auto& c : CalendarCases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
        const DateTimeParts p = DecodeDateTime(c.serial);
        EXPECT_EQ(p.Year, c.year);
        EXPECT_EQ(p.Month, c.month);
        EXPECT_EQ(p.Day, c.day);
        EXPECT_EQ(p.WeekDay, c.weekDay);
        EXPECT_EQ(p.Hour + p.Minute + p.Second + p.MSec, 0);
    }
}

TEST(DateTime, EveryDayRoundTripsAndFollowsTheDayBefore) {
    TDateTime previous = EncodeDate(1, 1, 1) - 1;
    for (int year = 1; year <= 9999; year += year < 1700 || year > 2200 ? 97 : 1) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const TDateTime t = EncodeDate(year, month, day);
                const DateTimeParts p = DecodeDateTime(t);
                ASSERT_EQ(p.Year * 10000 + p.Month * 100 + p.Day, year * 10000 + month * 100 + day);
                if (month != 1 || day != 1) {
                    ASSERT_EQ(t, previous + 1) << year << '-' << month << '-' << day;
                }
                previous = t;
            }
        }
    }
}

TEST(DateTime, LeapYears) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(DateTime, RejectsFieldsOutOfRange) {
    const int badDates[][3] = {{1900, 2, 29}, {2100, 2, 29}, {2000, 2, 30}, {2023, 4, 31}, {2023, 13, 1},
                               {2023, 0, 1},  {2023, 1, 0},  {0, 1, 1},     {10000, 1, 1}, {2023, 1, 32}};
    for (const auto& d : badDates) {
        SCOPED_TRACE(testing::Message() << d[0] << '-' << d[1] << '-' << d[2]);
        TDateTime t = 42;
        EXPECT_FALSE(TryEncodeDate(d[0], d[1], d[2], t));
        EXPECT_EQ(t, 42);
        EXPECT_THROW(EncodeDate(d[0], d[1], d[2]), Error);
    }
    const int badTimes[][4] = {{24, 0, 0, 0},    {25, 0, 0, 0}, {10, 60, 0, 0}, {10, 0, 60, 0},
                               {10, 0, 0, 1000}, {-1, 0, 0, 0}, {10, -1, 0, 0}};
    for (const auto& t : badTimes) {
        SCOPED_TRACE(testing::Message() << t[0] << ':' << t[1] << ':' << t[2] << '.' << t[3]);
        TDateTime result = 0;
        EXPECT_FALSE(TryEncodeTime(t[0], t[1], t[2], t[3], result));
        EXPECT_THROW(EncodeDateTime(2023, 1, 1, t[0], t[1], t[2], t[3]), Error);
    }
    EXPECT_EQ(EncodeTime(0, 0, 0, 0), 0.0);
    EXPECT_EQ(EncodeTime(23, 59, 59, 999), (MSecsPerDay - 1.0) / MSecsPerDay);
}

TEST(DateTime, SettingsDefaultAndTimeProtocolEpoch) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(2003, 6, 21, 1, 0, 0, 0), 37793.0 + 1.0 / 24);
    EXPECT_EQ(TimeProtocolEpoch, EncodeDate(1900, 1, 1));
    // 3,558,081,600 seconds after the epoch is 1 October 2012, noon.
    const DateTimeParts p = DecodeDateTime(TimeProtocolEpoch + 3558081600.0 / SecondsPerDay);
    EXPECT_EQ(p.Year * 10000 + p.Month * 100 + p.Day, 20121001);
    EXPECT_EQ(p.Hour, 12);
    EXPECT_EQ(p.Minute + p.Second + p.MSec, 0);
}

TEST(DateTime, DecodeRoundsToTheNearestMillisecond) {
    const TDateTime day = EncodeDate(2024, 2, 29);
    const auto at = [&](double msOfDay) { return DecodeDateTime(day + msOfDay / MSecsPerDay); };

    DateTimeParts p = at(45296789.4); // 12:34:56.789 and 0.4 ms
    EXPECT_EQ(p.Hour, 12);
    EXPECT_EQ(p.Minute, 34);
    EXPECT_EQ(p.Second, 56);
    EXPECT_EQ(p.MSec, 789);
    EXPECT_EQ(at(45296789.6).MSec, 790);
    EXPECT_EQ(at(59999.6).Minute, 1); // 00:00:59.9996 is 00:01:00.000

    p = at(MSecsPerDay - 0.4); // 23:59:59.9996 rounds up into the next day
    EXPECT_EQ(p.Month * 100 + p.Day, 301);
    EXPECT_EQ(p.Hour + p.Minute + p.Second + p.MSec, 0);
    EXPECT_EQ(DecodeDateTime(EncodeDateTime(2024, 2, 29, 23, 59, 59, 999)).MSec, 999);
}

TEST(DateTime, NegativeDateTimesRunForwardThroughTheDay) {
    EXPECT_EQ(DateOf(-1.25), -1.0);
    EXPECT_EQ(TimeOf(-1.25), 0.25);
    EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    const DateTimeParts p = DecodeDateTime(-1.25);
    EXPECT_EQ(p.Year * 10000 + p.Month * 100 + p.Day, 18991229);
    EXPECT_EQ(p.Hour, 6);
    EXPECT_EQ(DateOf(37793.75), 37793.0);
    EXPECT_EQ(TimeOf(37793.75), 0.75);
    EXPECT_EQ(CombineDateTime(37793.75, 40000.25), 37793.25);
    EXPECT_EQ(CombineDateTime(-5.5, 0.25), -5.25);
}

TEST(DateTime, DecodeRejectsValuesOutsideTheCalendar) {
    const double bad[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                          -1e300,       2958466.0,
                          -693594.0,    2958465.99999999999};
    for (const double t : bad) {
        DateTimeParts p;
        EXPECT_FALSE(TryDecodeDateTime(t, p)) << t;
        EXPECT_THROW(DecodeDateTime(t), Error) << t;
    }
}

// Values exactly one millisecond apart must count as later however the encoding rounds them.
TEST(DateTime, OneMillisecondIsLaterLessIsEqual) {
    for (int year = 1950; year <= 2200; year += 3) {
        for (int ms = 0; ms < 999; ms += 37) {
            const TDateTime b = EncodeDateTime(year, 7, 14, 12, 0, 0, ms);
            const TDateTime a = EncodeDateTime(year, 7, 14, 12, 0, 0, ms + 1);
            ASSERT_TRUE(IsLater(a, b)) << year << " ms " << ms;
            ASSERT_FALSE(IsLater(b, a));
            ASSERT_EQ(CompareDateTime(a, b), 1);
            ASSERT_EQ(CompareDateTime(b, a), -1);
            ASSERT_FALSE(IsSameMoment(a, b));
            const TDateTime almost = b + 0.99 * OneMillisecond;
            ASSERT_FALSE(IsLater(almost, b));
            ASSERT_TRUE(IsSameMoment(almost, b));
        }
    }
    const TDateTime noon = EncodeDateTime(2024, 5, 1, 12, 0, 0, 0);
    EXPECT_FALSE(IsLater(noon, noon));
    EXPECT_TRUE(IsSameMoment(noon, noon));
    EXPECT_TRUE(IsLater(EncodeDateTime(2024, 5, 1, 12, 0, 0, 1), noon));
    EXPECT_FALSE(IsLater(std::nan(""), noon));
}

TEST(DateTime, SecondsBetweenTruncatesAndIgnoresOrder) {
    for (int year = 1990; year <= 2100; year += 7) {
        const TDateTime start = EncodeDateTime(year, 3, 1, 10, 0, 0, 0);
        for (int seconds = 0; seconds <= 120; ++seconds) {
            const TDateTime end = EncodeDateTime(year, 3, 1, 10, seconds / 60, seconds % 60, 0);
            ASSERT_EQ(SecondsBetween(end, start), seconds) << year;
            ASSERT_EQ(SecondsBetween(start, end), seconds) << year;
        }
        EXPECT_EQ(SecondsBetween(EncodeDateTime(year, 3, 1, 10, 0, 24, 999), start), 24);
    }
    EXPECT_EQ(SecondsBetween(EncodeDate(2024, 1, 2), EncodeDate(2024, 1, 1)), SecondsPerDay);
    EXPECT_EQ(SecondsBetween(std::nan(""), 1.0), 0);
    EXPECT_EQ(SecondsBetween(1e300, -1e300), std::numeric_limits<std::int64_t>::max());
}

TEST(DateTime, IncrementsAddCalendarSpans) {
    const TDateTime armed = EncodeDateTime(2024, 2, 28, 10, 0, 0, 0);
    // A countdown of 1 day and 01:30:00 armed at 10:00:00.
    const TDateTime target = IncSecond(IncMinute(IncHour(IncDay(armed, 1), 1), 30), 0);
    EXPECT_EQ(CompareDateTime(target, EncodeDateTime(2024, 2, 29, 11, 30, 0, 0)), 0);

    EXPECT_EQ(CompareDateTime(IncHour(armed, 38), EncodeDateTime(2024, 3, 1, 0, 0, 0, 0)), 0);
    EXPECT_EQ(CompareDateTime(IncMinute(armed, -601), EncodeDateTime(2024, 2, 27, 23, 59, 0, 0)), 0);
    EXPECT_EQ(CompareDateTime(IncSecond(armed, 86399), EncodeDateTime(2024, 2, 29, 9, 59, 59, 0)), 0);
    EXPECT_EQ(IncDay(armed, -365), armed - 365);
    EXPECT_EQ(IncHour(1.5, 6), 1.75);
    EXPECT_EQ(IncMinute(1.5, 720), 2.0);
    EXPECT_EQ(IncSecond(0.0, 43200), 0.5);
}

} // namespace
