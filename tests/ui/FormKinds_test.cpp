// Rows of the program's own controls: check boxes with their pictures,
// buttons bound to actions and modal results, bars with stored colours.
#include "ui/FormKinds.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/Application.h"
#include "ui/BtChkBox.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"

namespace {

class KindsForm : public tk::Form {
public:
    KindsForm();

    ui::TBitCheckBox* Plain = nullptr;
    ui::TBitCheckBox* Boxed = nullptr;
    ui::TBitCheckBox* Round = nullptr;
    ui::TXiButton* Go = nullptr;
    ui::TXiButton* Ok = nullptr;
    ui::TXiProgressBar* Bar = nullptr;
    int runs = 0;
    void GoExecute() { ++runs; }
    void PlainKeyPress(char& key) { key = 0; }

private:
    static const tk::ActionRow kActions[];
    static const tk::ControlRow kRows[];
};

const tk::ActionRow KindsForm::kActions[] = {
    {.name = "ActionGo", .caption = "Go", .onExecute = tk::Call<&KindsForm::GoExecute>},
};

constexpr ui::xibar::BarColors kStored{1, 2, 3, 4, 5};

// clang-format off
const tk::ControlRow KindsForm::kRows[] = {
    {.name = "Plain", .kind = ui::MakeBitCheckBox(), .bind = tk::Bind<&KindsForm::Plain>, .bounds = {8, 8, 120, 17},
     .text = "Plain", .onKeyPress = tk::CallKey<&KindsForm::PlainKeyPress>},
    {.name = "Boxed", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Box), .bind = tk::Bind<&KindsForm::Boxed>, .bounds = {8, 30, 120, 17}},
    {.name = "Round", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Radio), .bind = tk::Bind<&KindsForm::Round>, .bounds = {8, 52, 120, 17}},
    {.name = "Go", .kind = ui::MakeXiButton(), .bind = tk::Bind<&KindsForm::Go>, .bounds = {8, 100, 75, 25}, .action = "ActionGo"},
    {.name = "Ok", .kind = ui::MakeXiButton(), .bind = tk::Bind<&KindsForm::Ok>, .bounds = {100, 100, 75, 25}, .text = "Ok",
     .modalResult = tk::mrOk},
    {.name = "Bar", .kind = ui::MakeXiProgressBar({.colors = kStored, .scheme = ui::xibar::TColorScheme::csCustom, .max = 50, .position = 20}),
     .bind = tk::Bind<&KindsForm::Bar>, .bounds = {8, 150, 200, 9}},
};
// clang-format on

KindsForm::KindsForm()
    : tk::Form(tk::FormArgs{.name = "KindsForm", .clientWidth = 300, .clientHeight = 200}) {
    tk::BuildForm(*this, {.actions = kActions, .controls = kRows}, nullptr);
}

TEST(FormKindsTest, CheckBoxesTakeTheirPicturesAndKeyEvent) {
    KindsForm form;
    EXPECT_EQ(form.Plain->Caption(), "Plain");
    char key = ' ';
    ASSERT_TRUE(form.Plain->OnKeyPress);
    form.Plain->OnKeyPress(*form.Plain, key);
    EXPECT_EQ(key, 0);
    // The program's 12 x 12 pictures replace the built-in ones.
    for (const ui::TBitCheckBox* box : {form.Boxed, form.Round}) {
        EXPECT_EQ(box->CheckedGlyph().Height(), 12) << box->Name();
        EXPECT_EQ(box->UncheckedGlyph().Height(), 12) << box->Name();
    }
    EXPECT_NE(form.Plain->CheckedGlyph().Height(), 12);
}

TEST(FormKindsTest, ButtonsRunTheirActionOrSetTheirResult) {
    KindsForm form;
    EXPECT_EQ(form.Go->Action(), form.FindAction("ActionGo"));
    EXPECT_EQ(form.Go->Caption(), "Go") << "an action gives its caption";
    form.Go->Click();
    EXPECT_EQ(form.runs, 1);
    EXPECT_EQ(form.ModalResult(), tk::mrNone);
    EXPECT_EQ(form.Ok->ModalResult(), tk::mrOk);
    form.Ok->Click();
    EXPECT_EQ(form.ModalResult(), tk::mrOk);
}

TEST(FormKindsTest, BarsKeepStoredColoursUnderACustomScheme) {
    KindsForm form;
    EXPECT_EQ(form.Bar->ColorBorder(), 1u);
    EXPECT_EQ(form.Bar->ForeColorGrad(), 5u);
    EXPECT_EQ(form.Bar->ColorScheme(), ui::xibar::TColorScheme::csCustom);
    EXPECT_EQ(form.Bar->Max(), 50);
    EXPECT_EQ(form.Bar->Position(), 20);
}

// Pixels within `area` that differ between the control drawn now and before.
int Marks(tk::CustomControl& control, const tk::Bitmap& before, const RECT& area) {
    tk::Bitmap now(control.Width(), control.Height());
    control.Paint(now.GetCanvas());
    int marks = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) marks += now.Pixel(x, y) != before.Pixel(x, y);
    return marks;
}

// Tab shows the focus: cues come on in the whole window, and the focused
// control draws its dotted rectangle.
TEST(FormKindsTest, TabShowsTheFocusRectangle) {
    KindsForm form;
    form.Show();
    struct Row {
        tk::CustomControl* control;
        int tabs;    // from the form itself
        RECT dotted; // where the dotted rectangle runs at least
        int marks;   // how many of its pixels it changes at least
    };
    const int buttonWidth = form.Go->Width();
    const Row rows[] = {
        {form.Plain, 1, {0, 0, form.Plain->Width(), form.Plain->Height()}, form.Plain->Height()},
        {form.Go, 4, {5, 5, buttonWidth - 5, 6}, (buttonWidth - 10) / 2 - 1}, // its top line
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control->Name());
        ::SetFocus(form.Handle());
        SendMessageA(form.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        tk::Bitmap unfocused(row.control->Width(), row.control->Height());
        row.control->Paint(unfocused.GetCanvas());
        for (int i = 0; i < row.tabs; ++i) {
            MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
            tk::Application::Instance().ProcessMessage(tab);
        }
        ASSERT_TRUE(row.control->Focused());
        EXPECT_TRUE(row.control->FocusCuesShown());
        EXPECT_GE(Marks(*row.control, unfocused, row.dotted), row.marks);
    }
}

} // namespace
