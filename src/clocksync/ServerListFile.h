#pragma once
#include <optional>
#include <string>

namespace clocksync {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The time server named in the list file at `path`: the built-in default when
// the file cannot be read, "" when it is read but names no server.
std::string ChooseTimeServer(const std::string& path);

} // namespace clocksync
