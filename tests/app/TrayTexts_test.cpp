// What the notification-area icon offers: its menu in each state and its tip.
#include "app/TrayTexts.h"

#include <gtest/gtest.h>

#include "ui/lang.h"

namespace {

TEST(TrayTexts, MenuOffersOnlyRestoreWhileTheConfirmationIsOpen) {
    struct Case {
        bool confirmOpen;
        int action;
        bool enabled[5]; // Restore, Disarm all, separator, the action now, Exit
        unsigned actionText;
    };
    const Case cases[] = {
        {false, 0, {true, true, false, true, true}, lang::TrayActionNow},
        {false, 4, {true, true, false, true, true}, lang::TrayActionNow + 4},
        {true, 1, {true, false, false, false, false}, lang::TrayActionNow + 1},
        {false, -1, {true, true, false, false, true}, lang::TrayActionNow},
    };
    const TrayCommand order[] = {TrayCommand::Restore, TrayCommand::DisarmAll, TrayCommand::None,
                                 TrayCommand::ActionNow, TrayCommand::Exit};
    for (const Case& c : cases) {
        const std::vector<TrayMenuItem> items = TrayMenuItems(c.action, c.confirmOpen);
        ASSERT_EQ(items.size(), 5u);
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].command, order[i]) << i;
            EXPECT_EQ(items[i].enabled, c.enabled[i]) << "item " << i << ", open " << c.confirmOpen;
            EXPECT_EQ(items[i].isDefault, i == 0) << i;
        }
        EXPECT_EQ(items[3].text, c.actionText);
    }
}

TEST(TrayTexts, TipListsTheArmedTriggersThatFitWhole) {
    struct Case {
        std::vector<std::string> lines;
        std::size_t maxLength;
        std::string tip;
    };
    const Case cases[] = {
        {{}, 127, "Kal Vex Now!"},
        {{"in 0:12:30"}, 127, "Kal Vex Now!\nReboot in 0:12:30"},
        {{"in 0:12:30", "when the player stops"},
         127,
         "Kal Vex Now!\nReboot in 0:12:30\nReboot when the player stops"},
        {{"in 0:12:30", "when the player stops"}, 40, "Kal Vex Now!\nReboot in 0:12:30"},
        {{"in 0:12:30"}, 5, "Kal V"},
    };
    for (const Case& c : cases) EXPECT_EQ(TrayTipText("Kal Vex Now!", "Reboot", c.lines, c.maxLength), c.tip);
}

} // namespace
