// Choosing the server from the list file beside the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "clocksync/ServerList.h"
#include "clocksync/ServerListFile.h"

using namespace clocksync;

namespace {

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "kn_servers_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

void Write(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

} // namespace

TEST(ServerListFile, ChoosesFromTheFileOrFallsBack) {
    struct Case {
        const char* name;
        const char* text; // nullptr: no file
        std::string host;
    } const cases[] = {
        {"last marked line", "*alpha\r\nbeta\r\n*gamma;x\r\n", "gamma"},
        {"no marked line", "; nothing here\r\nbeta\r\n", ""},
        {"empty file", "", ""},
        {"no file", nullptr, kDefaultTimeServer},
    };
    for (const Case& c : cases) {
        const std::string path = TempPath(c.name);
        DeleteFileA(path.c_str());
        if (c.text) Write(path, c.text);
        EXPECT_EQ(ChooseTimeServer(path), c.host) << c.name;
        DeleteFileA(path.c_str());
    }
}

TEST(ServerListFile, AFolderInsteadOfAFileCountsAsUnreadable) {
    const std::string path = TempPath("folder");
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_EQ(ChooseTimeServer(path), kDefaultTimeServer);
    RemoveDirectoryA(path.c_str());
}

TEST(ServerListFile, ReadsALongFileWhole) {
    const std::string path = TempPath("long");
    std::string text(100000, ';');
    text += "\n*last.example\n";
    Write(path, text);
    EXPECT_EQ(ChooseTimeServer(path), "last.example");
    DeleteFileA(path.c_str());
}
