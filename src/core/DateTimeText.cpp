#include "core/DateTimeText.h"

#include "core/AsciiText.h"
#include "core/Error.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace core {
namespace {

constexpr std::array<const char*, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                        "May",       "June",     "July",     "August",
                                                        "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};

constexpr char Quote = '\'';
constexpr char PatternDateSeparator = '/';
constexpr int HoursPerHalfDay = 12;
constexpr int YearsPerCentury = 100;
constexpr int TwoDigitYearWindowBack = 50;
constexpr std::size_t MaxDayMonthDigits = 2;
constexpr std::size_t MaxYearDigits = 4;
constexpr std::size_t MaxTimeFieldDigits = 2;

void AppendNumber(std::string& out, int value, int minDigits) {
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < minDigits)
        out.append(static_cast<std::size_t>(minDigits) - digits.size(), '0');
    out += digits;
}

// Runs of one letter in a pattern, with quoted text and other characters as literals.
template <typename OnRun, typename OnLiteral>
void ScanPattern(std::string_view pattern, OnRun onRun, OnLiteral onLiteral) {
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == Quote) {
            ++i;
            if (i < pattern.size() && pattern[i] == Quote) { // '' is one quote
                onLiteral(Quote);
                ++i;
                continue;
            }
            while (i < pattern.size()) {
                if (pattern[i] == Quote) {
                    if (i + 1 < pattern.size() && pattern[i + 1] == Quote) {
                        onLiteral(Quote);
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                onLiteral(pattern[i++]);
            }
        } else if (c == 'd' || c == 'M' || c == 'y') {
            std::size_t run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c) ++run;
            onRun(c, run);
            i += run;
        } else {
            onLiteral(c);
            ++i;
        }
    }
}

// Digits only, at most maxDigits of them.
std::optional<int> ParseField(std::string_view s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = s.find(separator);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

enum class Meridiem { None, Am, Pm };

// Takes a designator off the front or the back of s, the longest that fits.
Meridiem TakeDesignator(std::string_view& s, const TFormatSettings& fs) {
    const std::array<std::pair<std::string_view, Meridiem>, 4> candidates = {{
        {fs.AmDesignator, Meridiem::Am},
        {fs.PmDesignator, Meridiem::Pm},
        {"AM", Meridiem::Am},
        {"PM", Meridiem::Pm},
    }};
    std::size_t bestLength = 0;
    bool atFront = false;
    Meridiem best = Meridiem::None;
    for (const auto& [designator, meridiem] : candidates) {
        const std::size_t n = designator.size();
        if (n == 0 || n > s.size() || n <= bestLength) continue;
        if (SameTextIgnoringCase(s.substr(0, n), designator)) {
            bestLength = n;
            atFront = true;
            best = meridiem;
        } else if (SameTextIgnoringCase(s.substr(s.size() - n), designator)) {
            bestLength = n;
            atFront = false;
            best = meridiem;
        }
    }
    if (best != Meridiem::None) {
        if (atFront)
            s.remove_prefix(bestLength);
        else
            s.remove_suffix(bestLength);
        s = TrimBlanks(s);
    }
    return best;
}

std::optional<TDateTime> ParseTime(std::string_view text, const TFormatSettings& fs) {
    std::string_view s = TrimBlanks(text);
    const Meridiem meridiem = TakeDesignator(s, fs);
    const auto fields = Split(s, fs.TimeSeparator);
    if (fields.size() < 2 || fields.size() > 3) return std::nullopt;
    int values[3] = {0, 0, 0};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = ParseField(fields[i], MaxTimeFieldDigits);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    int hour = values[0];
    if (meridiem != Meridiem::None) {
        if (hour < 1 || hour > HoursPerHalfDay) return std::nullopt;
        hour %= HoursPerHalfDay;
        if (meridiem == Meridiem::Pm) hour += HoursPerHalfDay;
    }
    TDateTime result = 0;
    if (!TryEncodeTime(hour, values[1], values[2], 0, result)) return std::nullopt;
    return result;
}

enum class DatePart { Day, Month, Year };

// The order of day, month and year in the pattern; parts it lacks follow in US order.
std::array<DatePart, 3> DateOrder(std::string_view pattern) {
    std::vector<DatePart> order;
    const auto add = [&order](DatePart part) {
        if (std::find(order.begin(), order.end(), part) == order.end()) order.push_back(part);
    };
    ScanPattern(
        pattern,
        [&](char letter, std::size_t) {
            add(letter == 'd' ? DatePart::Day : letter == 'M' ? DatePart::Month : DatePart::Year);
        },
        [](char) {});
    for (const DatePart part : {DatePart::Month, DatePart::Day, DatePart::Year}) add(part);
    return {order[0], order[1], order[2]};
}

int WindowedYear(int twoDigitYear, int currentYear) {
    const int first = currentYear - TwoDigitYearWindowBack;
    int year = first - first % YearsPerCentury + twoDigitYear;
    if (year < first) year += YearsPerCentury;
    return year;
}

std::optional<TDateTime> ParseDate(std::string_view text, const TFormatSettings& fs, TDateTime today) {
    auto fields = Split(TrimBlanks(text), fs.DateSeparator);
    // "24.12." is how many write a day without a year; some patterns end in the separator too.
    if (fields.size() > 2 && TrimBlanks(fields.back()).empty()) fields.pop_back();
    for (auto& field : fields)
        field = TrimBlanks(field); // patterns such as "yyyy. M. d." put blanks between the parts
    if (fields.size() < 2 || fields.size() > 3) return std::nullopt;
    const bool hasYear = fields.size() == 3;

    int day = 0;
    int month = 0;
    int year = DecodeDateTime(today).Year;
    std::size_t next = 0;
    for (const DatePart part : DateOrder(fs.ShortDateFormat)) {
        if (part == DatePart::Year && !hasYear) continue;
        const std::string_view field = fields[next++];
        const auto value = ParseField(field, part == DatePart::Year ? MaxYearDigits : MaxDayMonthDigits);
        if (!value) return std::nullopt;
        if (part == DatePart::Day)
            day = *value;
        else if (part == DatePart::Month)
            month = *value;
        else
            year = field.size() <= 2 ? WindowedYear(*value, year) : *value;
    }
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result)) return std::nullopt;
    return result;
}

} // namespace

