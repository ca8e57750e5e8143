#include "app/CommandLineHelp.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CommandLineModel.h"
#include "app/CommandLineSplit.h"
#include "ui/lang.h"

namespace {

std::string IdText(unsigned id) { return "<" + std::to_string(id) + ">"; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

core::TFormatSettings Finnish() {
    core::TFormatSettings fs;
    fs.ShortDateFormat = "d.M.yyyy";
    fs.DateSeparator = '.';
    fs.TimeSeparator = '.';
    fs.TwelveHourClock = false;
    return fs;
}

// A table of syntax and meaning, one row per option, then the examples; each
// example, given to the program as it stands, is taken.
TEST(CommandLineHelp, ATableOfOptionsThenExamplesTheProgramAccepts) {
    const auto rows = cmdline::OptionHelpRows();
    for (const core::TFormatSettings& fs : {core::TFormatSettings{}, Finnish()}) {
        CommandLineModel window;
        window.formats = fs;
        const std::vector<std::string> lines =
            Lines(cmdline::OptionsText(IdText, fs, core::DateOf(window.now)));
        ASSERT_GT(lines.size(), rows.size() + 3);
        EXPECT_EQ(lines[0], IdText(lang::OptionsTitle));
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(lines[i + 1], std::string(rows[i].syntax) + "\t" + IdText(rows[i].meaningId));
        EXPECT_EQ(lines[rows.size() + 1], "");
        EXPECT_EQ(lines[rows.size() + 2], IdText(lang::OptionsExamples));
        for (std::size_t i = rows.size() + 3; i < lines.size(); ++i) {
            CommandLineModel applied;
            applied.formats = fs;
            EXPECT_NO_THROW(cmdline::ApplyCommandLine(cmdline::SplitCommandLine("k " + lines[i]), applied))
                << lines[i];
            EXPECT_FALSE(applied.calls.empty()) << lines[i];
        }
    }
}

TEST(CommandLineHelp, ExamplesFollowTheRegionalSeparators) {
    const std::string text = cmdline::OptionsText(IdText, Finnish(), core::EncodeDate(2026, 12, 8));
    EXPECT_NE(text.find("\n-countdown=01.30.00,2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n-timer=23.30.00,9.12.2026\n"), std::string::npos) << text;
}

} // namespace
