#include "app/CountdownSpan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace core;

namespace {

struct ClampCase {
    const char* what;
    TDateTime stored;
    int year, month, day; // the date the picker gets
};

TEST(CountdownSpan, MovesTheDateIntoThePickersRangeAndKeepsTheTimeOfDay) {
    const TDateTime time = EncodeTime(1, 30, 15, 250);
    const ClampCase cases[] = {
        {"year 1", CombineDateTime(EncodeDate(1, 1, 1), time), 1752, 9, 14},
        {"the day before the first", CombineDateTime(EncodeDate(1752, 9, 13), time), 1752, 9, 14},
        {"the first day", CombineDateTime(EncodeDate(1752, 9, 14), time), 1752, 9, 14},
        {"the default", CombineDateTime(EncodeDate(2003, 6, 21), time), 2003, 6, 21},
        {"the day of the epoch", time, 1899, 12, 30},
        {"before the epoch", CombineDateTime(EncodeDate(1899, 12, 29), time), 1899, 12, 29},
        {"the last day any time is taken", CombineDateTime(EncodeDate(9999, 12, 30), time), 9999, 12, 30},
        {"the very last day", CombineDateTime(EncodeDate(9999, 12, 31), time), 9999, 12, 30},
        {"past year 9999", 3.0e6 + time, 9999, 12, 30},
        {"far before year 1", -1.0e6 - time, 1752, 9, 14},
    };
    for (const auto& c : cases) {
        const DateTimeParts p = DecodeDateTime(ClampToPickerRange(c.stored));
        EXPECT_EQ(p.Year, c.year) << c.what;
        EXPECT_EQ(p.Month, c.month) << c.what;
        EXPECT_EQ(p.Day, c.day) << c.what;
        EXPECT_EQ(p.Hour * 3600000 + p.Minute * 60000 + p.Second * 1000 + p.MSec, 5415250) << c.what;
    }
}

TEST(CountdownSpan, KeepsValuesInsideTheRangeBitForBit) {
    for (const TDateTime value : {0.0, -0.25, 0.5, 37793.0416666667, -53688.5, 2958464.999999})
        EXPECT_EQ(ClampToPickerRange(value), value) << value;
}

TEST(CountdownSpan, ValuesThatAreNoNumberGiveNoSpan) {
    for (const double value :
         {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(ClampToPickerRange(value), 0.0) << value;
}

TEST(CountdownSpan, TheLastMillisecondStillDecodesInsideTheRange) {
    // 23:59:59.9996 rounds to the next midnight, the last moment the picker takes.
    const TDateTime lastMoment = CombineDateTime(EncodeDate(9999, 12, 31), 0.99999999537);
    const DateTimeParts p = DecodeDateTime(ClampToPickerRange(lastMoment));
    EXPECT_EQ(p.Year, 9999);
    EXPECT_EQ(p.Month, 12);
    EXPECT_EQ(p.Day, 31);
    EXPECT_EQ(p.Hour + p.Minute + p.Second + p.MSec, 0);
}

} // namespace
