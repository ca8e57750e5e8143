#include "dialogs/AboutLinks.h"

namespace about {

namespace {

constexpr char kSubject[] = "?subject=Question%20about%20program%20%22Kalvex%20Now!%22";
constexpr char kUserOpen[] = "%20/";
constexpr char kUserClose[] = "/";
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr unsigned kNibbleBits = 4;
constexpr unsigned kNibbleMask = 0x0F;

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

std::string WebUrl(std::string_view host) { return "http://" + std::string(host) + "/"; }

std::string MailUrl(std::string_view address, const std::optional<std::string>& userName) {
    std::string url = "mailto:" + std::string(address) + kSubject;
    if (userName && !userName->empty()) url += kUserOpen + PercentEncode(*userName) + kUserClose;
    return url;
}

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

} // namespace about
