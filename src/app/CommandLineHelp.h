#pragma once
// The option table the program shows for -?, /? and -help.
#include <array>
#include <functional>
#include <string>

#include "ui/lang.h"

#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"

namespace cmdline {

// What each line of the table says, in the order of the option table.
inline constexpr std::array<unsigned, 7> kOptionMeanings = {
    lang::OptionsAction,     lang::OptionsAction + 1, lang::OptionsAction + 2, lang::OptionsAction + 3,
    lang::OptionsAction + 4, lang::OptionsNet,        lang::OptionsHelp,
};

// A title line, then one line per option: an example written in the user's
// regional time and date formats, and what the option does. `text` gives
// the string-table texts.
std::string OptionsText(const std::function<std::string(unsigned id)>& text, const rtl::TFormatSettings& fs,
                        rtl::TDateTime today);

} // namespace cmdline
