#pragma once
// The option table the program shows for -?, /? and -help.
#include <functional>
#include <string>

#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"

namespace cmdline {

// A title line, then one line per option: an example written in the user's
// regional time and date formats, and what the option does. `text` gives
// the string-table texts.
std::string OptionsText(const std::function<std::string(unsigned id)>& text, const rtl::TFormatSettings& fs,
                        rtl::TDateTime today);

} // namespace cmdline
