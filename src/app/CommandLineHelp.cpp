#include "app/CommandLineHelp.h"

#include "app/CommandLine.h"
#include "ui/lang.h"
#include "rtl/DateTimeText.h"

namespace cmdline {
namespace {

constexpr char kColumnGap[] = "   ";

// A time as the option reads it: hours, minutes and seconds with the regional
// separator, and no blank, which would make the argument be skipped.
std::string ExampleTime(const char* hours, const rtl::TFormatSettings& fs) {
    return std::string(hours) + fs.TimeSeparator + "30" + fs.TimeSeparator + "00";
}

std::string HelpRequests() {
    std::string list;
    for (const std::string_view request : kHelpRequests) {
        if (!list.empty()) list += ' ';
        list += request;
    }
    return list;
}

} // namespace

std::string OptionsText(const std::function<std::string(unsigned id)>& text, const rtl::TFormatSettings& fs,
                        rtl::TDateTime today) {
    const struct {
        std::string example;
        unsigned meaning;
    } rows[] = {
        {"-action=reboot", lang::OptionsAction},
        {"-winamp", lang::OptionsWinamp},
        {"-cpu=30,45", lang::OptionsCpu},
        {"-countdown=" + ExampleTime("01", fs) + ",2", lang::OptionsCountdown},
        {"-timer=" + ExampleTime("23", fs) + "," + rtl::DateText(today + 1, fs), lang::OptionsTimer},
        {"-process=setup.exe", lang::OptionsProcess},
        {HelpRequests(), lang::OptionsHelp},
    };
    std::string table = text(lang::OptionsTitle);
    for (const auto& row : rows) table += "\n" + row.example + kColumnGap + text(row.meaning);
    return table;
}

} // namespace cmdline
