#include "dialogs/confirm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"

namespace {

constexpr tk::TColor kRed = 0x0000FF;
constexpr tk::TColor kYellow = 0x00FFFF;

class ConfirmFormTest : public dialog_driving::NoErrorBoxTest {};

bool BannerInverted(const TConfirmForm& dialog) { return dialog.ConfirmShape->PenColor() == kRed; }

// Whether window `a` lies above window `b` in the z-order.
bool Above(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a) return true;
        if (w == b) return false;
    }
    return false;
}

bool Topmost(HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TEST_F(ConfirmFormTest, StartsWithItsDescription) {
    TConfirmForm dialog(0);
    EXPECT_EQ(dialog.Caption(), "Confirm");
    EXPECT_EQ(dialog.ClientWidth(), 361);
    EXPECT_EQ(dialog.ClientHeight(), 216);
    EXPECT_TRUE(Topmost(dialog.Handle()));

    EXPECT_EQ(dialog.CountDownLabel->Caption(), "30");
    EXPECT_EQ(dialog.ConfirmLabel->Caption(), "Attention!");
    EXPECT_EQ(dialog.Seconds->Caption(), "... seconds");
    EXPECT_EQ(dialog.OkBtn->Caption(), "Ok");
    EXPECT_EQ(dialog.CancelButton->Caption(), "Cancel");
    EXPECT_EQ(dialog.LaterBtn->Caption(), "Later");
    // Ok where it always was, Later between it and Cancel.
    EXPECT_EQ(dialog.OkBtn->Left(), 40);
    EXPECT_LT(dialog.OkBtn->Left() + dialog.OkBtn->Width(), dialog.LaterBtn->Left());
    EXPECT_LT(dialog.LaterBtn->Left() + dialog.LaterBtn->Width(), dialog.CancelButton->Left());
    EXPECT_LE(dialog.CancelButton->Left() + dialog.CancelButton->Width(), dialog.ClientWidth() - 40);

    EXPECT_EQ(dialog.ConfirmShape->BrushColor(), kRed);
    EXPECT_EQ(dialog.ConfirmShape->PenColor(), kYellow);
    EXPECT_EQ(dialog.ConfirmLabel->Font().color, kYellow);
    EXPECT_EQ(dialog.OkBtn->ColorScheme(), ui::xibutton::TColorScheme::csSystem);

    EXPECT_EQ(dialog.TicksLeft, 240);
    EXPECT_EQ(dialog.ModalResult(), tk::mrCancel);
    EXPECT_FALSE(dialog.AsyncTimer1.Enabled()) << "the countdown waits until the dialog is shown";
    EXPECT_EQ(dialog.AsyncTimer1.Interval(), 125);
    EXPECT_EQ(dialog.AsyncTimer1.ThreadPriority(), tk::TThreadPriority::TimeCritical);
}

TEST_F(ConfirmFormTest, NamesTheActionChosenAtCreation) {
    const std::map<int, std::string> sentences{
        {0, "Your computer will be Turned Off after ..."},
        {1, "Your computer will be Rebooted after ..."},
        {2, "Your computer will be Logged Off after ..."},
        {3, "Going into Standby mode after ..."},
        {4, "Going into Hibernate mode after ..."},
        {-1, ""},
        {5, ""},
    };
    for (const auto& [action, sentence] : sentences) {
        TConfirmForm dialog(action);
        EXPECT_EQ(dialog.ActionLabel->Caption(), sentence) << "action " << action;
    }
}

TEST_F(ConfirmFormTest, CountsDownOnItsLabelsTickByTick) {
    TConfirmForm dialog(1);
    std::map<int, int> ticksShowing;
    std::vector<int> invertedBefore;
    for (int tick = 1; tick <= 240; ++tick) {
        const int before = dialog.TicksLeft;
        EXPECT_EQ(dialog.ModalResult(), tk::mrCancel) << "ended early, before tick " << tick;
        dialog.Timer1Timer();
        if (tick == 2) {
            EXPECT_EQ(dialog.CountDownLabel->Caption(), "29");
        }
        ++ticksShowing[std::stoi(dialog.CountDownLabel->Caption())];
        if (BannerInverted(dialog)) {
            invertedBefore.push_back(before);
            EXPECT_EQ(dialog.ConfirmShape->BrushColor(), kYellow) << "tick " << tick;
            EXPECT_EQ(dialog.ConfirmLabel->Font().color, kRed) << "tick " << tick;
        } else {
            EXPECT_EQ(dialog.ConfirmShape->BrushColor(), kRed) << "tick " << tick;
            EXPECT_EQ(dialog.ConfirmLabel->Font().color, kYellow) << "tick " << tick;
        }
    }
    EXPECT_EQ(ticksShowing[30], 1);
    for (int n = 29; n >= 1; --n) EXPECT_EQ(ticksShowing[n], 8) << "number " << n;
    EXPECT_EQ(ticksShowing[0], 7);

    std::vector<int> multiplesOfEight;
    for (int before = 240; before >= 8; before -= 8) multiplesOfEight.push_back(before);
    EXPECT_EQ(invertedBefore, multiplesOfEight);

    EXPECT_EQ(dialog.ModalResult(), tk::mrOk);
    EXPECT_FALSE(dialog.AsyncTimer1.Enabled());

    // A tick already handed over when the countdown ended changes nothing.
    dialog.Timer1Timer();
    EXPECT_EQ(dialog.TicksLeft, 0);
    EXPECT_EQ(dialog.CountDownLabel->Caption(), "0");
}

TEST_F(ConfirmFormTest, EachWayOutGivesItsResultAndOpenLastsForTheDialogsLife) {
    struct Case {
        const char* way;
        std::function<void(const TConfirmForm&)> post;
        int result;
    };
    const Case cases[] = {
        {"Ok", [](const TConfirmForm& d) { dialog_driving::PostClick(*d.OkBtn); }, tk::mrOk},
        {"Cancel", [](const TConfirmForm& d) { dialog_driving::PostClick(*d.CancelButton); }, tk::mrCancel},
        {"Later", [](const TConfirmForm& d) { dialog_driving::PostClick(*d.LaterBtn); }, mrLater},
        {"Esc", [](const TConfirmForm& d) { dialog_driving::PostEscape(d); }, tk::mrCancel},
        {"close box", [](const TConfirmForm& d) { dialog_driving::PostCloseBox(d); }, tk::mrCancel},
        {"Enter as the dialog appears, on Cancel",
         [](const TConfirmForm& d) { PostMessageA(d.Handle(), WM_KEYDOWN, VK_RETURN, 0); }, tk::mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        EXPECT_FALSE(ConfirmOpen());
        {
            TConfirmForm dialog(2);
            EXPECT_TRUE(ConfirmOpen());
            c.post(dialog);
            const auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(dialog.ShowModal(), c.result);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5))
                << "the dialog waited for the countdown";
            EXPECT_TRUE(ConfirmOpen()) << "closed but not yet destroyed";
        }
        EXPECT_FALSE(ConfirmOpen());
    }
}

