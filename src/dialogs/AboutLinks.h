#pragma once
// The About box's two links, built apart from the shell so that their exact
// text can be checked.
#include <optional>
#include <string>
#include <string_view>

namespace about {

// This project's web host and e-mail address (reserved example names until it
// has its own).
constexpr char kWebHost[] = "kalvex.example";
constexpr char kEMailAddress[] = "mail@kalvex.example";

// "http://<host>/".
std::string WebUrl(std::string_view host);

// A new message with the subject: Question about program "Kalvex Now!" /<user>/.
// The user name (UTF-8) is percent-encoded; without one the subject ends after the
// program's name.
std::string MailUrl(std::string_view address, const std::optional<std::string>& userName);

} // namespace about
