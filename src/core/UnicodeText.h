#pragma once
// Text outside the ANSI code page, held as UTF-8: checking it and comparing
// names without case.
#include <string>
#include <string_view>

namespace core {

bool IsValidUtf8(std::string_view text);

// Each byte taken as the character of the same number (ISO 8859-1).
std::string Utf8FromLatin1(std::string_view text);

// Equal when only case differs, as file names compare: the simple upper case
// of the Latin, Greek and Cyrillic letters (and of full-width Latin ones).
// Text that is not UTF-8 compares byte by byte.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

} // namespace core