std::string DateText(TDateTime t, const TFormatSettings& fs) {
    const DateTimeParts p = DecodeDateTime(t);
    std::string out;
    ScanPattern(
        fs.ShortDateFormat,
        [&](char letter, std::size_t run) {
            switch (letter) {
            case 'd':
                if (run <= 2)
                    AppendNumber(out, p.Day, static_cast<int>(run));
                else
                    out += (run == 3 ? ShortDayNames : LongDayNames)[static_cast<int>(p.WeekDay) - 1];
                break;
            case 'M':
                if (run <= 2)
                    AppendNumber(out, p.Month, static_cast<int>(run));
                else
                    out += (run == 3 ? ShortMonthNames : LongMonthNames)[p.Month - 1];
                break;
            default: // 'y'
                if (run <= 2)
                    AppendNumber(out, p.Year % YearsPerCentury, static_cast<int>(run));
                else
                    AppendNumber(out, p.Year, static_cast<int>(MaxYearDigits));
                break;
            }
        },
        [&](char c) { out += c == PatternDateSeparator ? fs.DateSeparator : c; });
    return out;
}

std::string TimeText(TDateTime t, const TFormatSettings& fs) {
    const DateTimeParts p = DecodeDateTime(t);
    int hour = p.Hour;
    const std::string* designator = nullptr;
    if (fs.TwelveHourClock) {
        designator = hour < HoursPerHalfDay ? &fs.AmDesignator : &fs.PmDesignator;
        hour %= HoursPerHalfDay;
        if (hour == 0) hour = HoursPerHalfDay;
    }
    std::string time;
    AppendNumber(time, hour, fs.LeadingZeroHours ? 2 : 1);
    time += fs.TimeSeparator;
    AppendNumber(time, p.Minute, 2);
    time += fs.TimeSeparator;
    AppendNumber(time, p.Second, 2);

    if (designator == nullptr || designator->empty()) return time;
    return fs.AmPmBeforeTime ? *designator + ' ' + time : time + ' ' + *designator;
}

TDateTime StrToTime(std::string_view text, const TFormatSettings& fs) {
    if (const auto result = ParseTime(text, fs)) return *result;
    throw Error(InvalidTimeText(text));
}

TDateTime StrToDate(std::string_view text, const TFormatSettings& fs, TDateTime today) {
    if (const auto result = ParseDate(text, fs, today)) return *result;
    throw Error(InvalidDateText(text));
}

namespace {
// Built by appending: gcc 12 warns falsely (-Wrestrict) on "'" + std::string(...).
std::string QuotedError(std::string_view text, std::string_view complaint) {
    std::string message(1, '\'');
    message.append(text);
    message.append("' ");
    message.append(complaint);
    return message;
}
} // namespace

std::string InvalidTimeText(std::string_view text) { return QuotedError(text, "is not a valid time"); }

std::string InvalidDateText(std::string_view text) { return QuotedError(text, "is not a valid date"); }

std::string DateIsLessThanMinimumText(TDateTime minimum, const TFormatSettings& fs) {
    return "Date is less than minimum of " + DateText(minimum, fs);
}

} // namespace core
