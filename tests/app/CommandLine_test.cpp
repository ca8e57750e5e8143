#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CommandLineModel.h"
#include "app/CommandLineSplit.h"
#include "core/DateTimeText.h"
#include "core/Error.h"

namespace {

using core::EncodeDate;
using core::EncodeDateTime;
using core::EncodeTime;

// Applies the options after a program path and returns the error text, if any.
std::string Apply(CommandLineModel& window, const std::string& options) {
    try {
        cmdline::ApplyCommandLine(cmdline::SplitCommandLine("KalvexNow.exe " + options), window);
    } catch (const core::Error& e) {
        return e.text();
    }
    return {};
}

struct Case {
    const char* options;
    std::function<void(const CommandLineModel&)> check;
};

void RunCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        CommandLineModel window;
        EXPECT_EQ(Apply(window, c.options), "");
        c.check(window);
    }
}

TEST(CommandLine, NoOptionsChangeNothing) {
    CommandLineModel window;
    cmdline::ApplyCommandLine({}, window);
    cmdline::ApplyCommandLine({"KalvexNow.exe"}, window);
    EXPECT_TRUE(window.calls.empty());
}

TEST(CommandLine, ActionNamesAreExact) {
    RunCases({
        {"-action=turnoff", [](auto& w) { EXPECT_EQ(w.action, 0); }},
        {"-action=reboot", [](auto& w) { EXPECT_EQ(w.action, 1); }},
        {"-action=logoff", [](auto& w) { EXPECT_EQ(w.action, 2); }},
        {"-action=standby", [](auto& w) { EXPECT_EQ(w.action, 3); }},
        {"-action=hibernate", [](auto& w) { EXPECT_EQ(w.action, 4); }},
        {"-action=Reboot", [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"-action=rebootx", [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"-action=", [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"-Action=reboot", [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"-action=reboot -action=standby", [](auto& w) { EXPECT_EQ(w.action, 3); }},
    });
}

TEST(CommandLine, WinampTogglesWhateverFollowsTheName) {
    RunCases({
        {"-winamp", [](auto& w) { EXPECT_TRUE(w.winamp); }},
        {"-winampfoo", [](auto& w) { EXPECT_TRUE(w.winamp); }},
        {"-winamp -winamp", [](auto& w) { EXPECT_FALSE(w.winamp); }},
        {"-WinAmp", [](auto& w) { EXPECT_FALSE(w.winamp); }},
    });
}

TEST(CommandLine, CpuClampsLevelAndRoundsTheWindowDown) {
    struct CpuCase {
        const char* options;
        int level;
        int windowItem;
        bool armed;
    };
    const CpuCase cases[] = {
        {"-cpu=30,45", 30, 8, true},    {"-cpu=30,47", 30, 8, true},        {"-cpu=150,3", 100, 0, true},
        {"-cpu=50", 50, 4, true},       {"-cpu=$1E,10", 30, 1, true},       {"-cpu=-5,60", 0, 11, true},
        {"-cpu=0x14,59", 20, 10, true}, {"-cpu=,9", 10, 0, true},           {"-cpu=abc,x", 10, 4, true},
        {"-cpu=30,4,5", 30, 8, true},   {"-cpu=2147483648,5", 10, 0, true}, {"-cpu=20 -cpu=30", 30, 4, false},
    };
    for (const CpuCase& c : cases) {
        SCOPED_TRACE(c.options);
        CommandLineModel window;
        EXPECT_EQ(Apply(window, c.options), "");
        EXPECT_EQ(window.loadLevel, c.level);
        EXPECT_EQ(window.loadWindowItem, c.windowItem);
        EXPECT_EQ(window.cpu, c.armed);
    }
}

TEST(CommandLine, NetRoundsDownToListItemsAndTakesTheAdapterWhole) {
    struct NetCase {
        const char* options;
        int level;
        int window;
        const char* adapter;
        bool armed;
    };
    const NetCase cases[] = {
        {"-net=5,60", 5, 60, "", true},
        {"-net=7,100", 5, 60, "", true},
        {"-net=0,1", 1, 5, "", true},
        {"-net=9999,9999", 500, 600, "", true},
        {"-net=$32", 50, 60, "", true},
        {"-net=x,y,loopback", 10, 60, "loopback", true},
        {"\"-net=1,30,Local Area Connection\"", 1, 30, "Local Area Connection", true},
        {"-net=1,30,a,b", 1, 30, "a,b", true},
        {"\"-net=1, 30,eth0\"", 10, 60, "", false}, // a blank before the name
        {"-net=5 -net=1", 1, 60, "", false},
    };
    for (const NetCase& c : cases) {
        SCOPED_TRACE(c.options);
        CommandLineModel window;
        EXPECT_EQ(Apply(window, c.options), "");
        EXPECT_EQ(window.netLevel, c.level);
        EXPECT_EQ(window.netWindow, c.window);
        EXPECT_EQ(window.netAdapter, c.adapter);
        EXPECT_EQ(window.net, c.armed);
    }
}

TEST(CommandLine, CountdownSetsDaysSpanModeAndArmsInThatOrder) {
    CommandLineModel window;
    window.countdownMode = false;
    EXPECT_EQ(Apply(window, "-action=reboot -countdown=00:30:00"), "");
    EXPECT_EQ(window.action, 1);
    EXPECT_EQ(window.days, 0);
    EXPECT_DOUBLE_EQ(window.span, EncodeTime(0, 30, 0, 0));
    EXPECT_TRUE(window.countdownMode);
    EXPECT_TRUE(window.timer);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"SelectAction", "SelectDays", "SetCountdownSpan",
                                                      "Tick", "SelectCountdownMode", "ToggleTimer"}));
}

TEST(CommandLine, CountdownDaysAreClampedAndDefaultToZero) {
    RunCases({
        {"-countdown=01:00:00,2", [](auto& w) { EXPECT_EQ(w.days, 2); }},
        {"-countdown=01:00:00,400", [](auto& w) { EXPECT_EQ(w.days, 365); }},
        {"-countdown=01:00:00,-1", [](auto& w) { EXPECT_EQ(w.days, 0); }},
        {"-countdown=01:00:00,abc", [](auto& w) { EXPECT_EQ(w.days, 0); }},
        {"-countdown=1:05", [](auto& w) { EXPECT_DOUBLE_EQ(w.span, EncodeTime(1, 5, 0, 0)); }},
    });
}

TEST(CommandLine, TimerTodayOrTomorrow) {
    const core::TDateTime today = EncodeDate(2026, 12, 8);
    struct TimerCase {
        const char* options;
        core::TDateTime target;
    };
    const TimerCase cases[] = {
        {"-timer=23:00:00", EncodeDateTime(2026, 12, 8, 23, 0, 0, 0)},
        {"-timer=08:00:00", EncodeDateTime(2026, 12, 9, 8, 0, 0, 0)},
        {"-timer=10:00:00", EncodeDateTime(2026, 12, 8, 10, 0, 0, 0)}, // not later than now by 1 ms
        {"-timer=08:00:00,12/8/2026", EncodeDateTime(2026, 12, 9, 8, 0, 0, 0)},
        {"-timer=08:00:00,12/24/2026", EncodeDateTime(2026, 12, 24, 8, 0, 0, 0)},
        {"-timer=8:00PM,12/24", EncodeDateTime(2026, 12, 24, 20, 0, 0, 0)},
        {"-timer=8:00 PM,12/24", EncodeDateTime(2026, 12, 9, 8, 0, 0, 0)}, // "PM,12/24" is another argument
    };
    for (const TimerCase& c : cases) {
        SCOPED_TRACE(c.options);
        CommandLineModel window;
        window.targetDate = today + EncodeTime(15, 30, 0, 0);
        EXPECT_EQ(Apply(window, c.options), "");
        EXPECT_DOUBLE_EQ(window.DateModeTarget(), c.target);
        EXPECT_FALSE(window.countdownMode);
        EXPECT_TRUE(window.timer);
    }
}

TEST(CommandLine, TimerReadsTheRegionalDateOrder) {
    CommandLineModel window;
    window.formats.ShortDateFormat = "dd.MM.yyyy";
    window.formats.DateSeparator = '.';
    window.formats.TwelveHourClock = false;
    EXPECT_EQ(Apply(window, "-timer=07:15,24.12.2026"), "");
    EXPECT_DOUBLE_EQ(window.DateModeTarget(), EncodeDateTime(2026, 12, 24, 7, 15, 0, 0));
}

TEST(CommandLine, ErrorsStopTheOptionsAfterThem) {
    struct ErrorCase {
        const char* options;
        const char* error;
        std::function<void(const CommandLineModel&)> check;
    };
    const ErrorCase cases[] = {
        {"-countdown=,2 -cpu=30", "'' is not a valid time",
         [](auto& w) {
             EXPECT_EQ(w.days, 2) << "set before the time was read";
             EXPECT_FALSE(w.timer);
             EXPECT_FALSE(w.cpu);
         }},
        {"-action=reboot -countdown=25:00 -winamp", "'25:00' is not a valid time",
         [](auto& w) {
             EXPECT_EQ(w.action, 1);
             EXPECT_FALSE(w.winamp);
         }},
        {"-timer=08:00:00,12/7/2026 -cpu=30", "Date is less than minimum of 12/8/2026",
         [](auto& w) { EXPECT_FALSE(w.cpu); }},
        {"-timer=08:00:00,yesterday", "'yesterday' is not a valid date",
         [](auto& w) { EXPECT_FALSE(w.timer); }},
        {"-timer=,12/24/2026", "'' is not a valid time",
         [](auto& w) { EXPECT_DOUBLE_EQ(core::DateOf(w.targetDate), EncodeDate(2026, 12, 24)); }},
        {"-timer=24:00", "'24:00' is not a valid time", [](auto& w) { EXPECT_FALSE(w.timer); }},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.options);
        CommandLineModel window;
        EXPECT_EQ(Apply(window, c.options), c.error);
        c.check(window);
    }
}

