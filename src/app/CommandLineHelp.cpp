#include "app/CommandLineHelp.h"

#include "app/CommandLine.h"
#include "core/DateTimeText.h"
#include "ui/lang.h"

namespace cmdline {
namespace {

// A time as the option reads it: hours, minutes and seconds with the regional
// separator, and no blank, which would make the argument be skipped.
std::string ExampleTime(const char* hours, const core::TFormatSettings& fs) {
    return std::string(hours) + fs.TimeSeparator + "30" + fs.TimeSeparator + "00";
}

std::string ActionExample(const core::TFormatSettings&, core::TDateTime) { return "-action=reboot"; }
std::string CpuExample(const core::TFormatSettings&, core::TDateTime) { return "-cpu=30,45"; }
std::string CountdownExample(const core::TFormatSettings& fs, core::TDateTime) {
    return "-countdown=" + ExampleTime("01", fs) + ",2";
}
std::string TimerExample(const core::TFormatSettings& fs, core::TDateTime today) {
    return "-timer=" + ExampleTime("23", fs) + "," + core::DateText(today + 1, fs);
}
std::string NetExample(const core::TFormatSettings&, core::TDateTime) { return "-net=5,60"; }
std::string ProcessExample(const core::TFormatSettings&, core::TDateTime) { return "-process=setup.exe"; }

constexpr OptionHelp kRows[] = {
    {"-action=name", lang::OptionsAction, ActionExample},
    {"-winamp", lang::OptionsWinamp, nullptr},
    {"-cpu=level[,seconds]", lang::OptionsCpu, CpuExample},
    {"-countdown=time[,days]", lang::OptionsCountdown, CountdownExample},
    {"-timer=time[,date]", lang::OptionsTimer, TimerExample},
    {"-net=level[,seconds[,adapter]]", lang::OptionsNet, NetExample},
    {"-process=name", lang::OptionsProcess, ProcessExample},
    {"-? /? -help", lang::OptionsHelp, nullptr},
};

} // namespace

std::span<const OptionHelp> OptionHelpRows() { return kRows; }

std::string OptionsText(const std::function<std::string(unsigned id)>& text, const core::TFormatSettings& fs,
                        core::TDateTime today) {
    std::string table = text(lang::OptionsTitle);
    std::string examples;
    for (const OptionHelp& row : OptionHelpRows()) {
        ((table += '\n') += row.syntax) += '\t';
        table += text(row.meaningId);
        if (row.example) (examples += '\n') += row.example(fs, today);
    }
    return table + "\n\n" + text(lang::OptionsExamples) + examples;
}

} // namespace cmdline
