#include "core/IntConv.h"

#include <gtest/gtest.h>

#include <limits>

using core::TryStrToInt;

namespace {

struct Case {
    const char* text;
    bool valid;
    std::int32_t value;
};

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

const Case Cases[] = {
    {"0", true, 0},
    {"42", true, 42},
    {"+42", true, 42},
    {"-42", true, -42},
    {"007", true, 7},
    {"2147483647", true, Max},
    {"2147483648", false, 0},
    {"-2147483648", true, Min},
    {"-2147483649", false, 0},
    {"00000000002147483647", true, Max},
    {"99999999999999999999", false, 0},
    {"$7FFFFFFF", true, Max},
    {"$80000000", true, Min},
    {"$FFFFFFFF", true, -1},
    {"$100000000", false, 0},
    {"$000000001", true, 1},
    {"$1E", true, 30},
    {"$1e", true, 30},
    {"0x3", true, 3},
    {"0X3", true, 3},
    {"x10", true, 16},
    {"X10", true, 16},
    {"-$10", true, -16},
    {"+0x10", true, 16},
    {"-$FFFFFFFF", true, 1},
    {"-$80000000", true, Min},
    {"  12", true, 12}, // leading blanks are skipped
    {"  -$10", true, -16},
    {"0x", false, 0},
    {"$", false, 0},
    {"x", false, 0},
    {"", false, 0},
    {"   ", false, 0},
    {"+", false, 0},
    {"-", false, 0},
    {"12a", false, 0},
    {"12 ", false, 0},
    {"1 2", false, 0},
    {"- 1", false, 0},
    {"\t1", false, 0},
    {"--1", false, 0},
    {"$G", false, 0},
    {"0x1G", false, 0},
    {"$-1", false, 0},
    {"1.0", false, 0},
    {"1e3", false, 0},
    {"00x1", false, 0},
};

TEST(IntConv, TryStrToInt) {
    for (const auto& c : Cases) {
        std::int32_t value = 12345;
        EXPECT_EQ(TryStrToInt(c.text, value), c.valid) << '"' << c.text << '"';
        EXPECT_EQ(value, c.valid ? c.value : 12345) << '"' << c.text << '"';
    }
}

} // namespace
