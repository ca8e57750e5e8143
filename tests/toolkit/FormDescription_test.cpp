// Forms built from their descriptions: every kind of row, the keyboard
// order, events, actions, the header rule, and descriptions that cannot work.
#include "toolkit/FormDescription.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

std::string Texts(unsigned id) { return "text " + std::to_string(id); }

class TestForm : public tk::Form {
public:
    explicit TestForm(std::span<const tk::ControlRow> rows, std::span<const tk::ActionRow> actions = {},
                      tk::TextSource texts = Texts)
        : tk::Form(tk::FormArgs{.name = "TestForm", .clientWidth = 320, .clientHeight = 240}) {
        tk::BuildForm(*this, {.actions = actions, .controls = rows}, texts);
    }

    tk::Image* Picture = nullptr;
    tk::Bevel* Frame = nullptr;
    tk::Bevel* Line = nullptr;
    tk::Shape* Stripe = nullptr;
    tk::Label* Heading = nullptr;
    tk::Label* Note = nullptr;
    tk::ComboBox* List = nullptr;
    tk::DateTimePicker* Picker = nullptr;

    int clicks = 0, changes = 0, selects = 0, closeUps = 0, runs = 0;
    void HeadingClick() { ++clicks; }
    void Changed() { ++changes; }
    void ListSelect() { ++selects; }
    void ListCloseUp() { ++closeUps; }
    void ListKeyPress(char& key) { key = 0; }
    void RunExecute() { ++runs; }
};

const tk::FontSpec kBig{.name = "Arial", .height = -20, .bold = true};

// clang-format off
const tk::ControlRow kEveryKind[] = {
    {.name = "Picture", .kind = tk::MakeImage(), .bind = tk::Bind<&TestForm::Picture>, .bounds = {0, 0, 320, 240}},
    {.name = "Frame", .kind = tk::MakeBevel(), .bind = tk::Bind<&TestForm::Frame>, .bounds = {10, 10, 200, 100}},
    {.name = "Heading", .kind = tk::MakeLabel({.autoSize = false}), .bind = tk::Bind<&TestForm::Heading>,
     .bounds = {0, 0, 0, 15}, .textId = 7, .font = kBig, .cursor = tk::CursorKind::Hand,
     .header = {.frame = "Frame", .stripe = "Stripe", .separator = "Line"}, .onClick = tk::Call<&TestForm::HeadingClick>},
    {.name = "Line", .kind = tk::MakeBevel(tk::BevelShape::TopLine), .bind = tk::Bind<&TestForm::Line>, .bounds = {0, 0, 0, 2}},
    {.name = "Stripe", .kind = tk::MakeShape({.brushColor = tk::clRed}), .bind = tk::Bind<&TestForm::Stripe>, .bounds = {0, 0, 3, 0}},
    {.name = "Note", .kind = tk::MakeLabel(), .bind = tk::Bind<&TestForm::Note>, .bounds = {20, 50, 0, 0}, .text = "plain"},
    {.name = "List", .kind = tk::MakeComboBox({.itemHeight = 15, .dropDownCount = 5}), .bind = tk::Bind<&TestForm::List>,
     .bounds = {20, 120, 100, 21}, .cursor = tk::CursorKind::Hand, .tabSlot = 1,
     .onChange = tk::Call<&TestForm::Changed>, .onSelect = tk::Call<&TestForm::ListSelect>,
     .onCloseUp = tk::Call<&TestForm::ListCloseUp>, .onKeyPress = tk::CallKey<&TestForm::ListKeyPress>},
    {.name = "Picker", .kind = tk::MakeDateTimePicker({.kind = tk::PickerKind::Time}), .bind = tk::Bind<&TestForm::Picker>,
     .bounds = {140, 120, 100, 21}, .cursor = tk::CursorKind::Text, .tabSlot = 0, .onChange = tk::Call<&TestForm::Changed>},
};
// clang-format on

