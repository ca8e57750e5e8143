#include "toolkit/ComboBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Application.h"

#include "support/FormFixture.h"

namespace {

class ComboBoxTest : public test_support::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        box = &form->Add<tk::ComboBox>("Box", tk::Bounds{10, 10, 120, 21});
        for (const char* item : {"apple", "banana", "cherry"}) box->AddItem(item);
        box->OnChange = [this](tk::ComboBox& b) {
            events.push_back("change " + std::to_string(b.ItemIndex()));
        };
        box->OnSelect = [this](tk::ComboBox& b) {
            events.push_back("select " + std::to_string(b.ItemIndex()));
        };
        form->Show();
        box->SetFocus();
    }
    void Type(char ch) { SendMessageA(box->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1); }

    tk::ComboBox* box = nullptr;
    std::vector<std::string> events;
};

TEST_F(ComboBoxTest, HoldsItsItemsAndASelectionSetFromCodeFiresNothing) {
    EXPECT_EQ(box->ItemCount(), 3);
    EXPECT_EQ(box->Item(1), "banana");
    EXPECT_EQ(box->Item(3), "") << "past the end";
    EXPECT_EQ(box->ItemIndex(), -1) << "nothing chosen at first";
    struct Case {
        int set, expected;
    };
    for (const Case c : {Case{2, 2}, Case{0, 0}, Case{3, -1}, Case{1, 1}, Case{-5, -1}}) {
        box->SetItemIndex(c.set);
        EXPECT_EQ(box->ItemIndex(), c.expected) << "set " << c.set;
    }
    EXPECT_TRUE(events.empty());
    box->Clear();
    EXPECT_EQ(box->ItemCount(), 0);
}

TEST_F(ComboBoxTest, AChoiceByKeyFiresChangeThenSelect) {
    box->SetItemIndex(0);
    Type('c');
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"change 2", "select 2"}));
}

TEST_F(ComboBoxTest, AKeyPressHandlerMaySwallowOrReplaceTheKey) {
    box->SetItemIndex(0);
    box->OnKeyPress = [](tk::ComboBox&, char& key) {
        if (key == 'c') key = 0;   // swallowed
        if (key == 'x') key = 'b'; // replaced
    };
    Type('c');
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_TRUE(events.empty());
    Type('x');
    EXPECT_EQ(box->ItemIndex(), 1);
}

TEST_F(ComboBoxTest, TheStatusTextIsKeptUntilChanged) {
    box->SetStatusText("5 of 7");
    EXPECT_EQ(box->StatusText(), "5 of 7");
    box->SetStatusText("");
    EXPECT_EQ(box->StatusText(), "");
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_FALSE(box->WantsDialogKeys()) << "a closed list leaves Enter and Escape to the form";
}

// The status text repaints only where it stands.
class ComboBoxStatusTest : public test_support::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
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