TEST_F(ConfirmFormTest, TwoDialogsAtOnceCountAsOpenUntilBothAreGone) {
    auto first = std::make_unique<TConfirmForm>(0);
    {
        TConfirmForm second(0);
        first.reset();
        EXPECT_TRUE(ConfirmOpen());
    }
    EXPECT_FALSE(ConfirmOpen());
}

TEST_F(ConfirmFormTest, RunningOutThroughTheThreadTimerEndsWithOk) {
    constexpr std::uint16_t kFastTickMs = 1;
    TConfirmForm dialog(3, kFastTickMs);
    EXPECT_EQ(dialog.ShowModal(), tk::mrOk);
    EXPECT_EQ(dialog.TicksLeft, 0);
    EXPECT_EQ(dialog.CountDownLabel->Caption(), "0");
    EXPECT_FALSE(dialog.AsyncTimer1.Enabled());
}

TEST_F(ConfirmFormTest, StaysAboveAnOrdinaryWindowWithoutTakingActivation) {
    TConfirmForm dialog(0);
    dialog.Show();
    ASSERT_EQ(GetActiveWindow(), dialog.Handle());
    // Pretend something dropped the dialog out of the topmost band while it
    // was active; losing activation to an ordinary window must put it back.
    SetWindowPos(dialog.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    tk::FormArgs args;
    args.name = "Ordinary";
    args.caption = "Ordinary";
    tk::Form ordinary(args);
    ordinary.Show();
    BringWindowToTop(ordinary.Handle());
    tk::Application::Instance().ProcessMessages();

    ASSERT_EQ(GetForegroundWindow(), ordinary.Handle());
    EXPECT_TRUE(Topmost(dialog.Handle()));
    EXPECT_TRUE(Above(dialog.Handle(), ordinary.Handle()));

    // Re-asserting the band leaves the activation where it is.
    SetWindowPos(dialog.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    BringWindowToTop(ordinary.Handle());
    ASSERT_FALSE(Above(dialog.Handle(), ordinary.Handle()));
    RECT before{};
    GetWindowRect(dialog.Handle(), &before);

    dialog.KeepOnTop();
    EXPECT_TRUE(Topmost(dialog.Handle()));
    EXPECT_TRUE(Above(dialog.Handle(), ordinary.Handle()));
    EXPECT_EQ(GetForegroundWindow(), ordinary.Handle());
    EXPECT_EQ(GetActiveWindow(), ordinary.Handle());
    RECT after{};
    GetWindowRect(dialog.Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "KeepOnTop moved or resized the dialog";
    dialog.Hide();
}

// The one test in real time: half a minute without input ends with OK.
TEST_F(ConfirmFormTest, EndsWithOkAfterThirtySecondsWithoutInput) {
    TConfirmForm dialog(4);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(dialog.ShowModal(), tk::mrOk);
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(elapsed.count(), 29'900);
    EXPECT_LE(elapsed.count(), 34'000);
}

} // namespace
