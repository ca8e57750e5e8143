// Choosing the server from the list file beside the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "clocksync/ServerList.h"
#include "clocksync/ServerListFile.h"
#include "toolkit/Handles.h"
#include "toolkit/WideText.h"

using namespace clocksync;

namespace {

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "kn_servers_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

// Paths are UTF-8, as the program keeps them.
void Write(const std::string& path, const std::string& text) {
    const tk::KernelHandle file(CreateFileW(tk::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void Delete(const std::string& path) { DeleteFileW(tk::Widen(path).c_str()); }

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
        // Letters outside any one ANSI code page in the path.
        {"\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD0\xB0", "*alpha\r\n", "alpha"},
        {"\xE7\xA8\x8B\xE5\xBA\x8F", "*alpha\r\n", "alpha"},
        {"Caf\xC3\xA9", "*alpha\r\n", "alpha"},
    };
    for (const Case& c : cases) {
        const std::string path = TempPath(c.name);
        Delete(path);
        if (c.text) Write(path, c.text);
        EXPECT_EQ(ChooseTimeServer(path), c.host) << c.name;
        Delete(path);
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
