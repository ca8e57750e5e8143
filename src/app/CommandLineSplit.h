#pragma once
// Splitting a command line into arguments, and an option value into its parts.
#include <string>
#include <string_view>
#include <vector>

namespace cmdline {

// The process command line split the way Windows programs split it: blanks
// and tabs separate arguments; double quotes group characters and are
// removed; inside quotes "" is one quote; backslashes are plain characters
// except before a quote, where each pair gives one backslash and an odd one
// makes the quote a plain character. Argument 0, the program's path, ends at
// the first blank outside quotes and knows no backslash rule.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

struct ValueParts {
    std::string part1; // before the first comma
    std::string part2; // after it, every further comma dropped
    bool operator==(const ValueParts&) const = default;
};

// "a,b,c" gives "a" and "bc"; without a comma part 2 is empty. Nothing is trimmed.
ValueParts SplitAtComma(std::string_view value);

struct ThreeParts {
    std::string part1; // before the first comma
    std::string part2; // between the first and the second
    std::string part3; // the rest as it is, commas included: a name may hold one
    bool operator==(const ThreeParts&) const = default;
};

// "a,b,c,d" gives "a", "b" and "c,d"; missing parts are empty. Nothing is trimmed.
ThreeParts SplitAtTwoCommas(std::string_view value);

} // namespace cmdline
