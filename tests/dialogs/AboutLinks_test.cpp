#include "dialogs/AboutLinks.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

constexpr char kSubjectStart[] =
    "mailto:me@example.org?subject=Question%20about%20program%20%22Kalvex%20Now!%22";

TEST(AboutLinks, TheWebLinkIsTheHostsRoot) {
    EXPECT_EQ(about::WebUrl("kalvexnow.example.org"), "http://kalvexnow.example.org/");
}

TEST(AboutLinks, TheMailSubjectEndsWithTheEncodedUserName) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {"guest", "%20/guest/"},
        {"Jo Doe", "%20/Jo%20Doe/"},
        {"a&cc=x@example.org", "%20/a%26cc%3Dx%40example.org/"}, // no extra header field
        {"50%?#/", "%20/50%25%3F%23%2F/"},
        {"M\xC3\xBCller", "%20/M%C3%BCller/"},
        {"x-y_z.w~", "%20/x-y_z.w~/"},
        {std::nullopt, ""},
        {"", ""},
    };
    for (const auto& [user, tail] : cases)
        EXPECT_EQ(about::MailUrl("me@example.org", user), kSubjectStart + tail) << user.value_or("(none)");
}

} // namespace
