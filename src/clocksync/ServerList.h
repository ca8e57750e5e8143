#pragma once
// The list of time servers the user keeps beside the program: a line that
// begins with "*" names a server, every other line is a comment.
#include <string>
#include <string_view>

namespace clocksync {

// Used when the list cannot be read; the shipped list names it last.
inline constexpr char kDefaultTimeServer[] = "time.nist.gov";
inline constexpr char kServerListFileName[] = "servers.txt";

// The host named by the last naming line, or "" when no line names one. Lines
// end at CR, LF or CR LF; the name runs from after the "*" to the first blank
// or ";" (a tab belongs to the name).
std::string ChooseServerFromList(std::string_view text);

} // namespace clocksync