TEST(CommandLine, ProcessNamesAnExecutableTogglesAndAnyRefusalStopsTheOptions) {
    struct ProcessCase {
        const char* options;
        const char* refusal; // what the window answers to arming
        const char* name;
        bool armed;
        bool cpuAfter;
    };
    const ProcessCase cases[] = {
        {"-process=Setup.exe -cpu=30", "", "Setup.exe", true, true},
        {"-process=setup -cpu=30", "", "setup.exe", true, true},
        {"-process=C:\\Tools\\render.bat", "", "render.bat", true, false},
        {"-process=a.exe -process=a.exe", "", "a.exe", false, false},
        {"-process=none.exe -cpu=30", "none.exe is not running...", "none.exe", false, false},
        {"-process= -cpu=30", "is not running...", "", false, false},
    };
    for (const ProcessCase& c : cases) {
        SCOPED_TRACE(c.options);
        CommandLineModel window;
        window.programRefusal = c.refusal;
        EXPECT_EQ(Apply(window, c.options), c.refusal);
        EXPECT_EQ(window.programName, c.name);
        EXPECT_EQ(window.programArmed, c.armed);
        EXPECT_EQ(window.cpu, c.cpuAfter);
    }
    // The name as UTF-8 where the ANSI code page lost it.
    CommandLineModel window;
    cmdline::ApplyCommandLine({"k", "-cpu=3", "-process=?.exe"}, window,
                              {"k", "-cpu=3", "-process=\xE6\x97\xA5.exe"});
    EXPECT_EQ(window.programName, "\xE6\x97\xA5.exe");
}

