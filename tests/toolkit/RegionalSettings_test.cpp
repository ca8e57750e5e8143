#include "toolkit/RegionalSettings.h"

#include "core/DateTimeText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace core;
using tk::ReadRegionalSettings;

namespace {

// The locale name the process runs under. Wine takes the user's regional formats from it.
std::string ProcessLocale() {
    for (const char* variable : {"LC_ALL", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            const std::string name = value;
            return name.substr(0, name.find('.'));
        }
    }
    return "C";
}

struct KnownLocale {
    const char* name;
    const char* shortDateFormat;
    char dateSeparator;
    bool leadingZeroHours;
    bool twelveHourClock;
    char decimalSeparator;
};

// What Wine reports for these locales, as Windows does for the same regions.
const KnownLocale KnownLocales[] = {
    {"C", "M/d/yyyy", '/', false, true, '.'},       {"POSIX", "M/d/yyyy", '/', false, true, '.'},
    {"en_US", "M/d/yyyy", '/', false, true, '.'},   {"de_DE", "d.M.yyyy", '.', true, false, ','},
    {"en_GB", "dd/MM/yyyy", '/', true, false, '.'},
};

TEST(RegionalSettings, MatchesTheProcessLocale) {
    const std::string locale = ProcessLocale();
    const KnownLocale* known = nullptr;
    for (const auto& k : KnownLocales)
        if (locale == k.name) known = &k;
    if (known == nullptr) GTEST_SKIP() << "no expectations for locale " << locale;

    const TFormatSettings fs = ReadRegionalSettings();
    EXPECT_EQ(fs.ShortDateFormat, known->shortDateFormat) << locale;
    EXPECT_EQ(fs.DateSeparator, known->dateSeparator) << locale;
    EXPECT_EQ(fs.TimeSeparator, ':') << locale;
    EXPECT_EQ(fs.LeadingZeroHours, known->leadingZeroHours) << locale;
    EXPECT_EQ(fs.TwelveHourClock, known->twelveHourClock) << locale;
    EXPECT_EQ(fs.DecimalSeparator, known->decimalSeparator) << locale;
    if (known->twelveHourClock) {
        EXPECT_EQ(fs.AmDesignator, "AM");
        EXPECT_EQ(fs.PmDesignator, "PM");
        EXPECT_FALSE(fs.AmPmBeforeTime);
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

TEST(RegionalSettings, FieldsFitTogether) {
    const TFormatSettings fs = ReadRegionalSettings();
    for (const char letter : {'d', 'M', 'y'})
        EXPECT_NE(fs.ShortDateFormat.find(letter), std::string::npos) << fs.ShortDateFormat;
    // The pattern either spells the separator out or uses the '/' placeholder for it.
    EXPECT_TRUE(fs.ShortDateFormat.find(fs.DateSeparator) != std::string::npos ||
                fs.ShortDateFormat.find('/') != std::string::npos)
        << fs.ShortDateFormat << " / " << fs.DateSeparator;
    for (const char separator : {fs.DateSeparator, fs.TimeSeparator, fs.DecimalSeparator}) {
        EXPECT_NE(separator, '\0');
        EXPECT_FALSE(IsDigit(separator)) << separator;
    }
    if (fs.TwelveHourClock) {
        EXPECT_FALSE(fs.AmDesignator.empty());
        EXPECT_FALSE(fs.PmDesignator.empty());
        EXPECT_NE(fs.AmDesignator, fs.PmDesignator);
    }
}

TEST(RegionalSettings, TimeTextReadsBack) {
    const TFormatSettings fs = ReadRegionalSettings();
    constexpr int StepSeconds = 59; // prime to 60: every hour, minute and second value comes up
    for (int second = 0; second < SecondsPerDay; second += StepSeconds) {
        const TDateTime time = static_cast<double>(second) / SecondsPerDay;
        const std::string text = TimeText(45000 + time, fs);
        ASSERT_EQ(StrToTime(text, fs), EncodeTime(second / 3600, second / 60 % 60, second % 60, 0)) << text;
    }
}

TEST(RegionalSettings, DateTextReadsBack) {
    const TFormatSettings fs = ReadRegionalSettings();
    if (fs.ShortDateFormat.find("MMM") != std::string::npos ||
        fs.ShortDateFormat.find("ddd") != std::string::npos)
        GTEST_SKIP() << "names in the short date pattern " << fs.ShortDateFormat;
    const TDateTime today = EncodeDate(2025, 6, 15);
    for (TDateTime day = EncodeDate(2000, 1, 1); day < EncodeDate(2050, 1, 1); day += 3) {
        const std::string text = DateText(day, fs);
        ASSERT_EQ(StrToDate(text, fs, today), day) << text;
    }
}

} // namespace
