#pragma once
// File paths travel through the program as UTF-8 and become UTF-16 only at the
// system call, so that no letter is lost whatever the ANSI code page; the
// texts the windows show stay in the ANSI code page.
#include <string>
#include <string_view>

namespace tk {

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
// UTF-16 to UTF-8.
std::string Utf8(std::wstring_view wide);
// UTF-16 to the ANSI code page, the system's stand-in for a letter it lacks.
std::string Ansi(std::wstring_view wide);
// A UTF-8 path as a window can show it.
inline std::string AnsiFromUtf8(std::string_view utf8) { return Ansi(Widen(utf8)); }

} // namespace tk
