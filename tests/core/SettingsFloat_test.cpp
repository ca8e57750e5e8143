#include "core/DateTime.h"
#include "core/SettingsFloat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace core;

namespace {

struct FormatCase {
    double value;
    const char* text;
};

TEST(SettingsFloat, FormatsTwentyThreeCharacters) {
    const FormatCase cases[] = {
        {EncodeDateTime(2003, 6, 21, 1, 0, 0, 0), " 3.77930416666667E+0004"},
        {0.0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {0.5, " 5.00000000000000E-0001"},
        {-1.5, "-1.50000000000000E+0000"},
        {1.0 / 3, " 3.33333333333333E-0001"},
        {2.0 / 3, " 6.66666666666667E-0001"},
        {9.999999999999999, " 1.00000000000000E+0001"},
        {123456789012345678.0, " 1.23456789012346E+0017"},
        {1e300, " 1.00000000000000E+0300"},
        {-2.5e-300, "-2.50000000000000E-0300"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-0324"},
        // 1.79769313486232E+0308 would lie beyond the largest double and read back as 0.
        {std::numeric_limits<double>::max(), " 1.79769313486231E+0308"},
        {-std::numeric_limits<double>::max(), "-1.79769313486231E+0308"},
        {1.797693134862315e308, " 1.79769313486231E+0308"},
        {1.79769313486231e308, " 1.79769313486231E+0308"},
        {std::nan(""), " 0.00000000000000E+0000"},
        {-std::numeric_limits<double>::infinity(), " 0.00000000000000E+0000"},
    };
    for (const auto& c : cases) {
        const std::string text = FormatSettingsFloat(c.value);
        EXPECT_EQ(text, c.text) << c.value;
        EXPECT_EQ(text.size(), 23U);
    }
}

struct ParseCase {
    const char* text;
    double value;
};

TEST(SettingsFloat, ParsesTheLongestWellFormedBeginning) {
    const ParseCase cases[] = {
        {"abc", 0},      {"", 0},           {"   ", 0},
        {"0.5", 0.5},    {"1.5x", 1.5},     {"  3.77930416666667E+0004", 37793.0416666667},
        {"\t7", 7},      {"-3.25e2", -325}, {"+4", 4},
        {".5", 0.5},     {"5.", 5},         {"-.5", -0.5},
        {"2e", 2},       {"2E+", 2},        {"2e5x", 200000},
        {"1,5", 1}, // the decimal point is '.' whatever the locale
        {"0x10", 0},     {"- 5", 0},        {".", 0},
        {"-", 0},        {"e5", 0},         {"1e99999", 0},
        {"-1e99999", 0}, {"1e-99999", 0},   {"nan", 0},
        {"inf", 0},      {"-INF", 0},       {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSettingsFloat(c.text), c.value) << '"' << c.text << '"';
}

TEST(SettingsFloat, WhatIsWrittenReadsBack) {
    std::mt19937_64 random(20030621);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 2 == 0 ? mantissa(random) * std::pow(10.0, exponent(random))
                                        : mantissa(random) * 1e5; // date-time sized
        const std::string text = FormatSettingsFloat(value);
        const double read = ParseSettingsFloat(text);
        ASSERT_EQ(FormatSettingsFloat(read), text) << value;
        ASSERT_LE(std::fabs(read - value), std::fabs(value) * 1e-14) << text;
    }
}

} // namespace
