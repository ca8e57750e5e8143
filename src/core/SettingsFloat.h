#pragma once

#include <string>
#include <string_view>

namespace core {

// The settings file's number text: a blank or '-', one digit, '.', 14 digits, 'E', the
// exponent's sign and four exponent digits, 23 characters, rounded to 15 significant digits
// (37793.0416666667 gives " 3.77930416666667E+0004"). Values that are no number are written
// as zero, since nothing could read them back.
std::string FormatSettingsFloat(double value);

// Reads a number in plain or scientific notation with '.' as the decimal point whatever the
// locale; leading spaces and tabs are skipped. Reading stops at the end of the longest
// well-formed beginning ("1.5x" gives 1.5, "2e" gives 2). A text without a digit there, and a
// value beyond the range of a double, give 0.
double ParseSettingsFloat(std::string_view text);

} // namespace core
