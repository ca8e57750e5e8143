// Choosing the time server from the user's list.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "clocksync/ServerList.h"

using clocksync::ChooseServerFromList;

TEST(ServerList, TheLastNamingLineWins) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        std::string text;
        std::string host;
    } const cases[] = {
        {"last marked line", "*alpha\nbeta\n*gamma;x\n", "gamma"},
        {"comment after a blank", "*alpha ; primary", "alpha"},
        {"no marked line", "alpha\n; *beta\n beta\n", ""},
        {"empty file", "", ""},
        {"lone star", "*alpha\n*\n", "alpha"},
        {"star then blank", "*alpha\n* beta\n", "alpha"},
        {"star then semicolon", "*alpha\n*;beta\n", "alpha"},
        {"tab belongs to the name", "*al\tpha x\n", "al\tpha"},
        {"CR LF", "*alpha\r\n*beta\r\nzeta\r\n", "beta"},
        {"lone CR", "*alpha\r*beta\rgamma", "beta"},
        {"blank lines", "\n\n\r\n*alpha\n\n\r\r", "alpha"},
        {"no line end at the end", "*alpha\n*beta", "beta"},
        {"dotted address and port text", "*127.0.0.1;37\n", "127.0.0.1"},
        {"leading blank is a comment", " *alpha\n", ""},
        {"NUL inside a name", "*al\0pha\n"s, "al\0pha"s},
        {"star inside a name", "**alpha", "*alpha"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseServerFromList(c.text), c.host) << c.name;
}

TEST(ServerList, TheShippedListChoosesTheBuiltInDefault) {
    std::ifstream file(KN_SOURCE_DIR "/data/servers.txt", std::ios::binary);
    ASSERT_TRUE(file) << "data/servers.txt";
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(ChooseServerFromList(text), clocksync::kDefaultTimeServer);
}
