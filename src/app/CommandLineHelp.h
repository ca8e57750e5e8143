#pragma once
// The option table the program shows for -?, /? and -help.
#include <functional>
#include <span>
#include <string>

#include "core/DateTime.h"
#include "core/FormatSettings.h"

namespace cmdline {

// One option of the table: how it is written, what it does, and an example
// that the program accepts in the user's regional formats.
struct OptionHelp {
    const char* syntax;
    unsigned meaningId; // string-table text
    // Nothing (null) when the syntax is its own example.
    std::string (*example)(const core::TFormatSettings& fs, core::TDateTime today);
};

// The options in the order of the command-line table; a new option adds its row.
std::span<const OptionHelp> OptionHelpRows();

// A title line; one line per option, its syntax and a tab before what it
// does (the message dialog lines the tabs up in a column); then, after a
// blank line, the examples, one per line.
std::string OptionsText(const std::function<std::string(unsigned id)>& text, const core::TFormatSettings& fs,
                        core::TDateTime today);

} // namespace cmdline
