#pragma once

#include <cstdint>
#include <string_view>

namespace core {

// A signed 32-bit integer: leading blanks (spaces), an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Decimal values must fit the signed
// range. Hexadecimal values take up to 32 bits and are read as their two's complement
// ("$FFFFFFFF" is -1, "-$10" is -16, "-$FFFFFFFF" is 1). Anything else, trailing blanks
// included, gives false and leaves `value` alone.
bool TryStrToInt(std::string_view text, std::int32_t& value);

} // namespace core
