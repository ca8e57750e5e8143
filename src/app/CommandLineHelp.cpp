#include "app/CommandLineHelp.h"

#include <iterator>

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
    const std::string examples[] = {
        "-action=reboot",
        "-winamp",
        "-cpu=30,45",
        "-countdown=" + ExampleTime("01", fs) + ",2",
        "-timer=" + ExampleTime("23", fs) + "," + rtl::DateText(today + 1, fs),
        "-net=5,60",
        HelpRequests(),
    };
    static_assert(std::size(examples) == kOptionMeanings.size());
    std::string table = text(lang::OptionsTitle);
    for (std::size_t i = 0; i < kOptionMeanings.size(); ++i)
        table += "\n" + examples[i] + kColumnGap + text(kOptionMeanings[i]);
    return table;
}

} // namespace cmdline
