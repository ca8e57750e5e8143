#include "dialogs/messageUnit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Font.h"
#include "toolkit/Handles.h"

namespace {

constexpr int kButtonWidth = 89;

class MessageDlgTest : public dialog_driving::NoErrorBoxTest {};

// Measured apart from the dialog, in the font its label uses.
int TextWidth(const std::string& text, const tk::FontSpec& font) {
    const tk::WindowDC screen(nullptr);
    const tk::SelectGuard selected(screen.Get(), tk::FontHandleFor(font));
    SIZE size{};
    GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(MessageDlgTest, TakesTheWidthOfItsTextWithTheFrameAndButtonCentred) {
    const std::string texts[] = {
        "The clock is right.",
        "The clock was 12 seconds fast; it has been set by the time server time.example.org.",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        TMyMessageDlg dialog;
        dialog.MessageLabel->SetCaption(text);
        dialog.Show();

        const int width = TextWidth(text, dialog.MessageLabel->Font()) + 52;
        EXPECT_EQ(dialog.Caption(), "Message");
        EXPECT_EQ(dialog.ClientWidth(), width);
        EXPECT_EQ(dialog.ClientHeight(), 97);
        EXPECT_EQ(dialog.MessageLabel->Left(), 26);
        EXPECT_EQ(dialog.MessageLabel->Top(), 24);
        EXPECT_EQ(dialog.Bevel1->Left(), 8);
        EXPECT_EQ(dialog.Bevel1->Top(), 8);
        EXPECT_EQ(dialog.Bevel1->Width(), width - 16);
        EXPECT_EQ(dialog.Bevel1->Height(), 49);
        EXPECT_EQ(dialog.OkBtn->Left(), (width - kButtonWidth) / 2);
        EXPECT_EQ(dialog.OkBtn->Top(), 64);
        EXPECT_EQ(dialog.Image1->Width(), width);
        EXPECT_GE(dialog.Image1->Picture().Width(), width) << "the background covers the window";
        dialog.Hide();
    }
}

TEST_F(MessageDlgTest, StaysCentredAfterTakingItsWidth) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const std::string& text : {std::string("x"), std::string(120, 'W')}) {
        TMyMessageDlg dialog;
        dialog.MessageLabel->SetCaption(text);
        dialog.Show();
        RECT window{};
        GetWindowRect(dialog.Handle(), &window);
        EXPECT_NEAR(CentreOf(window).x, CentreOf(work).x, 1) << text.size() << " characters";
        dialog.Hide();
    }
}

// Left to the text alone, a dot would make the dialog narrower than its Ok
// button and cut the button off; the dialog keeps the button whole instead.
TEST_F(MessageDlgTest, ATinyTextStillShowsTheWholeButtonInsideTheFrameMargins) {
    TMyMessageDlg dialog;
    dialog.MessageLabel->SetCaption(".");
    ASSERT_LT(TextWidth(".", dialog.MessageLabel->Font()) + 52, kButtonWidth);
    dialog.Show();

    const int width = dialog.ClientWidth();
    EXPECT_EQ(width, kButtonWidth + 16);
    EXPECT_EQ(dialog.OkBtn->Left(), 8);
    EXPECT_EQ(dialog.OkBtn->Left() + dialog.OkBtn->Width(), width - 8);
    EXPECT_EQ(dialog.Bevel1->Width(), width - 16);
    const int labelLeft = dialog.MessageLabel->Left();
    const int labelRight = width - labelLeft - dialog.MessageLabel->Width();
    EXPECT_LE(std::abs(labelLeft - labelRight), 1) << "the text sits in the middle";
    dialog.Hide();
}

// The option table has a line per option: the panel grows by the lines
// beyond the first and the button moves down with it.
TEST_F(MessageDlgTest, ATextOfSeveralLinesMakesTheDialogTaller) {
    const std::string lines[] = {"Options:", "-cpu=30,45   a rather longer line than the others", "-winamp"};
    TMyMessageDlg dialog;
    dialog.MessageLabel->SetCaption(lines[0] + "\n" + lines[1] + "\n" + lines[2]);
    dialog.Show();

    TMyMessageDlg oneLine;
    oneLine.MessageLabel->SetCaption(lines[1]);
    const int lineHeight = oneLine.MessageLabel->Height();
    const int extra = 2 * lineHeight;
    EXPECT_EQ(dialog.MessageLabel->Height(), 3 * lineHeight);
    EXPECT_EQ(dialog.ClientWidth(), TextWidth(lines[1], dialog.MessageLabel->Font()) + 52)
        << "the widest line";
    EXPECT_EQ(dialog.ClientHeight(), 97 + extra);
    EXPECT_EQ(dialog.Bevel1->Height(), 49 + extra);
    EXPECT_EQ(dialog.OkBtn->Top(), 64 + extra);
    EXPECT_EQ(dialog.Image1->Height(), 97 + extra);
    dialog.Hide();
}

TEST_F(MessageDlgTest, OkGivesOkAndEscOrTheCloseBoxGiveCancel) {
    struct Case {
        const char* way;
        std::function<void(const TMyMessageDlg&)> post;
        int result;
    };
    const Case cases[] = {
        {"Ok", [](const TMyMessageDlg& d) { dialog_driving::PostClick(*d.OkBtn); }, tk::mrOk},
        {"Esc", [](const TMyMessageDlg& d) { dialog_driving::PostEscape(d); }, tk::mrCancel},
        {"close box", [](const TMyMessageDlg& d) { dialog_driving::PostCloseBox(d); }, tk::mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        TMyMessageDlg dialog;
        c.post(dialog);
        EXPECT_EQ(dialog.ShowModal(), c.result);
    }
}

// What the thread timer inside ShowMessageDlg's modal loop saw.
struct Seen {
    HWND dialog = nullptr;
    int clientWidth = 0;
};
Seen seen;
constexpr char kFormClass[] = "TkForm";
constexpr char kMessageCaption[] = "Message";

void CALLBACK CloseMessageDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA(kFormClass, kMessageCaption);
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    seen.dialog = dialog;
    RECT client{};
    GetClientRect(dialog, &client);
    seen.clientWidth = client.right;
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(MessageDlgTest, ShowMessageDlgShowsTheTextAndDestroysTheDialog) {
    const std::string text = "The clock is right.";
    constexpr UINT kPollMs = 20;
    seen = {};
    SetTimer(nullptr, 0, kPollMs, &CloseMessageDialog);
    ShowMessageDlg(text);

    ASSERT_NE(seen.dialog, nullptr);
    TMyMessageDlg reference; // for the label's font
    EXPECT_EQ(seen.clientWidth, TextWidth(text, reference.MessageLabel->Font()) + 52);
    EXPECT_FALSE(IsWindow(seen.dialog));
}

} // namespace
