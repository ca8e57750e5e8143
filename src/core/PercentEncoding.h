#pragma once
// Percent-encoding of bytes: for links, and for texts that must stay ASCII in
// a file whatever code page reads it.
#include <string>
#include <string_view>

namespace core {

// Every byte but the unreserved characters (letters, digits, "-", ".", "_",
// "~") as "%" and two upper-case hexadecimal digits.
std::string PercentEncode(std::string_view text);

// The bytes back; a "%" without two hexadecimal digits after it stays as it is.
std::string PercentDecode(std::string_view text);

} // namespace core
