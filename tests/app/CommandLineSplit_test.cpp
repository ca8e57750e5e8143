#include "app/CommandLineSplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using cmdline::SplitAtComma;
using cmdline::SplitCommandLine;
using cmdline::ValueParts;

namespace {

struct SplitCase {
    const char* commandLine;
    std::vector<std::string> arguments;
};

const SplitCase kSplitCases[] = {
    {"", {}},
    {"   ", {}},
    {"KalvexNow.exe", {"KalvexNow.exe"}},
    {"KalvexNow.exe -winamp", {"KalvexNow.exe", "-winamp"}},
    {"KalvexNow.exe  \t -winamp\t-cpu=30,45  ", {"KalvexNow.exe", "-winamp", "-cpu=30,45"}},
    // The path keeps its backslashes and loses its quotes.
    {R"("C:\Program Files\Kalvex\KalvexNow.exe" -winamp)",
     {R"(C:\Program Files\Kalvex\KalvexNow.exe)", "-winamp"}},
    {R"(C:\Kalvex\ -x)", {R"(C:\Kalvex\)", "-x"}},
    // Quotes group and vanish, also in the middle of an argument.
    {R"(p "-countdown=00:30:00, 2")", {"p", "-countdown=00:30:00, 2"}},
    {R"(p -timer="23:00:00,24 12 2026")", {"p", "-timer=23:00:00,24 12 2026"}},
    {R"(p "" x)", {"p", "", "x"}},
    {R"(p "a""b")", {"p", R"(a"b)"}},
    {R"(p "unclosed arg)", {"p", "unclosed arg"}},
    // Backslashes count only before a quote.
    {R"(p a\b a\\b)", {"p", R"(a\b)", R"(a\\b)"}},
    {R"(p a\"b)", {"p", R"(a"b)"}},
    {R"(p a\\"b c")", {"p", R"(a\b c)"}},
    {R"(p a\\\"b)", {"p", R"(a\"b)"}},
    {R"(p "a\\" b)", {"p", R"(a\)", "b"}},
    {R"(p trailing\)", {"p", R"(trailing\)"}},
};

TEST(CommandLineSplit, SplitsTheWayWindowsProgramsDo) {
    for (const SplitCase& c : kSplitCases)
        EXPECT_EQ(SplitCommandLine(c.commandLine), c.arguments) << c.commandLine;
}

struct CommaCase {
    const char* value;
    ValueParts parts;
};

const CommaCase kCommaCases[] = {
    {"", {"", ""}},         {"30", {"30", ""}},     {"30,45", {"30", "45"}},
    {"a,b,c", {"a", "bc"}}, {",", {"", ""}},        {",2", {"", "2"}},
    {"1,", {"1", ""}},      {",,,,9,,", {"", "9"}}, {"01:00:00, 2", {"01:00:00", " 2"}}, // nothing is trimmed
};

TEST(CommandLineSplit, SplitAtCommaTakesTheFirstCommaAndDropsTheRest) {
    for (const CommaCase& c : kCommaCases) EXPECT_EQ(SplitAtComma(c.value), c.parts) << c.value;
}

TEST(CommandLineSplit, SplitAtTwoCommasKeepsTheThirdPartWhole) {
    const std::pair<const char*, cmdline::ThreeParts> cases[] = {
        {"", {"", "", ""}},
        {"5", {"5", "", ""}},
        {"5,30", {"5", "30", ""}},
        {"5,30,Local Area Connection", {"5", "30", "Local Area Connection"}},
        {"5,,loopback", {"5", "", "loopback"}},
        {"5,30,a,b", {"5", "30", "a,b"}},
        {",,", {"", "", ""}},
    };
    for (const auto& [value, parts] : cases) EXPECT_EQ(cmdline::SplitAtTwoCommas(value), parts) << value;
}

} // namespace
