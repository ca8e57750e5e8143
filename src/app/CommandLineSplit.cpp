#include "app/CommandLineSplit.h"

#include <algorithm>

namespace cmdline {
namespace {

constexpr char kQuote = '"';
constexpr char kBackslash = '\\';

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view& s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
}

// The program's path: quotes group and vanish, nothing is escaped.
std::string TakeProgramPath(std::string_view& s) {
    std::string path;
    bool quoted = false;
    while (!s.empty() && (quoted || !IsBlank(s.front()))) {
        if (s.front() == kQuote)
            quoted = !quoted;
        else
            path += s.front();
        s.remove_prefix(1);
    }
    return path;
}

// One argument after the program's path; `s` starts at its first character.
std::string TakeArgument(std::string_view& s) {
    std::string argument;
    bool quoted = false;
    while (!s.empty() && (quoted || !IsBlank(s.front()))) {
        const std::size_t backslashes = std::min(s.find_first_not_of(kBackslash), s.size());
        if (backslashes > 0) {
            const bool beforeQuote = backslashes < s.size() && s[backslashes] == kQuote;
            argument.append(beforeQuote ? backslashes / 2 : backslashes, kBackslash);
            s.remove_prefix(backslashes);
            if (beforeQuote && backslashes % 2 == 1) { // an escaped quote
                argument += kQuote;
                s.remove_prefix(1);
            }
            continue;
        }
        if (s.front() != kQuote) {
            argument += s.front();
            s.remove_prefix(1);
            continue;
        }
        s.remove_prefix(1);
        if (quoted && !s.empty() && s.front() == kQuote) { // "" inside quotes
            argument += kQuote;
            s.remove_prefix(1);
        } else {
            quoted = !quoted;
        }
    }
    return argument;
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> arguments;
    std::string_view s = commandLine;
    SkipBlanks(s);
    if (s.empty()) return arguments;
    arguments.push_back(TakeProgramPath(s));
    for (SkipBlanks(s); !s.empty(); SkipBlanks(s)) arguments.push_back(TakeArgument(s));
    return arguments;
}

ValueParts SplitAtComma(std::string_view value) {
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos) return {std::string(value), {}};
    ValueParts parts{std::string(value.substr(0, comma)), {}};
    for (const char c : value.substr(comma + 1))
        if (c != ',') parts.part2 += c;
    return parts;
}

ThreeParts SplitAtTwoCommas(std::string_view value) {
    ThreeParts parts;
    const std::size_t first = value.find(',');
    parts.part1 = value.substr(0, first);
    if (first == std::string_view::npos) return parts;
    const std::string_view rest = value.substr(first + 1);
    const std::size_t second = rest.find(',');
    parts.part2 = rest.substr(0, second);
    if (second != std::string_view::npos) parts.part3 = rest.substr(second + 1);
    return parts;
}

} // namespace cmdline
