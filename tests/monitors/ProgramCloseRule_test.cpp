// When the program-closes trigger fires, from lists of the session's processes.
#include "monitors/ProgramCloseRule.h"

#include <gtest/gtest.h>

namespace {

using monitors::ProcessId;
using monitors::ProgramChoice;
using monitors::ProgramCloseRule;
using monitors::SessionProcess;
using Ids = std::vector<ProcessId>;
using Session = std::vector<SessionProcess>;

const Session kRunning = {{4, "explorer.exe"}, {10, "Render.exe"}, {11, "render.EXE"}, {12, "renderer.exe"}};

TEST(ProgramCloseRule, ArmingWaitsForEveryProcessOfTheNameOrTheOneChosen) {
    struct Case {
        const char* what;
        ProgramChoice choice;
        Ids watch;
    };
    const Case cases[] = {
        {"by name, any case", {"RENDER.exe", std::nullopt}, {10, 11}},
        {"no such program: refused", {"setup.exe", std::nullopt}, {}},
        {"chosen", {"render.exe", 11}, {11}},
        {"chosen, ended meanwhile", {"render.exe", 13}, {}},
        {"chosen under another name", {"explorer.exe", 10}, {}},
    };
    for (const Case& c : cases) {
        ProgramCloseRule rule;
        EXPECT_EQ(rule.Arm(c.choice, kRunning), c.watch) << c.what;
    }
}

TEST(ProgramCloseRule, WhenTheLastEndsItLooksAgainByNameBeforeFiring) {
    struct Case {
        const char* what;
        ProgramChoice choice;
        Session after;
        bool due;
        Ids watch;
    };
    const Case cases[] = {
        {"none left", {"render.exe", std::nullopt}, {{4, "explorer.exe"}, {12, "renderer.exe"}}, true, {}},
        {"handed over", {"render.exe", std::nullopt}, {{4, "explorer.exe"}, {20, "RENDER.exe"}}, false, {20}},
        {"chosen: the others of its name are not its job",
         {"render.exe", 10},
         {{11, "render.exe"}},
         true,
         {}},
        {"chosen: a new one of its name takes over",
         {"render.exe", 10},
         {{11, "render.exe"}, {21, "render.exe"}},
         false,
         {21}},
    };
    for (const Case& c : cases) {
        ProgramCloseRule rule;
        ASSERT_FALSE(rule.Arm(c.choice, kRunning).empty()) << c.what;
        const monitors::ProgramWatchStep step = rule.AfterLastEnded(c.after);
        EXPECT_EQ(step.due, c.due) << c.what;
        EXPECT_EQ(step.watch, c.watch) << c.what;
    }
}

} // namespace
