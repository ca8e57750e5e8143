#include "dialogs/AboutLinks.h"

#include "core/PercentEncoding.h"

namespace about {

namespace {

constexpr char kSubject[] = "?subject=Question%20about%20program%20%22Kalvex%20Now!%22";
constexpr char kUserOpen[] = "%20/";
constexpr char kUserClose[] = "/";

} // namespace

std::string WebUrl(std::string_view host) { return "http://" + std::string(host) + "/"; }

std::string MailUrl(std::string_view address, const std::optional<std::string>& userName) {
    std::string url = "mailto:" + std::string(address) + kSubject;
    if (userName && !userName->empty()) url += kUserOpen + core::PercentEncode(*userName) + kUserClose;
    return url;
}

} // namespace about
