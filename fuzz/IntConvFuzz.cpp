// Arbitrary text as a settings integer: the result agrees with a reading
// through the standard library's digit conversion, a refusal leaves the value
// alone, and every accepted value reads back from its decimal text.
#include "core/IntConv.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

constexpr std::uint64_t kLargestHex = 0xFFFFFFFFu;
constexpr std::uint64_t kLargestPositive = 0x7FFFFFFFu;
constexpr std::uint64_t kLargestNegative = 0x80000000u;
constexpr std::int32_t kUntouched = 0x5A5A5A5A;

bool TakePrefix(std::string_view& s, std::string_view prefix) {
    if (s.substr(0, prefix.size()) != prefix) return false;
    s.remove_prefix(prefix.size());
    return true;
}

// The rule written out again: blanks, a sign, a hexadecimal mark, then digits only.
std::optional<std::int32_t> Expected(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    const bool negative = TakePrefix(s, "-");
    if (!negative) TakePrefix(s, "+");
    bool hex = false;
    for (const std::string_view mark : {"$", "0x", "0X", "x", "X"})
        if (TakePrefix(s, mark)) {
            hex = true;
            break;
        }
    if (s.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude, hex ? 16 : 10);
    if (error != std::errc{} || end != s.data() + s.size()) return std::nullopt;
    if (hex) {
        if (magnitude > kLargestHex) return std::nullopt;
        std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    if (magnitude > (negative ? kLargestNegative : kLargestPositive)) return std::nullopt;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = kUntouched;
    const bool accepted = core::TryStrToInt(text, value);
    const std::optional<std::int32_t> expected = Expected(text);
    Check(accepted == expected.has_value());
    if (!accepted) {
        Check(value == kUntouched);
        return 0;
    }
    Check(value == *expected);
    std::int32_t again = kUntouched;
    Check(core::TryStrToInt(std::to_string(value), again) && again == value);
    return 0;
}
