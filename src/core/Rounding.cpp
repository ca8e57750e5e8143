#include "core/Rounding.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace core {
namespace {

constexpr std::size_t Decimals = 3;
// Room for the shortest fixed form of any double (up to 309 integer digits, or a leading
// "0." and up to 324 decimals for the smallest ones).
constexpr std::size_t BufferSize = 400;

} // namespace

std::int64_t TruncToInt64(double value) {
    if (std::isnan(value)) return 0;
    // 2^63 is exactly representable; anything at or past it does not fit.
    constexpr double Limit = 9223372036854775808.0;
    if (value >= Limit) return std::numeric_limits<std::int64_t>::max();
    if (value <= -Limit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

std::int64_t RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double excess = value - below; // exact for any finite double
    if (excess > 0.5 || (excess == 0.5 && std::fmod(below, 2.0) != 0.0)) return TruncToInt64(below + 1.0);
    return TruncToInt64(below);
}

std::string FormatFixed3(double value, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    char buffer[BufferSize];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + BufferSize, std::fabs(value), std::chars_format::fixed);
    if (ec != std::errc{}) return "NAN"; // cannot happen with this buffer size
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t point = text.find('.');
    std::string integer(text.substr(0, point));
    std::string decimals(point == std::string_view::npos ? std::string_view{} : text.substr(point + 1));

    const bool roundUp = decimals.size() > Decimals && decimals[Decimals] >= '5';
    decimals.resize(Decimals, '0');
    if (roundUp) {
        // Carry through the decimals into the integer digits.
        std::string digits = integer + decimals;
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
        integer = digits.substr(0, digits.size() - Decimals);
        decimals = digits.substr(digits.size() - Decimals);
    }

    const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                      decimals.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !zero) out += '-';
    out += integer;
    out += decimalSeparator;
    out += decimals;
    return out;
}

} // namespace core
