#include "core/SettingsFloat.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace core {
namespace {

constexpr int FractionDigits = 14; // 15 significant digits
constexpr int ExponentDigits = 4;
constexpr std::size_t FormattedLength = 23;
constexpr std::size_t BufferSize = 64;
constexpr double LargestWritable = 1.79769313486231e308;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i;
}

} // namespace

std::string FormatSettingsFloat(double value) {
    if (!std::isfinite(value)) value = 0.0;
    // Rounded to 15 digits, the largest doubles would be written as a number
    // beyond the range of a double, which reads back as 0.
    if (std::fabs(value) > LargestWritable) value = std::copysign(LargestWritable, value);
    // to_chars rounds correctly and never consults the locale; it gives "d.ddddddddddddddE+xx".
    char buffer[BufferSize];
    const auto [end, ec] = std::to_chars(buffer, buffer + BufferSize, std::fabs(value),
                                         std::chars_format::scientific, FractionDigits);
    if (ec != std::errc{}) return FormatSettingsFloat(0.0);
    const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = digits.find('e');
    const std::string_view mantissa = digits.substr(0, e);
    const char exponentSign = digits[e + 1];
    const std::string_view exponent = digits.substr(e + 2);

    std::string out;
    out.reserve(FormattedLength);
    out += value < 0 ? '-' : ' ';
    out += mantissa;
    out += 'E';
    out += exponentSign;
    out.append(ExponentDigits - exponent.size(), '0');
    out += exponent;
    return out;
}

double ParseSettingsFloat(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t intEnd = SkipDigits(text, i);
    std::size_t end = intEnd;
    bool anyDigit = intEnd > i;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fracEnd = SkipDigits(text, end + 1);
        anyDigit = anyDigit || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!anyDigit) return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t expEnd = SkipDigits(text, j);
        if (expEnd > j) // an exponent without digits is not part of the number
            end = expEnd;
    }

    // from_chars takes no '+' and reads the text as it is, independent of the locale.
    std::string_view number = text.substr(start, end - start);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (ec != std::errc{} || ptr != number.data() + number.size() || !std::isfinite(value)) return 0.0;
    return value;
}

} // namespace core
