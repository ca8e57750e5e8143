#include "toolkit/Handles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "support/FormFixture.h"
#include "toolkit/WinControl.h"

namespace {

// Handles are plain numbers here; closing one records it.
std::vector<int> closed;
constexpr int kNone = -1;
constexpr int kAlsoNone = -2;

struct FakeTraits {
    using Type = int;
    static Type Invalid() noexcept { return kNone; }
    static bool IsNone(Type h) noexcept { return h == kAlsoNone; }
    static void Close(Type h) noexcept { closed.push_back(h); }
};
using FakeHandle = tk::UniqueHandle<FakeTraits>;

TEST(UniqueHandle, ClosesEachHandleOnceWhateverWayItLeaves) {
    closed.clear();
    {
        FakeHandle a(1);
        FakeHandle b(std::move(a)); // a gives 1 up
        EXPECT_FALSE(a);
        FakeHandle c(2);
        c = std::move(b); // 2 closed, c holds 1
        EXPECT_EQ(closed, std::vector<int>{2});
        c.Reset(3); // 1 closed
        const int released = FakeHandle(4).Release();
        EXPECT_EQ(released, 4);
    } // 3 closed
    EXPECT_EQ(closed, (std::vector<int>{2, 1, 3}));
}

TEST(UniqueHandle, EitherNoneValueHoldsNothing) {
    closed.clear();
    for (int none : {kNone, kAlsoNone}) {
        FakeHandle h(none);
        EXPECT_FALSE(h) << none;
        EXPECT_EQ(h.Get(), kNone) << none;
    }
    EXPECT_TRUE(closed.empty());
}

TEST(UniqueHandle, KernelHandleTakesInvalidHandleValueForNone) {
    const tk::KernelHandle failed(INVALID_HANDLE_VALUE);
    EXPECT_FALSE(failed);
    const tk::KernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    HANDLE copy = nullptr;
    {
        const tk::KernelHandle scoped(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        copy = scoped.Get();
        DWORD flags = 0;
        EXPECT_TRUE(GetHandleInformation(copy, &flags));
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(copy, &flags)) << "closed with its owner";
}

// A control whose painting always fails, noting the DC it was given.
class FailingPaint : public tk::CustomControl {
public:
    explicit FailingPaint(tk::WinControl* parent)
        : CustomControl(parent, "FailingPaint", {0, 0, 60, 40}, false) {}
    void Paint(tk::Canvas& canvas) override {
        dcs.insert(canvas.Handle());
        ++paints;
        throw std::runtime_error("paint failed");
    }
    std::set<HDC> dcs;
    int paints = 0;
};

class FailingPaintTest : public test_support::FormTest {};

// A device context that is never given back stays in use, so every later
// paint would get a new one; given back, a few are used over and over.
constexpr int kPaints = 200;
constexpr std::size_t kFewDCs = 4;

TEST_F(FailingPaintTest, APaintThatThrowsGivesItsDCBack) {
    auto& control = form->Add<FailingPaint>();
    form->Show();
    for (int i = 0; i < kPaints; ++i) {
        InvalidateRect(control.Handle(), nullptr, FALSE);
        UpdateWindow(control.Handle());
    }
    EXPECT_EQ(control.paints, kPaints);
    EXPECT_EQ(errors.size(), static_cast<std::size_t>(kPaints)) << "each failure reported";
    EXPECT_LE(control.dcs.size(), kFewDCs);
    EXPECT_FALSE(GetUpdateRect(control.Handle(), nullptr, FALSE)) << "the failed paint still validated";
}

TEST_F(FailingPaintTest, AnImmediatePaintThatThrowsGivesItsDCBack) {
    auto& control = form->Add<FailingPaint>();
    form->Show();
    for (int i = 0; i < kPaints; ++i) EXPECT_THROW(control.PaintNow(), std::runtime_error);
    EXPECT_LE(control.dcs.size(), kFewDCs);
}

} // namespace
