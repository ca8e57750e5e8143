#include "core/DateTimeText.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <string>

using namespace core;

namespace {

TFormatSettings German() {
    TFormatSettings fs;
    fs.ShortDateFormat = "dd.MM.yyyy";
    fs.DateSeparator = '.';
    fs.TimeSeparator = ':';
    fs.LeadingZeroHours = true;
    fs.TwelveHourClock = false;
    fs.AmDesignator = "";
    fs.PmDesignator = "";
    fs.DecimalSeparator = ',';
    return fs;
}

const TFormatSettings Us = DefaultFormatSettings;

// Year first, designator before the time.
TFormatSettings IsoWithPrefix() {
    TFormatSettings fs;
    fs.ShortDateFormat = "yyyy-MM-dd";
    fs.DateSeparator = '-';
    fs.AmDesignator = "a.m.";
    fs.PmDesignator = "p.m.";
    fs.AmPmBeforeTime = true;
    return fs;
}

// Blanks and a closing separator in the pattern.
TFormatSettings YearFirstSpaced() {
    TFormatSettings fs;
    fs.ShortDateFormat = "yyyy. M. d.";
    fs.DateSeparator = '.';
    fs.AmPmBeforeTime = true;
    return fs;
}

TFormatSettings TwelveHourLeadingZero() {
    TFormatSettings fs;
    fs.LeadingZeroHours = true;
    return fs;
}

std::string ErrorText(const auto& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

struct TimeTextCase {
    TFormatSettings fs;
    int hour, minute, second, msec;
    const char* expected;
};

TEST(DateTimeText, TimeText) {
    const TimeTextCase cases[] = {
        {Us, 0, 0, 0, 0, "12:00:00 AM"},
        {Us, 0, 5, 9, 0, "12:05:09 AM"},
        {Us, 11, 59, 59, 999, "11:59:59 AM"}, // milliseconds are dropped, not rounded
        {Us, 12, 0, 0, 0, "12:00:00 PM"},
        {Us, 13, 5, 9, 0, "1:05:09 PM"},
        {Us, 23, 59, 59, 0, "11:59:59 PM"},
        {German(), 0, 0, 0, 0, "00:00:00"},
        {German(), 9, 7, 3, 0, "09:07:03"},
        {German(), 23, 59, 59, 999, "23:59:59"},
        {IsoWithPrefix(), 13, 5, 9, 0, "p.m. 1:05:09"},
        {IsoWithPrefix(), 9, 5, 9, 0, "a.m. 9:05:09"},
        {TwelveHourLeadingZero(), 13, 5, 9, 0, "01:05:09 PM"},
    };
    for (const auto& c : cases) {
        const TDateTime t = EncodeDateTime(2024, 2, 29, c.hour, c.minute, c.second, c.msec);
        EXPECT_EQ(TimeText(t, c.fs), c.expected);
    }
}

struct DateTextCase {
    const char* pattern;
    char separator;
    int year, month, day;
    const char* expected;
};

TEST(DateTimeText, DateText) {
    const DateTextCase cases[] = {
        {"dd.MM.yyyy", '.', 2025, 6, 5, "05.06.2025"},
        {"d.M.yyyy", '.', 2025, 6, 5, "5.6.2025"},
        {"M/d/yyyy", '/', 2025, 6, 5, "6/5/2025"},
        {"M/d/yyyy", '-', 2025, 12, 24, "12-24-2025"},
        {"dd/MM/yy", '/', 2005, 11, 30, "30/11/05"},
        {"d/M/y", '/', 2005, 11, 30, "30/11/5"},
        {"yyyy-MM-dd", '-', 987, 1, 2, "0987-01-02"},
        {"yyyy'y'M'm'd'd'", '/', 2025, 6, 5, "2025y6m5d"},
        {"'It''s' d", '/', 2025, 6, 5, "It's 5"},
        {"ddd, MMM d yyyy", '/', 2025, 6, 5, "Thu, Jun 5 2025"},
        {"dddd d MMMM", '/', 2024, 2, 29, "Thursday 29 February"},
        {"yyyy. M. d.", '.', 2025, 6, 5, "2025. 6. 5."},
    };
    for (const auto& c : cases) {
        TFormatSettings fs;
        fs.ShortDateFormat = c.pattern;
        fs.DateSeparator = c.separator;
        EXPECT_EQ(DateText(CombineDateTime(EncodeDate(c.year, c.month, c.day), 0.75), fs), c.expected)
            << c.pattern;
    }
    EXPECT_EQ(DateIsLessThanMinimumText(EncodeDate(2025, 6, 5), German()),
              "Date is less than minimum of 05.06.2025");
    EXPECT_EQ(DateIsLessThanMinimumText(EncodeDate(2025, 6, 5), Us), "Date is less than minimum of 6/5/2025");
}

struct StrToTimeCase {
    TFormatSettings fs;
    const char* text;
    int hour, minute, second;
};

TEST(DateTimeText, StrToTimeAccepts) {
    const StrToTimeCase cases[] = {
        {Us, "1:05 PM", 13, 5, 0},
        {Us, "1:05:09 pm", 13, 5, 9},
        {Us, "1:05PM", 13, 5, 0},
        {Us, "PM 1:05", 13, 5, 0},
        {Us, "12:00 AM", 0, 0, 0},
        {Us, "12:30 PM", 12, 30, 0},
        {Us, "11:59:59 PM", 23, 59, 59},
        {Us, "13:05", 13, 5, 0}, // no designator: read as a 24-hour time
        {Us, "  9:30  ", 9, 30, 0},
        {German(), "00:00", 0, 0, 0},
        {German(), "00:00:00", 0, 0, 0},
        {German(), "23:59:59", 23, 59, 59},
        {German(), "7:5", 7, 5, 0},
        {German(), "10:30 PM", 22, 30, 0},
        {IsoWithPrefix(), "p.m. 1:05:09", 13, 5, 9},
        {IsoWithPrefix(), "P.M.1:05", 13, 5, 0},
        {IsoWithPrefix(), "1:05 a.m.", 1, 5, 0},
        {IsoWithPrefix(), "12:05 am", 0, 5, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime t = -1;
        ASSERT_NO_THROW(t = StrToTime(c.text, c.fs));
        EXPECT_EQ(t, EncodeTime(c.hour, c.minute, c.second, 0));
    }
}

TEST(DateTimeText, StrToTimeRejects) {
    const char* usBad[] = {"",         "   ",      "24:00",       "25:00",      "10:61", "10:30:60",
                           "13:00 PM", "0:30 AM",  "10",          "10:",        ":30",   "10:30:00:00",
                           "10.30",    "1 0:30",   "10:3O",       "+10:30",     "-1:00", "100:00",
                           "AM",       "10:30 XM", "PM 10:30 PM", "10:30 AMPM", "10::30"};
    for (const char* text : usBad)
        EXPECT_EQ(ErrorText([&] { StrToTime(text, Us); }), "'" + std::string(text) + "' is not a valid time");
    const char* germanBad[] = {"24:00:00", "10.30", "12:00:-1"};
    for (const char* text : germanBad) EXPECT_THROW(StrToTime(text, German()), Error) << text;
    EXPECT_EQ(ErrorText([] { StrToTime("25:00", German()); }), "'25:00' is not a valid time");
    EXPECT_EQ(ErrorText([] { StrToTime("", German()); }), "'' is not a valid time");
}

TEST(DateTimeText, EveryTimeOfDayRoundTrips) {
    for (const TFormatSettings& fs : {Us, German(), IsoWithPrefix(), TwelveHourLeadingZero()}) {
        // A step prime to 60 reaches every hour, minute and second value.
        constexpr int Step = 7;
        for (int second = 0; second < SecondsPerDay; second += Step) {
            const TDateTime t = static_cast<double>(second) / SecondsPerDay;
            const std::string text = TimeText(40000 + t, fs);
            ASSERT_EQ(StrToTime(text, fs), EncodeTime(second / 3600, second / 60 % 60, second % 60, 0))
                << text;
        }
    }
}

struct StrToDateCase {
    TFormatSettings fs;
    const char* text;
    int year, month, day;
};

TEST(DateTimeText, StrToDateAccepts) {
    const StrToDateCase cases[] = {
        {German(), "24.12.2025", 2025, 12, 24},
        {German(), "1.2.2026", 2026, 2, 1},
        {German(), " 24.12 ", 2025, 12, 24}, // no year: this year
        {German(), "24.12.", 2025, 12, 24},
        {German(), "24.12.2025.", 2025, 12, 24},
        {German(), "1. 2. 2026", 2026, 2, 1},
        {German(), "29.02.2000", 2000, 2, 29},
        {German(), "24.12.30", 2030, 12, 24},
        {German(), "24.12.75", 1975, 12, 24}, // 50 years back at most
        {German(), "24.12.74", 2074, 12, 24}, // 49 years ahead at most
        {German(), "1.1.0030", 30, 1, 1},
        {German(), "1.1.030", 30, 1, 1},
        {German(), "1.1.0", 2000, 1, 1},
        {Us, "12/24/2025", 2025, 12, 24},
        {Us, "2/29/2024", 2024, 2, 29},
        {Us, "12/24", 2025, 12, 24},
        {IsoWithPrefix(), "2025-12-24", 2025, 12, 24},
        {IsoWithPrefix(), "12-24", 2025, 12, 24},
        {IsoWithPrefix(), "99-1-2", 1999, 1, 2},
        {YearFirstSpaced(), "2025. 12. 24.", 2025, 12, 24},
    };
    const TDateTime today = EncodeDateTime(2025, 6, 15, 13, 0, 0, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TDateTime t = -1;
        ASSERT_NO_THROW(t = StrToDate(c.text, c.fs, today));
        EXPECT_EQ(t, EncodeDate(c.year, c.month, c.day));
    }
}

TEST(DateTimeText, StrToDateRejects) {
    const TDateTime today = EncodeDate(2025, 6, 15);
    const char* germanBad[] = {"",           "  ",         "29.02.1900", "29.02.2100", "31.04.2025",
                               "24..",       "1..2025",    "1.2.3.4",    "a.b.c",      "123.1.2025",
                               "1.1.12345",  "24/12/2025", "0.1.2025",   "1.13.2025",  "1.1.-5",
                               "1.1.2025..", "24",         "1 1.2025"};
    for (const char* text : germanBad) {
        EXPECT_EQ(ErrorText([&] { StrToDate(text, German(), today); }),
                  "'" + std::string(text) + "' is not a valid date");
    }
    const char* usBad[] = {"24/12/2025", "2/29/2025", "13/1"};
    for (const char* text : usBad) EXPECT_THROW(StrToDate(text, Us, today), Error) << text;
}

TEST(DateTimeText, DatesRoundTripInTheirOwnFormat) {
    const TDateTime today = EncodeDate(2025, 6, 15);
    for (const TFormatSettings& fs : {Us, German(), IsoWithPrefix(), YearFirstSpaced()}) {
        for (TDateTime day = EncodeDate(1996, 1, 1); day <= EncodeDate(2104, 12, 31); day += 3) {
            const std::string text = DateText(day + 0.5, fs);
            ASSERT_EQ(StrToDate(text, fs, today), day) << text;
        }
    }
}

} // namespace
