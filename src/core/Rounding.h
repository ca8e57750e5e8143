#pragma once

#include <cstdint>
#include <string>

namespace core {

// Toward zero. Values beyond the 64-bit range give its nearest end; a value that is no number
// gives 0. The same holds for RoundHalfEven.
std::int64_t TruncToInt64(double value);

// To the nearest integer, halves to the even neighbour (12.5 gives 12, 13.5 gives 14).
std::int64_t RoundHalfEven(double value);

// The "0.000" pattern: at least one integer digit and exactly three decimals, with the given
// decimal separator. The value is rounded as it reads in its shortest exact decimal form, halves
// away from zero (1.0005 gives 1.001, -2.0005 gives -2.001); a result of zero has no sign.
// Values that are no number give "NAN", "INF" or "-INF".
std::string FormatFixed3(double value, char decimalSeparator);

} // namespace core