const tk::ActionRow kActions[] = {
    {.name = "Run",
     .caption = "Run it",
     .shortcut = {.key = VK_F5, .ctrl = true},
     .onExecute = tk::Call<&TestForm::RunExecute>},
};

TEST(FormDescriptionTest, EveryRowBuildsItsControlWithBoundsTextFontAndCursor) {
    TestForm form(kEveryKind);
    struct Expected {
        const char* name;
        const std::type_info& type;
        tk::Control* member;
        tk::Bounds bounds;
        std::string caption;
        tk::CursorKind cursor;
    };
    // The header rule places Heading, Stripe and Line inside Frame.
    const Expected expected[] = {
        {"Picture", typeid(tk::Image), form.Picture, {0, 0, 320, 240}, "", tk::CursorKind::Default},
        {"Frame", typeid(tk::Bevel), form.Frame, {10, 10, 200, 100}, "", tk::CursorKind::Default},
        {"Heading",
         typeid(tk::Label),
         form.Heading,
         {10 + 3 + 2, 12, 200 - 3 - 4, 15},
         "text 7",
         tk::CursorKind::Hand},
        {"Line", typeid(tk::Bevel), form.Line, {12, 10 + 15 + 2, 196, 2}, "", tk::CursorKind::Default},
        {"Stripe", typeid(tk::Shape), form.Stripe, {12, 12, 3, 15}, "", tk::CursorKind::Default},
        {"List", typeid(tk::ComboBox), form.List, {20, 120, 100, 21}, "", tk::CursorKind::Hand},
        {"Picker", typeid(tk::DateTimePicker), form.Picker, {140, 120, 100, 21}, "", tk::CursorKind::Text},
    };
    ASSERT_EQ(form.Controls().size(), std::size(kEveryKind));
    for (std::size_t i = 0; i < std::size(kEveryKind); ++i)
        EXPECT_EQ(form.Controls()[i]->Name(), kEveryKind[i].name) << "declaration order";
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        tk::Control* c = tk::FindControl(form, e.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c, e.member);
        EXPECT_EQ(typeid(*c), e.type);
        EXPECT_EQ(c->Left(), e.bounds.left);
        EXPECT_EQ(c->Top(), e.bounds.top);
        EXPECT_EQ(c->Width(), e.bounds.width);
        EXPECT_EQ(c->Height(), e.bounds.height);
        EXPECT_EQ(c->Caption(), e.caption);
        EXPECT_EQ(c->Cursor(), e.cursor);
    }
    EXPECT_EQ(form.Heading->Font().name, "Arial");
    EXPECT_TRUE(form.Heading->Font().bold);
    EXPECT_EQ(form.Note->Caption(), "plain");
    EXPECT_GT(form.Note->Width(), 0) << "a label that sizes itself to its text";
    EXPECT_EQ(form.Note->Font().name, form.Font().name) << "no font: the form's";
    EXPECT_EQ(form.Stripe->BrushColor(), tk::clRed);
    EXPECT_EQ(form.FindAction("Run"), nullptr);
}

TEST(FormDescriptionTest, KeyboardOrderFollowsTheSlotsNotTheRows) {
    TestForm form(kEveryKind);
    form.Show(); // activation focuses the first slot
    EXPECT_EQ(GetFocus(), form.Picker->Handle()) << "slot 0";
    form.SelectNext(true);
    EXPECT_EQ(GetFocus(), form.List->Handle()) << "slot 1";
    form.SelectNext(true);
    EXPECT_EQ(GetFocus(), form.Picker->Handle()) << "round again";
    form.SelectNext(false);
    EXPECT_EQ(GetFocus(), form.List->Handle()) << "backwards";
    form.Hide();
}

