#include "toolkit/Form.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/FormFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Handles.h"

namespace {

constexpr int kQuitCode = 7;

// Takes a WM_QUIT off the queue if one is there; its exit code, or -1.
int TakeQuit() {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
    return -1;
}

class ModalLoopTest : public test_support::FormTest {};

TEST_F(ModalLoopTest, AQuitRequestEndsTheModalLoopAndIsLeftForTheOuterOne) {
    tk::FormArgs args;
    args.name = "Owner";
    tk::Form owner(args);
    owner.Show();
    PostQuitMessage(kQuitCode);
    EXPECT_EQ(form->ShowModal(), tk::mrCancel);
    EXPECT_FALSE(form->Modal());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle())) << "the windows the loop disabled are enabled again";
    EXPECT_EQ(TakeQuit(), kQuitCode);
}

TEST_F(ModalLoopTest, ProcessingPendingMessagesLeavesTheQuitRequestQueued) {
    PostQuitMessage(kQuitCode);
    tk::Application::Instance().ProcessMessages();
    EXPECT_EQ(TakeQuit(), kQuitCode);
}

TEST_F(ModalLoopTest, ANestedModalFormHandsTheQuitRequestOutward) {
    tk::FormArgs args;
    args.name = "Inner";
    tk::Form inner(args);
    int innerResult = tk::mrNone;
    // The outer loop starts the inner one, and a quit request then ends both.
    std::function<void()> startInner = [&] {
        PostQuitMessage(kQuitCode);
        innerResult = inner.ShowModal();
    };
    struct Poster : tk::CustomControl {
        Poster(tk::WinControl* parent, std::function<void()> call)
            : CustomControl(parent, "Poster", {0, 0, 1, 1}, false), call_(std::move(call)) {}
        void Paint(tk::Canvas&) override {}
        LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
            if (msg == WM_APP) {
                call_();
                return 0;
            }
            return CustomControl::WndProc(msg, wParam, lParam);
        }
        std::function<void()> call_;
    };
    auto& poster = form->Add<Poster>(startInner);
    PostMessageA(poster.Handle(), WM_APP, 0, 0);
    EXPECT_EQ(form->ShowModal(), tk::mrCancel);
    EXPECT_EQ(innerResult, tk::mrCancel);
    EXPECT_EQ(TakeQuit(), kQuitCode);
}

// Focusable controls with no look of their own.
class Focusable : public tk::CustomControl {
public:
    Focusable(tk::WinControl* parent, std::string name, int left)
        : CustomControl(parent, std::move(name), {left, 10, 20, 20}, false) {
        SetTabStop(true);
    }
    void Paint(tk::Canvas&) override {}
};

class TabOrderTest : public test_support::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        for (int i = 0; i < 4; ++i)
            controls.push_back(&form->Add<Focusable>("C" + std::to_string(i), 10 + 30 * i));
        form->Show();
        tk::Application::Instance().ProcessMessages();
    }
    // Which control has the focus, by index; -1 for none of them.
    int FocusedIndex() const {
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i]->Focused()) return static_cast<int>(i);
        return -1;
    }
    std::vector<Focusable*> controls;
};

TEST_F(TabOrderTest, StepsThroughTheControlsInBothDirectionsAndWraps) {
    controls[0]->SetFocus();
    ASSERT_EQ(FocusedIndex(), 0);
    struct Step {
        bool forward;
        int expected;
    };
    const Step steps[] = {{true, 1}, {true, 2}, {true, 3}, {true, 0}, {false, 3}, {false, 2}};
    for (const Step& s : steps) {
        form->SelectNext(s.forward);
        EXPECT_EQ(FocusedIndex(), s.expected) << (s.forward ? "forward" : "backward");
    }
}

TEST_F(TabOrderTest, SkipsControlsThatCannotTakeTheFocus) {
    controls[1]->SetEnabled(false);
    controls[2]->SetVisible(false);
    controls[0]->SetFocus();
    form->SelectNext(true);
    EXPECT_EQ(FocusedIndex(), 3);
    form->SelectNext(false);
    EXPECT_EQ(FocusedIndex(), 0);
    controls[3]->SetTabStop(false);
    form->SelectNext(true);
    EXPECT_EQ(FocusedIndex(), 0) << "the only one left keeps the focus";
}

