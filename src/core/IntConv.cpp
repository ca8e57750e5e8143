#include "core/IntConv.h"

#include <limits>

namespace core {
namespace {

constexpr int DecimalBase = 10;
constexpr int HexBase = 16;
constexpr std::uint64_t HexLimit = std::numeric_limits<std::uint32_t>::max();
// The magnitude of the most negative value; the positive limit is one less.
constexpr std::uint64_t DecimalLimit = std::uint64_t{1} << 31;

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + DecimalBase;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + DecimalBase;
    return v < base ? v : -1;
}

std::string_view TakeHexPrefix(std::string_view s, bool& hex) {
    for (const std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
        if (s.substr(0, prefix.size()) == prefix) {
            hex = true;
            return s.substr(prefix.size());
        }
    }
    hex = false;
    return s;
}

} // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    bool hex = false;
    s = TakeHexPrefix(s, hex);
    if (s.empty()) return false;

    const int base = hex ? HexBase : DecimalBase;
    const std::uint64_t limit = hex ? HexLimit : DecimalLimit - (negative ? 0 : 1);
    std::uint64_t magnitude = 0;
    for (const char c : s) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return false;
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > limit) return false;
    }
    // Two's complement in 32 bits; for decimal values this is the plain signed value.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = ~bits + 1U;
    value = static_cast<std::int32_t>(bits);
    return true;
}

} // namespace core