TEST(FormDescriptionTest, EventsAndActionsReachTheFormsHandlers) {
    TestForm form(kEveryKind, kActions);
    form.Heading->OnClick(*form.Heading);
    form.List->OnChange(*form.List);
    form.Picker->OnChange(*form.Picker);
    form.List->OnSelect(*form.List);
    form.List->OnCloseUp(*form.List);
    char key = 'a';
    form.List->OnKeyPress(*form.List, key);
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.changes, 2);
    EXPECT_EQ(form.selects, 1);
    EXPECT_EQ(form.closeUps, 1);
    EXPECT_EQ(key, 0);

    ASSERT_NE(form.FindAction("Run"), nullptr);
    EXPECT_EQ(form.FindAction("Run")->caption, "Run it");
    EXPECT_FALSE(form.ExecuteShortCut(VK_F5, {}));
    EXPECT_TRUE(form.ExecuteShortCut(VK_F5, {.ctrl = true}));
    EXPECT_EQ(form.runs, 1);
    // Rows without handlers leave the events empty.
    EXPECT_FALSE(form.Note->OnClick);

    // A windowless control with a click event is clicked through the form.
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0,
                 MAKELPARAM(form.Heading->Left() + 1, form.Heading->Top() + 1));
    EXPECT_EQ(form.clicks, 2);
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(form.Note->Left() + 1, form.Note->Top() + 1));
    EXPECT_EQ(form.clicks, 2);
}

TEST(FormDescriptionTest, HeaderWithoutStripeSpansTheFrame) {
    const tk::ControlRow rows[] = {
        {.name = "Frame", .kind = tk::MakeBevel(), .bounds = {100, 50, 121, 49}},
        {.name = "Heading",
         .kind = tk::MakeLabel({.autoSize = false}),
         .bounds = {0, 0, 0, 13},
         .header = {.frame = "Frame", .separator = "Line"}},
        {.name = "Line", .kind = tk::MakeBevel(tk::BevelShape::TopLine), .bounds = {0, 0, 0, 2}},
    };
    TestForm form(rows);
    const tk::Control* heading = tk::FindControl(form, "Heading");
    const tk::Control* line = tk::FindControl(form, "Line");
    EXPECT_EQ(heading->Left(), 102);
    EXPECT_EQ(heading->Top(), 52);
    EXPECT_EQ(heading->Width(), 117);
    EXPECT_EQ(line->Left(), 102);
    EXPECT_EQ(line->Top(), 50 + 13 + 2);
    EXPECT_EQ(line->Width(), 117);
}

TEST(FormDescriptionTest, DescriptionsThatCannotWorkAreRefused) {
    const tk::ControlRow noAction[] = {{.name = "Label", .kind = tk::MakeLabel(), .action = "Missing"}};
    const tk::ControlRow twiceSlot[] = {
        {.name = "A", .kind = tk::MakeComboBox(), .tabSlot = 0},
        {.name = "B", .kind = tk::MakeComboBox(), .tabSlot = 0},
    };
    const tk::ControlRow windowlessSlot[] = {{.name = "A", .kind = tk::MakeLabel(), .tabSlot = 0}};
    const tk::ControlRow noFrame[] = {{.name = "A", .kind = tk::MakeLabel(), .header = {.frame = "Missing"}}};
    const tk::ControlRow noKind[] = {{.name = "A"}};
    const tk::ControlRow textId[] = {{.name = "A", .kind = tk::MakeLabel(), .textId = 1}};
    struct Case {
        const char* what;
        std::span<const tk::ControlRow> rows;
        tk::TextSource texts;
    };
    const Case cases[] = {
        {"missing action", noAction, Texts},
        {"tab slot taken twice", twiceSlot, Texts},
        {"windowless tab stop", windowlessSlot, Texts},
        {"missing frame", noFrame, Texts},
        {"no kind", noKind, Texts},
        {"no string table", textId, nullptr},
    };
    for (const Case& c : cases) EXPECT_THROW(TestForm(c.rows, {}, c.texts), std::logic_error) << c.what;

    // A member of another type than the kind makes.
    const tk::ControlRow wrongType[] = {
        {.name = "A", .kind = tk::MakeLabel(), .bind = tk::Bind<&TestForm::List>}};
    EXPECT_THROW(TestForm{wrongType}, std::bad_cast);
}

} // namespace
