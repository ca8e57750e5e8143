#include "ui/XiButton.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/FormFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

using ui::TXiButton;
using State = TXiButton::TButtonState;
using Scheme = TXiButton::TColorScheme;
using namespace ui::xibutton;

constexpr int kW = TXiButton::kDefaultWidth;
constexpr int kH = TXiButton::kDefaultHeight;
constexpr LPARAM kReleasedKey = (LPARAM(1) << 31) | (LPARAM(1) << 30);
constexpr LPARAM kAltContext = LPARAM(1) << 29;
constexpr tk::TColor kFocus = tk::RGBColor(0x77, 0x00, 0x77);
constexpr tk::TColor kFace = tk::RGBColor(0x10, 0x20, 0x30);

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
void Send(TXiButton& b, UINT msg, WPARAM w, LPARAM l) { SendMessageA(b.Handle(), msg, w, l); }
void Press(TXiButton& b, int x = 5, int y = 5) { Send(b, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
void Release(TXiButton& b, int x = 5, int y = 5) { Send(b, WM_LBUTTONUP, 0, At(x, y)); }
void Move(TXiButton& b, int x, int y) { Send(b, WM_MOUSEMOVE, 0, At(x, y)); }

tk::Bitmap Render(TXiButton& button) {
    tk::Bitmap surface(button.Width(), button.Height());
    button.Paint(surface.GetCanvas());
    return surface;
}

// Flat colours of their own for every property (state g, colour c: 0xg0c0ce).
tk::TColor Plain(int group, int which) {
    return tk::RGBColor(0xCE, std::uint8_t(which * 0x10), std::uint8_t(group * 0x10));
}
void UsePlainColours(TXiButton& b) {
    for (int g = 0; g < 4; ++g)
        for (int c = 0; c < kColorsPerState; ++c) b.SetByIndex(g * kColorsPerState + c, Plain(g, c));
    b.SetByIndex(ColorFace, kFace);
    b.SetByIndex(ColorFocusRect, kFocus);
    b.SetGradient(false);
}

class XiButtonTest : public test_support::FormTest {
protected:
    void SetUp() override {
        // The real pointer stays away from the forms: no system mouse move
        // changes a button while a test pumps messages.
        SetCursorPos(0, 0);
        FormTest::SetUp();
    }

    TXiButton& AddButton(const std::string& name, int left = 10, int top = 10) {
        TXiButton& b = form->Add<TXiButton>(name, left, top);
        b.OnClick = [this, &b](tk::Control&) { clicks.push_back(&b); };
        return b;
    }
    int ClicksOf(const TXiButton& b) const { return int(std::count(clicks.begin(), clicks.end(), &b)); }

    std::vector<const TXiButton*> clicks;
};

TEST_F(XiButtonTest, NewButtonHasNeoDesertColoursWithWhiteGradientEnds) {
    TXiButton& b = AddButton("Fresh");
    EXPECT_EQ(b.Width(), 75);
    EXPECT_EQ(b.Height(), 25);
    EXPECT_TRUE(b.Gradient());
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.ColorScheme(), Scheme::csNeoDesert);
    const auto desert = SchemeFor(Scheme::csNeoDesert, {});
    ASSERT_TRUE(desert.has_value());
    for (int p = 0; p < ColorPropertyCount; ++p) {
        const bool whiteEnd = p == OverColorGrad || p == DownColorGrad || p == DisabledColorGrad;
        EXPECT_EQ(b.GetByIndex(p), whiteEnd ? tk::clWhite : *desert->colors[p]) << p;
    }
    EXPECT_EQ(b.GetByIndex(ColorGrad), 0x37BEFFu);
}

TEST_F(XiButtonTest, ColourPropertiesAndSchemes) {
    TXiButton& b = AddButton("Schemes");
    for (int p = 0; p < ColorPropertyCount; ++p) {
        b.SetColorScheme(Scheme::csNeoSky);
        b.SetByIndex(p, tk::RGBColor(1, 2, std::uint8_t(p)));
        EXPECT_EQ(b.ColorScheme(), Scheme::csCustom) << p;
        EXPECT_EQ(b.GetByIndex(p), tk::RGBColor(1, 2, std::uint8_t(p))) << p;
    }
    // A flat scheme after csNeoSky keeps csNeoSky's gradient ends.
    b.SetColorScheme(Scheme::csNeoSky);
    b.SetColorScheme(Scheme::csDesert);
    EXPECT_EQ(b.ColorScheme(), Scheme::csDesert);
    EXPECT_FALSE(b.Gradient());
    EXPECT_EQ(b.GetByIndex(ColorFace), 0x95DDFFu);
    EXPECT_EQ(b.GetByIndex(ColorGrad), 0xFFB66Cu);
    EXPECT_EQ(b.GetByIndex(OverColorGrad), 0xFFA346u);
    EXPECT_EQ(b.GetByIndex(DownColorGrad), 0xFFCE9Du);

    // csCustom and values past csSystem are stored and change nothing else.
    for (Scheme s : {Scheme::csCustom, Scheme(14)}) {
        b.SetColorScheme(s);
        EXPECT_EQ(b.ColorScheme(), s);
        EXPECT_FALSE(b.Gradient());
        EXPECT_EQ(b.GetByIndex(ColorFace), 0x95DDFFu);
    }
    // csSystem stores the values the system has now, not references.
    b.SetColorScheme(Scheme::csSystem);
    EXPECT_TRUE(b.Gradient());
    EXPECT_EQ(b.GetByIndex(ColorFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(b.GetByIndex(DisabledColorBorder), GetSysColor(COLOR_INACTIVEBORDER));
}

TEST_F(XiButtonTest, GradientRowsOfA25PixelButton) {
    TXiButton& b = AddButton("Gradient");
    b.SetColorScheme(Scheme::csNeoSky);
    b.SetCtl3D(false);
    const tk::Bitmap surface = Render(b);
    // Row y is face plus y steps of (grad - face) / 25, added up one by one.
    const tk::TColor face = b.GetByIndex(ColorFace), grad = b.GetByIndex(ColorGrad);
    double value[3], step[3];
    for (int i = 0; i < 3; ++i) {
        value[i] = double((face >> (8 * i)) & 0xFF);
        step[i] = (double((grad >> (8 * i)) & 0xFF) - value[i]) / kH;
    }
    for (int y = 0; y < kH - 1; ++y) {
        const auto at = [&](int i) { return std::uint8_t(std::nearbyint(value[i])); };
        if (y > 0) { // row 0 is under the border
            for (int x : {1, kW / 2, kW - 2})
                EXPECT_EQ(surface.Pixel(x, y), tk::RGBColor(at(0), at(1), at(2))) << x << "," << y;
        }
        for (int i = 0; i < 3; ++i) value[i] += step[i];
    }
}

TEST_F(XiButtonTest, BorderEdgesAndFocusFrame) {
    TXiButton& b = AddButton("Frame");
    UsePlainColours(b);
    const tk::TColor border = Plain(0, Border), light = Plain(0, Light), dark = Plain(0, Dark);
    struct Probe {
        int x, y;
        tk::TColor color;
    };
    const auto check = [&](const std::vector<Probe>& probes) {
        const tk::Bitmap s = Render(b);
        for (const Probe& p : probes) EXPECT_EQ(s.Pixel(p.x, p.y), p.color) << p.x << "," << p.y;
    };
    // The edge lines leave out their end points: each corner has one owner.
    check({{0, 0, border},
           {kW - 1, kH - 1, border},
           {kW / 2, 0, border},
           {0, kH / 2, border},
           {1, 1, light},
           {kW - 2, 1, dark},
           {1, kH - 2, light},
           {kW - 2, kH - 2, dark},
           {kW / 2, 1, light},
           {1, kH / 2, light},
           {kW / 2, kH - 2, dark},
           {kW - 2, kH / 2, dark},
           {2, 2, kFace},
           {3, 3, kFace}});
    Send(b, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(b.HasFocus());
    check({{3, 3, kFocus},
           {kW - 4, kH - 4, kFocus},
           {kW / 2, 3, kFocus},
           {4, 4, kFace},
           {kW - 3, kH - 3, kFace}});
    Send(b, WM_KILLFOCUS, 0, 0);
    b.SetCtl3D(false);
    check({{3, 3, kFace}, {1, 1, kFace}, {0, 0, border}});
}

TEST_F(XiButtonTest, EachStatePaintsItsColours) {
    struct Case {
        const char* what;
        std::function<void(TXiButton&)> drive;
        int group;
    };
    const Case cases[] = {
        {"normal", [](TXiButton&) {}, NormalColors},
        {"over", [](TXiButton& b) { Move(b, 5, 5); }, OverColors},
        {"down", [](TXiButton& b) { Press(b); }, DownColors},
        {"disabled over", [](TXiButton& b) { Move(b, 5, 5), b.SetEnabled(false); }, DisabledColors},
    };
    for (const Case& c : cases) {
        TXiButton& b = AddButton(c.what);
        UsePlainColours(b);
        c.drive(b);
        const tk::Bitmap s = Render(b);
        EXPECT_EQ(s.Pixel(kW / 2, 3), b.GetByIndex(c.group + Face)) << c.what;
        EXPECT_EQ(s.Pixel(0, 0), b.GetByIndex(c.group + Border)) << c.what;
        EXPECT_EQ(s.Pixel(1, 1), b.GetByIndex(c.group + Light)) << c.what;
    }
}

TEST_F(XiButtonTest, CaptionIsCentredAndMovesWhenPressed) {
    TXiButton& b = AddButton("Caption");
    UsePlainColours(b);
    for (int i = 0; i < kColorsPerState; ++i) b.SetByIndex(DownColors + i, b.GetByIndex(NormalColors + i));
    b.SetCaption("OK");
    const tk::Bitmap up = Render(b);
    Press(b);
    const tk::Bitmap down = Render(b);
    // Text is drawn smoothed: any pixel off the face colour is ink.
    int ink = 0, left = kW, right = -1;
    for (int y = 3; y < kH - 3; ++y)
        for (int x = 3; x < kW - 3; ++x) {
            if (up.Pixel(x, y) == kFace) continue;
            ++ink, left = std::min(left, x), right = std::max(right, x);
            EXPECT_EQ(down.Pixel(x + 1, y + 1), up.Pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(ink, 10);
    EXPECT_LE(std::abs(left - (kW - 1 - right)), 2) << left << " " << right;
}

TEST_F(XiButtonTest, GlyphLeavesOutItsTopLeftColour) {
    TXiButton& b = AddButton("Glyph");
    UsePlainColours(b);
    constexpr int kSide = 8;
    tk::Bitmap glyph(kSide, kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) glyph.SetPixel(x, y, x == 0 || y == 0 ? tk::clTeal : tk::clRed);
    b.SetGlyph(glyph);
    const int gx = kW / 2 - kSide / 2, gy = (kH - kSide) / 2; // centred without a caption
    tk::Bitmap s = Render(b);
    EXPECT_EQ(s.Pixel(gx, gy), kFace);
    EXPECT_EQ(s.Pixel(gx + 1, gy + 1), tk::clRed);
    EXPECT_EQ(s.Pixel(gx + kSide, gy + kSide), kFace);
    b.SetTransparentGlyph(false);
    Press(b);
    s = Render(b);
    EXPECT_EQ(s.Pixel(gx + 1, gy + 1), tk::clTeal);
    EXPECT_EQ(s.Pixel(gx + kSide, gy + kSide), tk::clRed);
}

TEST_F(XiButtonTest, MouseClicks) {
    TXiButton& b = AddButton("Mouse");
    Press(b);
    EXPECT_TRUE(b.MousePressed());
    EXPECT_EQ(b.ButtonState(), State::Down);
    Release(b);
    EXPECT_EQ(ClicksOf(b), 1);
    EXPECT_EQ(b.ButtonState(), State::Over);
    // The left column and top row click but leave the button Normal.
    for (const POINT edge : {POINT{0, 5}, POINT{5, 0}}) {
        Press(b), Release(b, edge.x, edge.y);
        EXPECT_EQ(b.ButtonState(), State::Normal);
    }
    EXPECT_EQ(ClicksOf(b), 3);
    // Outside, or without a press on the button: no click.
    for (const POINT outside : {POINT{kW, 5}, POINT{5, kH}, POINT{-3, 5}}) {
        Press(b), Release(b, outside.x, outside.y);
        EXPECT_EQ(b.ButtonState(), State::Normal);
    }
    Release(b);
    EXPECT_EQ(ClicksOf(b), 3);
    // The second press of a double click belongs to the first click.
    Press(b), Release(b);
    Send(b, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    EXPECT_FALSE(b.MousePressed());
    Release(b);
    EXPECT_EQ(ClicksOf(b), 4);
}

TEST_F(XiButtonTest, DragOutAndBack) {
    for (bool hotTrack : {true, false}) {
        TXiButton& b = AddButton(hotTrack ? "Hot" : "Cold");
        b.SetHotTrack(hotTrack);
        Move(b, 5, 5);
        EXPECT_EQ(b.ButtonState(), hotTrack ? State::Over : State::Normal);
        Press(b);
        Move(b, -20, 5);
        EXPECT_EQ(b.ButtonState(), State::Normal);
        Move(b, 5, 5);
        EXPECT_EQ(b.ButtonState(), hotTrack ? State::Down : State::Normal);
        Release(b);
        EXPECT_EQ(ClicksOf(b), 1);
        EXPECT_EQ(b.ButtonState(), hotTrack ? State::Over : State::Normal);
        Send(b, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(b.ButtonState(), State::Normal);
    }
}

TEST_F(XiButtonTest, SpaceClicksOnceOnRelease) {
    TXiButton& b = AddButton("Space");
    Send(b, WM_KEYDOWN, VK_SPACE, 1);
    Send(b, WM_KEYDOWN, VK_SPACE, 1 | (LPARAM(1) << 30)); // key repeat
    EXPECT_EQ(b.ButtonState(), State::Down);
    EXPECT_EQ(ClicksOf(b), 0);
    Send(b, WM_KEYUP, VK_SPACE, 1 | kReleasedKey);
    EXPECT_EQ(ClicksOf(b), 1);
    EXPECT_EQ(b.ButtonState(), State::Normal);
    // A release whose press went elsewhere, or after the focus left, does nothing.
    Send(b, WM_KEYUP, VK_SPACE, 1 | kReleasedKey);
    Send(b, WM_KEYDOWN, VK_SPACE, 1);
    Send(b, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(b.ButtonState(), State::Normal);
    Send(b, WM_KEYUP, VK_SPACE, 1 | kReleasedKey);
    EXPECT_EQ(ClicksOf(b), 1);
}

TEST_F(XiButtonTest, EnterAndAcceleratorThroughTheMessageLoop) {
    TXiButton& first = AddButton("First", 10, 10);
    TXiButton& second = AddButton("Second", 10, 50);
    second.SetCaption("&Go");
    form->Show();
    tk::Application::Instance().ProcessMessages();
    ASSERT_EQ(GetActiveWindow(), form->Handle());
    second.SetFocus();
    PostMessageA(second.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    // Alt+G in either case; Alt+X belongs to nobody.
    for (char ch : {'g', 'G', 'x'}) PostMessageA(first.Handle(), WM_SYSCHAR, ch, 1 | kAltContext);
    tk::Application::Instance().ProcessMessages();
    EXPECT_EQ(ClicksOf(second), 3);
    EXPECT_EQ(ClicksOf(first), 0);
    second.SetEnabled(false);
    EXPECT_FALSE(second.DialogChar('g'));
}

TEST_F(XiButtonTest, DefaultAndCancelButtons) {
    TXiButton& ok = AddButton("Ok", 10, 10);
    TXiButton& cancel = AddButton("Cancel", 100, 10);
    TXiButton& other = AddButton("Other", 10, 50);
    ok.SetDefault(true);
    cancel.SetCancel(true);
    const tk::ShiftState none{};
    form->Show(); // hidden buttons cannot take the focus, so they take no keys
    ::SetFocus(nullptr);
    EXPECT_TRUE(form->HandleDialogKey(VK_RETURN, none));
    EXPECT_TRUE(form->HandleDialogKey(VK_ESCAPE, none));
    EXPECT_EQ(ClicksOf(ok), 1); // Escape is not the default button's key
    EXPECT_EQ(ClicksOf(cancel), 1);
    EXPECT_FALSE(form->HandleDialogKey(VK_RETURN, tk::ShiftState{true, false, false}));
    EXPECT_FALSE(form->HandleDialogKey(VK_ESCAPE, tk::ShiftState{false, true, false}));
    // A focused button keeps Enter for itself.
    other.SetFocus();
    EXPECT_TRUE(form->HandleDialogKey(VK_RETURN, none));
    EXPECT_EQ(ClicksOf(other), 1);
    ::SetFocus(nullptr);
    ok.SetEnabled(false);
    cancel.SetEnabled(false);
    EXPECT_FALSE(form->HandleDialogKey(VK_RETURN, none));
    EXPECT_FALSE(form->HandleDialogKey(VK_ESCAPE, none));
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(XiButtonTest, ModalResult) {
    TXiButton& ok = AddButton("Ok");
    ok.SetModalResult(tk::mrOk);
    PostMessageA(ok.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    PostMessageA(ok.Handle(), WM_LBUTTONUP, 0, At(5, 5));
    // Were the click lost, this would end the dialog with Cancel, not hang.
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form->ShowModal(), tk::mrOk);

    // A button without a result leaves the form's own alone.
    TXiButton& plain = AddButton("Plain", 100, 10);
    form->SetModalResult(tk::mrCancel);
    Press(plain), Release(plain);
    EXPECT_EQ(ClicksOf(plain), 1);
    EXPECT_EQ(form->ModalResult(), tk::mrCancel);
}

TEST_F(XiButtonTest, LinkedActionGivesCaptionAndEnabledAndRuns) {
    TXiButton& b = AddButton("Linked");
    int executed = 0;
    tk::Action action;
    action.caption = "&Power";
    action.onExecute = [&] { ++executed; };
    b.SetAction(&action);
    char text[32] = {};
    GetWindowTextA(b.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "&Power");
    Press(b), Release(b);
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(ClicksOf(b), 0); // the action replaces OnClick
    action.enabled = false;
    b.ActionChanged();
    EXPECT_FALSE(IsWindowEnabled(b.Handle()));
}

} // namespace

// Watching for the pointer to leave costs a poll while it rests inside, so
// only controls that change under the pointer ask for it. The button half
// shows that the query sees tracking when there is some.
TEST_F(XiButtonTest, OnlyControlsThatShowHoverWatchThePointerLeave) {
    TXiButton& b = AddButton("Hover", 10, 10);
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    tk::Application::Instance().ProcessMessages();
    auto trackedWindow = [] {
        TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
        TrackMouseEvent(&query);
        return (query.dwFlags & TME_LEAVE) ? query.hwndTrack : nullptr;
    };
    auto pointAt = [](HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        SetCursorPos(p.x, p.y);
        SendMessageA(window, WM_MOUSEMOVE, 0, At(x, y));
    };

    pointAt(form->Handle(), 200, 90);
    EXPECT_NE(trackedWindow(), form->Handle());
    pointAt(b.Handle(), 5, 5);
    EXPECT_EQ(trackedWindow(), b.Handle());
    SetCursorPos(0, 0);
}
