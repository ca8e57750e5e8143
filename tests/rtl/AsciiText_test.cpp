#include "rtl/AsciiText.h"

#include <gtest/gtest.h>

namespace {

TEST(AsciiText, TrimsSpacesAndTabsOnly) {
    EXPECT_EQ(rtl::TrimBlanks(" \t a b \t "), "a b");
    EXPECT_EQ(rtl::TrimBlanks("\r\nx\n"), "\r\nx\n");
    EXPECT_EQ(rtl::TrimBlanks("  "), "");
}

TEST(AsciiText, IgnoresTheCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(rtl::SameTextIgnoringCase("OPTIONS", "options"));
    EXPECT_TRUE(rtl::SameTextIgnoringCase("a.m.", "A.M."));
    EXPECT_FALSE(rtl::SameTextIgnoringCase("OPTION", "OPTIONS"));
    EXPECT_FALSE(rtl::SameTextIgnoringCase("[", "{"));       // 0x5B and 0x7B differ by the case bit
    EXPECT_FALSE(rtl::SameTextIgnoringCase("\xC4", "\xE4")); // not ASCII
}

} // namespace
