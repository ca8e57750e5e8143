#include "toolkit/ComboBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

class ComboBoxStatusTest : public testing::Test {
protected:
    void SetUp() override {
        tk::FormArgs args;
        args.name = "ComboBoxTestForm";
        form = std::make_unique<tk::Form>(args);
        combo = &form->Add<tk::ComboBox>("List", tk::Bounds{8, 8, 120, 21});
        for (const char* item : {"5", "25", "60"}) combo->AddItem(item);
        combo->SetItemIndex(1);
        form->Show();
        PaintAll();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
        field = info.rcItem;
        button = info.rcButton;
    }
    void TearDown() override {
        form.reset();
        tk::Application::Instance().ProcessMessages();
    }

    void PaintAll() {
        tk::Application::Instance().ProcessMessages();
        UpdateWindow(form->Handle());
        UpdateWindow(combo->Handle());
    }

    // The part of the combo box waiting to be painted; empty when none.
    RECT Pending() const {
        RECT r{};
        GetUpdateRect(combo->Handle(), &r, FALSE);
        return r;
    }

    bool Nothing() const {
        const RECT r = Pending();
        return IsRectEmpty(&r) != FALSE;
    }

    std::unique_ptr<tk::Form> form;
    tk::ComboBox* combo = nullptr;
    RECT field{}, button{};
};

TEST_F(ComboBoxStatusTest, ATextThatChangesInPlaceRepaintsOnlyItsOwnArea) {
    combo->SetStatusText("25/17");
    PaintAll(); // drawn once: its place is known from now on
    ASSERT_TRUE(Nothing());

    combo->SetStatusText("25/16");
    const RECT pending = Pending();
    EXPECT_FALSE(IsRectEmpty(&pending));
    EXPECT_GT(pending.left, field.left + (field.right - field.left) / 2) << "only the right-hand text";
    EXPECT_LE(pending.right, field.right);
    EXPECT_LE(pending.right, button.left) << "not the drop-down button";
    PaintAll();

    combo->SetStatusText("25/16"); // unchanged: nothing to paint
    EXPECT_TRUE(Nothing());
}

TEST_F(ComboBoxStatusTest, ALongerOrFirstTextRepaintsTheWholeFieldButNotTheButton) {
    struct Case {
        const char* before;
        const char* after;
    };
    for (const Case& c : {Case{nullptr, "5/5"}, Case{"5/5", "60/60"}}) {
        SCOPED_TRACE(c.after);
        if (c.before) {
            combo->SetStatusText(c.before);
            PaintAll();
        }
        combo->SetStatusText(c.after);
        const RECT pending = Pending();
        EXPECT_LE(pending.left, field.left);
        EXPECT_GE(pending.right, field.right);
        EXPECT_LE(pending.right, button.left);
        PaintAll();
    }
}

} // namespace
