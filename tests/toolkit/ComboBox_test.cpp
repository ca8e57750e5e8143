#include "toolkit/ComboBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolkitTesting.h"

namespace {

class ComboBoxTest : public toolkit_testing::FormTest {
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

} // namespace
