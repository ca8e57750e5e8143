#include "ui/BtChkBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "support/FormFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "ui/CheckBoxPictures.h"

namespace {

constexpr tk::TColor kBackground = tk::RGBColor(0x20, 0x40, 0x60);
constexpr tk::TColor kTransparent = tk::clTeal;
constexpr tk::TColor kFirst = tk::clRed, kSecond = tk::clLime, kThird = tk::clBlue;
constexpr int kW = ui::TBitCheckBox::kDefaultWidth, kH = ui::TBitCheckBox::kDefaultHeight;
constexpr int kImageMiddle = (kH - 12) / 2 + 5; // a row inside a 12-pixel-high image
constexpr LPARAM kRepeatedKey = LPARAM(1) << 30;
constexpr LPARAM kAltContext = LPARAM(1) << 29;

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
void Press(ui::TBitCheckBox& b) { SendMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5)); }
void Release(ui::TBitCheckBox& b, int x = 5) { SendMessageA(b.Handle(), WM_LBUTTONUP, 0, At(x, 5)); }

// Equal images side by side, each a solid square in a one-pixel border of
// the transparent colour, so the bottom-left pixel is that colour.
tk::Bitmap Strip(int width, int height, const std::vector<tk::TColor>& images) {
    tk::Bitmap picture(width, height);
    const int imageWidth = width / static_cast<int>(images.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int in = x % imageWidth;
            const bool border = y == 0 || y == height - 1 || in == 0 || in == imageWidth - 1;
            picture.SetPixel(x, y, border ? kTransparent : images[x / imageWidth]);
        }
    return picture;
}

std::vector<const tk::Bitmap*> Glyphs(const ui::TBitCheckBox& box) {
    return {&box.CheckedGlyph(), &box.UncheckedGlyph(), &box.GrayedGlyph()};
}

tk::Bitmap Render(ui::TBitCheckBox& box) {
    tk::Bitmap surface(box.Width(), box.Height());
    box.Paint(surface.GetCanvas());
    return surface;
}

struct Extent {
    int count = 0, maxX = -1, maxY = -1;
};

Extent PixelsOf(const tk::Bitmap& surface, tk::TColor color, int fromX) {
    Extent e;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = fromX; x < surface.Width(); ++x)
            if (surface.Pixel(x, y) == color) {
                ++e.count;
                e.maxX = std::max(e.maxX, x);
                e.maxY = std::max(e.maxY, y);
            }
    return e;
}

bool ColumnIsPlain(const tk::Bitmap& surface, int x) {
    for (int y = 0; y < surface.Height(); ++y)
        if (surface.Pixel(x, y) != kBackground) return false;
    return true;
}

class BitCheckBoxTest : public test_support::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        other = &form->Add<ui::TBitCheckBox>("Other", tk::Bounds{8, 40, kW, kH});
        other->SetCaption("&Other");
        box = &form->Add<ui::TBitCheckBox>("CheckBoxTimer", tk::Bounds{8, 8, kW, kH});
        box->SetCaption("&Timer");
        box->SetColor(kBackground);
        box->OnClick = [this](tk::Control&) {
            ++clicks;
            stateInClick = box->State();
            checkedInClick = box->Checked();
        };
        form->Show();
        tk::Application::Instance().ProcessMessages();
        other->SetFocus();
    }

    ui::TBitCheckBox* other = nullptr;
    ui::TBitCheckBox* box = nullptr;
    int clicks = 0;
    ui::TCheckBoxState stateInClick = ui::cbUnchecked;
    bool checkedInClick = false;
};

TEST_F(BitCheckBoxTest, StartsUncheckedWithBuiltInPictures) {
    EXPECT_EQ(box->State(), ui::cbUnchecked);
    EXPECT_TRUE(box->TabStop());
    for (const tk::Bitmap* glyph : Glyphs(*box)) {
        EXPECT_EQ(glyph->Width(), 19);
        EXPECT_EQ(glyph->Height(), 14);
        EXPECT_EQ(glyph->TransparentColor(), tk::clOlive);
    }
    EXPECT_EQ(box->CheckedNumGlyphs() + box->GrayedNumGlyphs() + box->UncheckedNumGlyphs(), 3);
    char text[16] = {};
    GetWindowTextA(box->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "&Timer");
}

TEST_F(BitCheckBoxTest, ClicksCycleStatesAndOnClickSeesTheNewOne) {
    const std::pair<bool, std::vector<ui::TCheckBoxState>> cases[] = {
        {false, {ui::cbChecked, ui::cbUnchecked, ui::cbChecked}},
        {true, {ui::cbUnchecked, ui::cbGrayed, ui::cbChecked, ui::cbUnchecked}}, // starts from checked
    };
    for (const auto& [allowGrayed, states] : cases) {
        box->SetAllowGrayed(allowGrayed);
        for (ui::TCheckBoxState expected : states) {
            Press(*box);
            Release(*box);
            EXPECT_EQ(box->State(), expected) << "allowGrayed " << allowGrayed;
            EXPECT_EQ(stateInClick, expected);
            EXPECT_EQ(checkedInClick, expected == ui::cbChecked);
        }
    }
    EXPECT_EQ(clicks, 7);
    EXPECT_TRUE(box->Focused()) << "a click takes the focus";
}

