#include "core/AsciiText.h"

#include <gtest/gtest.h>

namespace {

TEST(AsciiText, TrimsSpacesAndTabsOnly) {
    EXPECT_EQ(core::TrimBlanks(" \t a b \t "), "a b");
    EXPECT_EQ(core::TrimBlanks("\r\nx\n"), "\r\nx\n");
    EXPECT_EQ(core::TrimBlanks("  "), "");
}

TEST(AsciiText, IgnoresTheCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(core::SameTextIgnoringCase("OPTIONS", "options"));
    EXPECT_TRUE(core::SameTextIgnoringCase("a.m.", "A.M."));
    EXPECT_FALSE(core::SameTextIgnoringCase("OPTION", "OPTIONS"));
    EXPECT_FALSE(core::SameTextIgnoringCase("[", "{"));       // 0x5B and 0x7B differ by the case bit
    EXPECT_FALSE(core::SameTextIgnoringCase("\xC4", "\xE4")); // not ASCII
}

} // namespace
