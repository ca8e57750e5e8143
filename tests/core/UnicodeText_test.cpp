#include "core/UnicodeText.h"

#include <gtest/gtest.h>

namespace {

TEST(UnicodeText, NamesCompareWithoutCaseInEveryScriptTheFileSystemFolds) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"Setup.EXE", "setup.exe", true},
        {"setup.exe", "setup.ex", false},
        {"Ren\xC3\xA9.exe", "REN\xC3\x89.EXE", true}, // é É
        {"\xC3\xBF", "\xC5\xB8", true},               // ÿ Ÿ
        {"\xC5\x82\xC3\xB3"
         "d\xC5\xBA",
         "\xC5\x81\xC3\x93"
         "D\xC5\xB9",
         true},                                         // łódź ŁÓDŹ
        {"\xCE\xB1\xCF\x82", "\xCE\x91\xCE\xA3", true}, // ας ΑΣ
        {"\xD0\xB6\xD1\x91", "\xD0\x96\xD0\x81", true}, // жё ЖЁ
        {"\xC3\xB7", "\xC3\x97", false},                // ÷ is no letter
        {"\xE6\x97\xA5\xE6\x9C\xAC.exe", "\xE6\x97\xA5\xE6\x9C\xAC.EXE", true},
        {"\xE6\x97\xA5.exe", "\xE6\x9C\xAC.exe", false},
        {"a\xFF", "A\xFF", false}, // not UTF-8: byte by byte
        {"\xFF", "\xFF", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::SameNameIgnoringCase(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(UnicodeText, TextThatIsNoUtf8IsReadAsLatin1) {
    EXPECT_TRUE(core::IsValidUtf8("Ren\xC3\xA9.exe"));
    for (const char* bad : {"Ren\xE9.exe", "\xC3", "\xED\xA0\x80", "\xC0\xAF"})
        EXPECT_FALSE(core::IsValidUtf8(bad)) << bad;
    EXPECT_EQ(core::Utf8FromLatin1("Ren\xE9.exe"), "Ren\xC3\xA9.exe");
}

} // namespace