TEST_F(BitCheckBoxTest, DoubleClickTogglesTwice) {
    EXPECT_EQ(GetClassLongPtrA(box->Handle(), GCL_STYLE) & CS_DBLCLKS, 0u);
    for (int i = 0; i < 2; ++i) {
        Press(*box);
        Release(*box);
    }
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(box->State(), ui::cbUnchecked);
}

TEST_F(BitCheckBoxTest, OnlyAPressAndReleaseInsideClick) {
    Press(*box);
    Release(*box, 200);
    Release(*box); // no press before it
    Press(*box);
    SendMessageA(box->Handle(), WM_MOUSEMOVE, 0, At(6, 6)); // the button went up elsewhere
    Release(*box);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(box->State(), ui::cbUnchecked);
}

TEST_F(BitCheckBoxTest, SpaceClicksAfterOnKeyPress) {
    box->OnKeyPress = [](ui::TBitCheckBox&, char& key) {
        if (key == 'x') key = ' ';
        if (key == 'n') key = 0;
    };
    const std::pair<WPARAM, LPARAM> keys[] = {{' ', 0}, {' ', kRepeatedKey}, {'a', 0}, {'x', 0}, {'n', 0}};
    for (const auto& [ch, flags] : keys) SendMessageA(box->Handle(), WM_CHAR, ch, 1 | flags);
    EXPECT_EQ(clicks, 2) << "Space, and x turned into Space; a held Space clicks once";
    EXPECT_EQ(box->State(), ui::cbUnchecked);
}

TEST_F(BitCheckBoxTest, CodeChangesRepaintOnlyWhenDifferentAndNeverFire) {
    const auto pending = [&] { return GetUpdateRect(box->Handle(), nullptr, FALSE) != FALSE; };
    ValidateRect(box->Handle(), nullptr);
    box->SetChecked(false);
    EXPECT_FALSE(pending());
    box->SetChecked(true);
    EXPECT_TRUE(pending());

    box->SetState(ui::cbGrayed); // allowed without AllowGrayed
    EXPECT_FALSE(box->Checked());
    box->Toggle();
    EXPECT_EQ(box->State(), ui::cbChecked);
    EXPECT_EQ(clicks, 0);
}

TEST_F(BitCheckBoxTest, AnswersGetCheckLikeAStandardCheckBox) {
    const std::pair<ui::TCheckBoxState, LRESULT> cases[] = {
        {ui::cbUnchecked, BST_UNCHECKED}, {ui::cbChecked, BST_CHECKED}, {ui::cbGrayed, BST_INDETERMINATE}};
    for (const auto& [state, answer] : cases) {
        box->SetState(state);
        EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), answer);
    }
}

TEST_F(BitCheckBoxTest, AcceleratorFocusesAndTogglesWithoutClick) {
    MSG msg{other->Handle(), WM_SYSCHAR, 't', 1 | kAltContext, 0, {}};
    tk::Application::Instance().ProcessMessage(msg);
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(box->State(), ui::cbChecked);

    EXPECT_FALSE(box->DialogChar('x'));
    box->SetEnabled(false);
    EXPECT_FALSE(box->DialogChar('T'));
    box->SetEnabled(true);
    EXPECT_TRUE(box->DialogChar('T')) << "either case";
    EXPECT_EQ(box->State(), ui::cbUnchecked);
    EXPECT_EQ(clicks, 0);
}

TEST_F(BitCheckBoxTest, PictureSetsCountWhenWidthIsWholeMultipleOfHeight) {
    box->SetGrayedNumGlyphs(0);
    EXPECT_EQ(box->GrayedNumGlyphs(), 1);
    box->SetGrayedNumGlyphs(5);
    EXPECT_EQ(box->GrayedNumGlyphs(), 2);
    struct Case {
        int width, height, before, after;
    };
    const Case cases[] = {{12, 12, 2, 1}, {19, 14, 2, 2}, {0, 0, 2, 2}}; // the last one is empty
    for (const Case& c : cases) {
        box->SetGrayedNumGlyphs(c.before);
        const tk::Bitmap picture(c.width, c.height);
        box->SetGrayedGlyph(&picture);
        EXPECT_EQ(box->GrayedNumGlyphs(), c.after) << c.width << " x " << c.height;
    }
    box->SetState(ui::cbGrayed);
    Render(*box); // without a picture there is nothing to copy

    box->SetGrayedGlyph(nullptr);
    EXPECT_EQ(box->GrayedGlyph().Width(), 19);
    EXPECT_EQ(box->GrayedNumGlyphs(), 1) << "the built-in picture is a single image";
}

