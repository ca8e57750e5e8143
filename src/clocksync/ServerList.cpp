#include "clocksync/ServerList.h"

namespace clocksync {

namespace {

constexpr char kServerMark = '*';

bool EndsLine(char c) { return c == '\r' || c == '\n'; }
bool EndsName(char c) { return c == ' ' || c == ';'; }

// The name a line gives, or "" when it gives none.
std::string_view NameOf(std::string_view line) {
    if (line.empty() || line.front() != kServerMark) return {};
    line.remove_prefix(1);
    std::size_t length = 0;
    while (length < line.size() && !EndsName(line[length])) ++length;
    return line.substr(0, length);
}

} // namespace

std::string ChooseServerFromList(std::string_view text) {
    std::string_view chosen;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !EndsLine(text[end])) ++end;
        const std::string_view name = NameOf(text.substr(start, end - start));
        if (!name.empty()) chosen = name;
        // CR LF is one line end; a lone CR or LF is one too.
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return std::string(chosen);
}

} // namespace clocksync
