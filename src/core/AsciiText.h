#pragma once

#include <string_view>

namespace core {

// The text without the blanks (spaces and tabs) around it.
std::string_view TrimBlanks(std::string_view s);

// Equal when only the case of ASCII letters differs, as names in settings
// files and designators in regional formats compare.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace core