TEST_F(BitCheckBoxTest, TwoImageStripShowsLeftHalfEnabledRightHalfDisabled) {
    const tk::Bitmap strip = Strip(24, 12, {kFirst, kSecond});
    box->SetCheckedGlyph(&strip);
    EXPECT_EQ(box->CheckedNumGlyphs(), 2);
    box->SetChecked(true);
    const tk::Bitmap enabled = Render(*box);
    EXPECT_EQ(enabled.Pixel(5, kImageMiddle), kFirst);
    EXPECT_EQ(enabled.Pixel(13, kImageMiddle), kBackground);
    EXPECT_EQ(enabled.Pixel(0, kImageMiddle + 6), kBackground) << "transparent pixel";
    box->SetEnabled(false);
    EXPECT_EQ(Render(*box).Pixel(5, kImageMiddle), kSecond);
}

TEST_F(BitCheckBoxTest, ThirtySixByTwelveStripIsTwoEighteenPixelImages) {
    box->SetCaption("");
    const tk::Bitmap strip = Strip(36, 12, {kFirst, kSecond, kThird});
    box->SetUncheckedGlyph(&strip);
    EXPECT_EQ(box->UncheckedNumGlyphs(), 2);
    const tk::Bitmap enabled = Render(*box);
    EXPECT_EQ(enabled.Pixel(15, kImageMiddle), kSecond);
    EXPECT_EQ(enabled.Pixel(18, kImageMiddle), kBackground);
    box->SetEnabled(false);
    const tk::Bitmap disabled = Render(*box);
    EXPECT_EQ(disabled.Pixel(0, kImageMiddle), kSecond);
    EXPECT_EQ(disabled.Pixel(8, kImageMiddle), kThird);
}

TEST_F(BitCheckBoxTest, AlignmentPlacesPictureAndCaption) {
    const tk::Bitmap solid = Strip(12, 12, {kFirst});
    box->SetUncheckedGlyph(&solid);
    box->SetFocus(); // the focus rectangle shows where the caption starts
    ASSERT_TRUE(box->Focused());
    const tk::Bitmap right = Render(*box);
    EXPECT_EQ(right.Pixel(5, kImageMiddle), kFirst);
    EXPECT_TRUE(ColumnIsPlain(right, 12 + 3));
    EXPECT_FALSE(ColumnIsPlain(right, 12 + 4));

    box->SetAlignment(ui::taLeftJustify);
    const tk::Bitmap left = Render(*box);
    EXPECT_EQ(left.Pixel(kW - 12 + 5, kImageMiddle), kFirst);
    EXPECT_TRUE(ColumnIsPlain(left, kW - 12 - 1));
    EXPECT_TRUE(ColumnIsPlain(left, 0));
    EXPECT_FALSE(ColumnIsPlain(left, 1));
}

TEST_F(BitCheckBoxTest, AmpersandNarrowsTheCaptionRectangle) {
    box->SetFocus();
    ASSERT_TRUE(box->Focused());
    const auto rightmostMark = [&] {
        const tk::Bitmap surface = Render(*box);
        int x = surface.Width() - 1;
        while (x >= 0 && ColumnIsPlain(surface, x)) --x;
        return x;
    };
    const int marked = rightmostMark();
    box->SetCaption("Timer");
    EXPECT_EQ(marked, rightmostMark()) << "the focus rectangle ends where the text does";
}

TEST_F(BitCheckBoxTest, CaptionInFontColourOrEmbossedWhenDisabled) {
    tk::FontSpec font = box->Font();
    font.color = tk::clRed;
    box->SetFont(font);
    const int captionLeft = 19 + 4;
    const tk::TColor light = tk::ColorToRGB(tk::clBtnHighlight);
    const tk::TColor gray = tk::ColorToRGB(tk::clGrayText);
    EXPECT_GT(PixelsOf(Render(*box), tk::clRed, captionLeft).count, 0);

    box->SetEnabled(false);
    const tk::Bitmap embossed = Render(*box);
    const Extent lightText = PixelsOf(embossed, light, captionLeft);
    const Extent grayText = PixelsOf(embossed, gray, captionLeft);
    ASSERT_GT(grayText.count, 0);
    EXPECT_EQ(lightText.maxX, grayText.maxX + 1);
    EXPECT_EQ(lightText.maxY, grayText.maxY + 1);

    box->SetCtl3D(false);
    EXPECT_EQ(PixelsOf(Render(*box), light, captionLeft).count, 0);
}

TEST_F(BitCheckBoxTest, MainWindowPicturesAreSingleTwelvePixelImages) {
    for (void (*use)(ui::TBitCheckBox&) : {&ui::UseBoxPictures, &ui::UseRadioPictures}) {
        box->SetCheckedNumGlyphs(2);
        use(*box);
        for (const tk::Bitmap* glyph : Glyphs(*box)) {
            EXPECT_EQ(glyph->Width(), 12);
            EXPECT_EQ(glyph->TransparentColor(), kTransparent);
        }
        EXPECT_EQ(box->CheckedNumGlyphs(), 1);
    }
}

} // namespace