TEST_F(TabOrderTest, AnExplicitOrderReplacesTheCreationOrder) {
    form->SetTabOrder({controls[2], controls[0], controls[3]});
    controls[2]->SetFocus();
    const int expected[] = {0, 3, 2, 0};
    for (int e : expected) {
        form->SelectNext(true);
        EXPECT_EQ(FocusedIndex(), e);
    }
}

TEST_F(TabOrderTest, WithNothingFocusedTheFirstOrLastControlIsChosen) {
    SetFocus(form->Handle());
    form->SelectNext(true);
    EXPECT_EQ(FocusedIndex(), 0);
    SetFocus(form->Handle());
    form->SelectNext(false);
    EXPECT_EQ(FocusedIndex(), 3);
}

} // namespace

namespace {

// A windowless control that fills itself with one colour and counts its paints.
class Swatch : public tk::GraphicControl {
public:
    Swatch(tk::WinControl* parent, std::string name, tk::Bounds bounds, COLORREF colour)
        : GraphicControl(parent, std::move(name), bounds), colour_(colour) {}
    void Paint(tk::Canvas& canvas) override {
        ++paints;
        const RECT all{0, 0, Width(), Height()};
        tk::BrushHandle brush(CreateSolidBrush(colour_));
        FillRect(canvas.Handle(), &all, brush.Get());
    }
    int paints = 0;

private:
    COLORREF colour_;
};

// Three swatches in a row on a shown form, painted once.
class PaintTest : public test_support::FormTest {
protected:
    static constexpr COLORREF kLeft = RGB(200, 0, 0), kMiddle = RGB(0, 200, 0), kRight = RGB(0, 0, 200);

    void SetUp() override {
        FormTest::SetUp();
        left = &form->Add<Swatch>("Left", tk::Bounds{10, 10, 20, 20}, kLeft);
        middle = &form->Add<Swatch>("Middle", tk::Bounds{100, 10, 20, 20}, kMiddle);
        right = &form->Add<Swatch>("Right", tk::Bounds{200, 10, 20, 20}, kRight);
        form->Show();
        UpdateWindow(form->Handle());
        tk::Application::Instance().ProcessMessages();
        ASSERT_GT(middle->paints, 0);
        leftBefore = left->paints, middleBefore = middle->paints, rightBefore = right->paints;
    }
    // Left and right painted once more, the middle not again, and the screen
    // shows each in place.
    void ExpectOnlyTheEndsRepainted() {
        EXPECT_EQ(left->paints, leftBefore + 1);
        EXPECT_EQ(right->paints, rightBefore + 1);
        EXPECT_EQ(middle->paints, middleBefore);
        const tk::WindowDC screen(form->Handle());
        EXPECT_EQ(GetPixel(screen.Get(), 15, 15), kLeft);
        EXPECT_EQ(GetPixel(screen.Get(), 105, 15), kMiddle);
        EXPECT_EQ(GetPixel(screen.Get(), 205, 15), kRight);
    }

    Swatch* left = nullptr;
    Swatch* middle = nullptr;
    Swatch* right = nullptr;
    int leftBefore = 0, middleBefore = 0, rightBefore = 0;
};

} // namespace

// Two small changes far apart make one paint whose box spans the window:
// only what changed is painted again.
TEST_F(PaintTest, OnlyTheChangedControlsArePaintedAgain) {
    left->Invalidate();
    right->Invalidate();
    UpdateWindow(form->Handle());
    ExpectOnlyTheEndsRepainted();
}

// A control that repaints at once takes what else waits to be painted along,
// in the same pass: no paint message is left to come.
TEST_F(PaintTest, RepaintingAtOnceTakesThePendingChangesAlong) {
    left->Invalidate();
    right->Repaint();
    EXPECT_FALSE(GetUpdateRect(form->Handle(), nullptr, FALSE));
    ExpectOnlyTheEndsRepainted();
}
