#include "core/PercentEncoding.h"

namespace core {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr unsigned kNibbleBits = 4;
constexpr unsigned kNibbleMask = 0x0F;
constexpr int kNoDigit = -1;
constexpr std::size_t kEscapeLength = 3;

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return kNoDigit;
}

} // namespace

std::string PercentEncode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHexDigits[c >> kNibbleBits];
            out += kHexDigits[c & kNibbleMask];
        }
    }
    return out;
}

std::string PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + kEscapeLength <= text.size()) {
            const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
            if (high != kNoDigit && low != kNoDigit) {
                out += static_cast<char>((high << kNibbleBits) | low);
                i += kEscapeLength - 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace core
