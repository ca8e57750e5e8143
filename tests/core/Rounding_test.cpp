#include "core/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace core;

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    constexpr auto Max = std::numeric_limits<std::int64_t>::max();
    constexpr auto Min = std::numeric_limits<std::int64_t>::min();
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::int64_t expected;
    } cases[] = {
        {12.5, 12},
        {13.5, 14},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {1.5, 2},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {-0.4, 0},
        {0.49999999999999994, 0},
        {0.125 * 100, 12},
        {100.0, 100},
        {4503599627370497.0, 4503599627370497},
        {1e300, Max},
        {-1e300, Min},
        {Inf, Max},
        {-Inf, Min},
        {std::nan(""), 0},
        {9223372036854775808.0, Max},
        {-9223372036854775808.0, Min},
        {9223372036854774784.0, 9223372036854774784},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

TEST(Rounding, TruncationTowardZeroIsClamped) {
    EXPECT_EQ(TruncToInt64(2.9), 2);
    EXPECT_EQ(TruncToInt64(-2.9), -2);
    EXPECT_EQ(TruncToInt64(9223372036854774784.0), 9223372036854774784);
    EXPECT_EQ(TruncToInt64(9223372036854775808.0), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(TruncToInt64(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(TruncToInt64(-1e300), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(TruncToInt64(std::nan("")), 0);
}

TEST(Rounding, FixedThreeDecimals) {
    const struct {
        double value;
        char separator;
        const char* expected;
    } cases[] = {
        {2.3456, '.', "2.346"},      {2.3456, ',', "2,346"},
        {0.0, '.', "0.000"},         {12.0, '.', "12.000"},
        {0.0004, '.', "0.000"},      {0.0005, '.', "0.001"},
        {1.0005, '.', "1.001"}, // rounded as written, not as the nearest double lies
        {-2.0005, '.', "-2.001"},    {0.9995, '.', "1.000"},
        {9.9995, '.', "10.000"},     {999.9999, '.', "1000.000"},
        {86400.5, '.', "86400.500"}, {-2.3456, '.', "-2.346"},
        {-0.0001, '.', "0.000"},     {-0.0, '.', "0.000"},
        {1e-300, '.', "0.000"},      {1e20, '.', "100000000000000000000.000"},
        {std::nan(""), '.', "NAN"},  {-std::numeric_limits<double>::infinity(), '.', "-INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFixed3(c.value, c.separator), c.expected) << c.value;
}

} // namespace