TEST(CommandLine, SameTriggerTwiceEndsDisarmedInTheLaterMode) {
    CommandLineModel window;
    EXPECT_EQ(Apply(window, "-countdown=00:10:00 -timer=23:00:00"), "");
    EXPECT_FALSE(window.timer);
    EXPECT_FALSE(window.countdownMode);
}

TEST(CommandLine, ArgumentsWithBlanksAndUnknownOnesAreIgnored) {
    RunCases({
        {"\"-cpu=30, 45\"", [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"\"-winamp\t\"", [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"-cpu -timer -countdown /winamp --winamp winamp \"\"",
         [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"-helpme -h", [](auto& w) { EXPECT_TRUE(w.calls.empty()); }},
        {"\"-countdown=00:30:00\"", [](auto& w) { EXPECT_TRUE(w.timer); }},
    });
}

TEST(CommandLine, AHelpRequestShowsTheOptionsAndAppliesNothing) {
    for (const char* options : {"-?", "/?", "-help", "-cpu=30 /?", "-? -countdown=,2"}) {
        SCOPED_TRACE(options);
        CommandLineModel window;
        EXPECT_EQ(Apply(window, options), "");
        EXPECT_EQ(window.calls, std::vector<std::string>{"ShowOptions"});
    }
}

} // namespace
