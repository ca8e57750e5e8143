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

rtl::TFormatSettings Finnish() {
    rtl::TFormatSettings fs;
    fs.ShortDateFormat = "d.M.yyyy";
    fs.DateSeparator = '.';
    fs.TimeSeparator = '.';
    fs.TwelveHourClock = false;
    return fs;
}

// Each example, given to the program as it stands, does what its line says.
TEST(CommandLineHelp, EveryExampleIsAcceptedInTheRegionalFormats) {
    for (const rtl::TFormatSettings& fs : {rtl::TFormatSettings{}, Finnish()}) {
        CommandLineModel window;
        window.formats = fs;
        const std::vector<std::string> lines =
            Lines(cmdline::OptionsText(IdText, fs, rtl::DateOf(window.now)));
        ASSERT_EQ(lines.size(), cmdline::kOptionMeanings.size() + 1);
        EXPECT_EQ(lines[0], IdText(lang::OptionsTitle));
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string meaning = IdText(cmdline::kOptionMeanings[i - 1]);
            ASSERT_TRUE(lines[i].ends_with("   " + meaning)) << lines[i];
            const std::string example = lines[i].substr(0, lines[i].size() - meaning.size() - 3);
            CommandLineModel applied;
            applied.formats = fs;
            EXPECT_NO_THROW(cmdline::ApplyCommandLine(cmdline::SplitCommandLine("k " + example), applied))
                << example;
            EXPECT_FALSE(applied.calls.empty()) << example;
        }
    }
}

TEST(CommandLineHelp, ExamplesFollowTheRegionalSeparators) {
    const std::string text = cmdline::OptionsText(IdText, Finnish(), rtl::EncodeDate(2026, 12, 8));
    EXPECT_NE(text.find("-countdown=01.30.00,2   "), std::string::npos) << text;
    EXPECT_NE(text.find("-timer=23.30.00,9.12.2026   "), std::string::npos) << text;
    EXPECT_NE(text.find("\n-? /? -help   "), std::string::npos) << text;
}

} // namespace
