#include "core/UnicodeText.h"

#include <optional>

namespace core {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

// The code point at `pos`, moving `pos` past it; none for a malformed,
// overlong or surrogate sequence.
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + static_cast<std::size_t>(length) > s.size()) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > kLastCodePoint || (value >= kFirstSurrogate && value <= kLastSurrogate))
        return std::nullopt;
    pos += static_cast<std::size_t>(length);
    return value;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool Between(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// Only one-to-one mappings, as the file system's own table has them.
char32_t SimpleUpper(char32_t c) {
    constexpr char32_t kCaseOffset = 0x20;
    if (Between(c, U'a', U'z')) return c - kCaseOffset;
    if (Between(c, 0xE0, 0xFE) && c != 0xF7) return c - kCaseOffset; // Latin-1, but the division sign
    if (c == 0xFF) return 0x178;
    // Latin Extended-A: pairs of capital then small letter, the odd runs shifted by one.
    if ((Between(c, 0x100, 0x137) || Between(c, 0x14A, 0x177)) && (c & 1)) return c - 1;
    if ((Between(c, 0x139, 0x148) || Between(c, 0x179, 0x17E)) && !(c & 1)) return c - 1;
    if (Between(c, 0x3B1, 0x3CB) && c != 0x3C2) return c - kCaseOffset; // Greek
    if (c == 0x3C2) return 0x3A3;                                       // final sigma
    if (Between(c, 0x430, 0x44F)) return c - kCaseOffset;               // Cyrillic
    if (Between(c, 0x450, 0x45F)) return c - 0x50;
    if (Between(c, 0xFF41, 0xFF5A)) return c - kCaseOffset; // full-width Latin
    return c;
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (!NextCodePoint(text, pos)) return false;
    return true;
}

std::string Utf8FromLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (!IsValidUtf8(a) || !IsValidUtf8(b)) return a == b;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (SimpleUpper(*NextCodePoint(a, i)) != SimpleUpper(*NextCodePoint(b, j))) return false;
    return i == a.size() && j == b.size();
}

} // namespace core
