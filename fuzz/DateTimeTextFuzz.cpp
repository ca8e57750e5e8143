// The regional date and time patterns: any pattern, separator and designator
// shows any date-time without failing, any text is read or refused with the
// program's own error, and the patterns regional settings use read back what
// they show.
#include "core/DateTime.h"
#include "core/DateTimeText.h"
#include "core/Error.h"
#include "core/FormatSettings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

constexpr std::size_t kLongestText = 40;
// 1 January 0001 and 31 December 9999.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;

core::TDateTime AnyDateTime(FuzzedDataProvider& in) {
    const auto day = in.ConsumeIntegralInRange<std::int64_t>(kFirstDay, kLastDay);
    const auto ms = in.ConsumeIntegralInRange<int>(0, core::MSecsPerDay - 1);
    return core::CombineDateTime(static_cast<double>(day), static_cast<double>(ms) / core::MSecsPerDay);
}

core::TFormatSettings AnyFormats(FuzzedDataProvider& in) {
    core::TFormatSettings fs;
    fs.ShortDateFormat = in.ConsumeRandomLengthString(kLongestText);
    fs.DateSeparator = in.ConsumeIntegral<char>();
    fs.TimeSeparator = in.ConsumeIntegral<char>();
    fs.LeadingZeroHours = in.ConsumeBool();
    fs.TwelveHourClock = in.ConsumeBool();
    fs.AmDesignator = in.ConsumeRandomLengthString(kLongestText);
    fs.PmDesignator = in.ConsumeRandomLengthString(kLongestText);
    fs.AmPmBeforeTime = in.ConsumeBool();
    return fs;
}

// Reading fails only with the program's own error.
template <typename Read>
void ReadOrRefuse(Read read) {
    try {
        read();
    } catch (const core::Error&) {}
}

// Patterns as regional settings have them: day, month and full year in some
// order, the separator after each (and after the last in some languages),
// blanks after it in others.
core::TFormatSettings RegionalFormats(FuzzedDataProvider& in) {
    static constexpr std::array<const char*, 6> kOrders = {"dMy", "Mdy", "ydM", "yMd", "dyM", "Myd"};
    static constexpr std::array<char, 5> kDateSeparators = {'/', '.', '-', ' ', ','};
    static constexpr std::array<char, 3> kTimeSeparators = {':', '.', '-'};
    static constexpr std::array<std::pair<const char*, const char*>, 4> kDesignators = {
        {{"AM", "PM"},
         {"am", "pm"},
         {"a.m.", "p.m."},
         {"\xE5\x8D\x88\xE5\x89\x8D", "\xE5\x8D\x88\xE5\xBE\x8C"}}};
    core::TFormatSettings fs;
    fs.DateSeparator = in.PickValueInArray(kDateSeparators);
    // Blanks after a blank separator would make empty parts.
    const bool blankAfter = fs.DateSeparator != ' ' && in.ConsumeBool();
    fs.ShortDateFormat.clear();
    for (const char part : std::string(in.PickValueInArray(kOrders))) {
        if (!fs.ShortDateFormat.empty()) fs.ShortDateFormat += blankAfter ? "/ " : "/";
        fs.ShortDateFormat += part == 'y' ? "yyyy" : std::string(in.ConsumeBool() ? 2 : 1, part);
    }
    if (in.ConsumeBool()) fs.ShortDateFormat += "/";
    fs.TimeSeparator = in.PickValueInArray(kTimeSeparators);
    fs.LeadingZeroHours = in.ConsumeBool();
    fs.TwelveHourClock = in.ConsumeBool();
    const auto& [am, pm] = in.PickValueInArray(kDesignators);
    fs.AmDesignator = am;
    fs.PmDesignator = pm;
    fs.AmPmBeforeTime = in.ConsumeBool();
    return fs;
}

void CheckRoundTrip(core::TDateTime t, const core::TFormatSettings& fs) {
    const core::DateTimeParts p = core::DecodeDateTime(t);
    const core::TDateTime date = core::EncodeDate(p.Year, p.Month, p.Day);
    // The date read back is the day shown; the year does not matter for "today" with a full year.
    Check(core::StrToDate(core::DateText(t, fs), fs, date) == date);
    const core::TDateTime seconds = core::EncodeTime(p.Hour, p.Minute, p.Second, 0);
    Check(core::StrToTime(core::TimeText(t, fs), fs) == seconds);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const core::TDateTime t = AnyDateTime(in);
    if (in.ConsumeBool()) {
        CheckRoundTrip(t, RegionalFormats(in));
        return 0;
    }
    const core::TFormatSettings fs = AnyFormats(in);
    core::DateText(t, fs);
    core::TimeText(t, fs);
    const std::string text = in.ConsumeRemainingBytesAsString();
    ReadOrRefuse([&] { core::StrToTime(text, fs); });
    ReadOrRefuse([&] { core::StrToDate(text, fs, core::DateOf(t)); });
    return 0;
}
