#include "toolkit/RegionalSettings.h"

#include <windows.h>

#include <optional>
#include <string>

namespace {

// Large enough for any locale string of the kinds read here.
constexpr int LocaleBufferSize = 128;

std::optional<std::string> LocaleText(LCTYPE type) {
    char buffer[LocaleBufferSize] = {};
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, LocaleBufferSize);
    if (length <= 0) return std::nullopt;
    return std::string(buffer); // length counts the terminating zero
}

void ReadText(LCTYPE type, std::string& field) {
    if (auto text = LocaleText(type)) field = std::move(*text);
}

void ReadChar(LCTYPE type, char& field) {
    if (auto text = LocaleText(type); text && !text->empty()) field = text->front();
}

// The numeric locale values are "0" or "1".
void ReadFlag(LCTYPE type, bool whenOne, bool& field) {
    if (auto text = LocaleText(type); text && (*text == "0" || *text == "1"))
        field = (*text == "1") == whenOne;
}

} // namespace

namespace tk {

core::TFormatSettings ReadRegionalSettings() {
    core::TFormatSettings fs;
    if (auto pattern = LocaleText(LOCALE_SSHORTDATE); pattern && !pattern->empty())
        fs.ShortDateFormat = std::move(*pattern);
    ReadChar(LOCALE_SDATE, fs.DateSeparator);
    ReadChar(LOCALE_STIME, fs.TimeSeparator);
    ReadFlag(LOCALE_ITLZERO, true, fs.LeadingZeroHours);
    ReadFlag(LOCALE_ITIME, false, fs.TwelveHourClock); // "1" is the 24-hour clock
    ReadText(LOCALE_S1159, fs.AmDesignator);
    ReadText(LOCALE_S2359, fs.PmDesignator);
    ReadFlag(LOCALE_ITIMEMARKPOSN, true, fs.AmPmBeforeTime);
    ReadChar(LOCALE_SDECIMAL, fs.DecimalSeparator);
    return fs;
}

} // namespace tk
