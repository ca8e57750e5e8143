// The program-closes trigger on its controls, with a made-up session: what a
// click on its box does, what the list offers, and firing.
#include "app/ProgramCloseTriggerUnit.h"

#include <gtest/gtest.h>

#include "../monitors/FakeProcesses.h"
#include "support/FormFixture.h"
#include "toolkit/ComboBox.h"
#include "toolkit/GraphicControls.h"
#include "ui/BtChkBox.h"

namespace {

using test_support::kEnded;
using test_support::kPromptly;

class ProgramCloseUnitTest : public test_support::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        session.Run(1, "job.exe");
        session.Run(2, "Job.exe");
        session.Run(3, "admin.exe");
        session.Refuse(3);
        box = &form->Add<ui::TBitCheckBox>("Box", tk::Bounds{8, 8, 97, 17});
        list = &form->Add<tk::ComboBox>("List", tk::Bounds{8, 30, 220, 21});
        status = &form->Add<tk::Label>("Status", tk::Bounds{8, 60, 0, 0});
        unit = std::make_unique<ProgramCloseTriggerUnit>(
            ProgramCloseControls{*box, *list, *status},
            ProgramCloseServices{
                .window = listener.Handle(),
                .message = kEnded,
                .requestAction = [this] { ++actions; },
                .showMessage = [this](const std::string& text) { messages.push_back(text); },
                .processes = session.Access(),
                .programs =
                    [] {
                        return std::vector<monitors::UserProgram>{{2, "Job.exe", "Render - scene"}};
                    }});
    }
    void TearDown() override {
        unit.reset();
        FormTest::TearDown();
    }
    void Click() {
        box->Toggle();
        unit->BoxClick();
    }

    test_support::FakeSession session;
    test_support::Listener listener;
    ui::TBitCheckBox* box = nullptr;
    tk::ComboBox* list = nullptr;
    tk::Label* status = nullptr;
    std::unique_ptr<ProgramCloseTriggerUnit> unit;
    int actions = 0;
    std::vector<std::string> messages;
};

TEST_F(ProgramCloseUnitTest, ATickedBoxArmsOrIsUntickedWithTheReason) {
    struct Case {
        const char* name;
        bool armed;
        std::string message;
        std::string status;
    };
    const Case cases[] = {
        {"", false, "Choose a program from the list first...", "Not waiting"},
        {"setup.exe", false, "setup.exe is not running...", "Not waiting"},
        {"admin.exe", false, "admin.exe cannot be watched: it runs as another user or elevated...",
         "Not waiting"},
        {"JOB.EXE", true, "", "Waiting for 2 processes"},
    };
    for (const Case& c : cases) {
        messages.clear();
        unit->SetName(c.name);
        Click();
        EXPECT_EQ(box->Checked(), c.armed) << c.name;
        EXPECT_EQ(unit->Armed(), c.armed) << c.name;
        EXPECT_EQ(messages,
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(status->Caption(), c.status) << c.name;
        if (box->Checked()) Click();
    }
    EXPECT_FALSE(unit->Armed()) << "unticking disarms";
    EXPECT_EQ(actions, 0);
}

TEST_F(ProgramCloseUnitTest, TheListOffersTheNameAndTheRunningProgramsAndTheChosenOneFiresWhenItEnds) {
    unit->SetName("job.exe");
    unit->ListDropDown();
    ASSERT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->Item(0), "job.exe (every process of that name)");
    EXPECT_EQ(list->Item(1), "Render - scene (Job.exe)");
    EXPECT_EQ(list->ItemIndex(), 0) << "the choice so far stays chosen";

    list->SetItemIndex(1);
    unit->ListSelect();
    Click();
    EXPECT_EQ(status->Caption(), "Waiting for 1 process") << "the chosen process only";
    session.End(2);
    const std::optional<WPARAM> ended = listener.Next(kPromptly);
    ASSERT_TRUE(ended);
    unit->WatchEnded(*ended);
    EXPECT_EQ(actions, 1);
    EXPECT_FALSE(box->Checked()) << "a trigger that fired is disarmed";
    EXPECT_EQ(status->Caption(), "Not waiting");
    EXPECT_EQ(unit->Name(), "Job.exe") << "kept for the settings";
}

} // namespace
