#include "ui/XiProgressBar.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "support/FormFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace ui {
namespace {

using tk::RGBColor;
using Scheme = TXiProgressBar::TColorScheme;
using Orientation = TXiProgressBar::TProgressBarOrientation;

constexpr tk::TColor kNightBorder = RGBColor(0, 0, 0);
// The csNight gradients as the bar paints them: the empty part in 8 steps
// (n = 7), the filled part in 10 (n = 9).
constexpr tk::TColor kNightBack[] = {RGBColor(0, 64, 128), RGBColor(0, 67, 134), RGBColor(0, 70, 139),
                                     RGBColor(0, 73, 145), RGBColor(0, 75, 151), RGBColor(0, 78, 157),
                                     RGBColor(0, 81, 162), RGBColor(0, 84, 168)};
constexpr tk::TColor kNightFore[] = {
    RGBColor(151, 203, 255), RGBColor(134, 194, 253), RGBColor(117, 184, 251), RGBColor(101, 175, 249),
    RGBColor(84, 165, 247),  RGBColor(67, 156, 244),  RGBColor(50, 146, 242),  RGBColor(34, 137, 240),
    RGBColor(17, 127, 238),  RGBColor(0, 118, 236)};

constexpr int kFormSize = 300;

struct Pixel {
    int x, y;
    tk::TColor color;
};

tk::FormArgs SquareForm() {
    tk::FormArgs args = test_support::FormTest::DefaultArgs();
    args.clientWidth = args.clientHeight = kFormSize;
    return args;
}

class XiProgressBarTest : public test_support::FormTest {
protected:
    XiProgressBarTest() : FormTest(SquareForm()) {}

    TXiProgressBar& AddBar(tk::Bounds bounds) { return form->Add<TXiProgressBar>("Bar", bounds); }

    // Paints the bar alone into a bitmap of its size.
    static tk::Bitmap Painted(TXiProgressBar& bar) {
        tk::Bitmap bitmap(bar.Width(), bar.Height());
        bar.Paint(bitmap.GetCanvas());
        return bitmap;
    }

    static void ExpectPixels(const tk::Bitmap& bitmap, std::initializer_list<Pixel> pixels) {
        for (const Pixel& p : pixels)
            EXPECT_EQ(bitmap.Pixel(p.x, p.y), p.color) << "at (" << p.x << ", " << p.y << ")";
    }
};

TEST_F(XiProgressBarTest, Defaults) {
    auto& bar = form->Add<TXiProgressBar>("Bar");
    EXPECT_EQ(bar.Width(), 200);
    EXPECT_EQ(bar.Height(), 16);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Step(), 10);
    EXPECT_EQ(bar.Orientation(), Orientation::pbHorizontal);
    EXPECT_EQ(bar.ColorScheme(), Scheme::csDesert);
    EXPECT_EQ(bar.ColorBorder(), RGBColor(128, 86, 0));
    EXPECT_EQ(bar.BackColorFace(), RGBColor(255, 236, 198));
    EXPECT_EQ(bar.BackColorGrad(), RGBColor(255, 255, 255));
    EXPECT_EQ(bar.ForeColorFace(), RGBColor(255, 222, 155));
    EXPECT_EQ(bar.ForeColorGrad(), RGBColor(183, 123, 0));
}

TEST_F(XiProgressBarTest, SettersRefuseValuesOutsideTheRange) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetPosition(-1);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetMin(120);
    EXPECT_EQ(bar.Min(), 0);
    bar.SetMax(-5);
    EXPECT_EQ(bar.Max(), 100);

    bar.SetPosition(150); // no upper limit
    EXPECT_EQ(bar.Position(), 150);
    bar.SetPosition(30);
    bar.SetMin(50); // may pass the position
    EXPECT_EQ(bar.Min(), 50);
    EXPECT_EQ(bar.Position(), 30);
    bar.SetMax(50); // an empty range is allowed
    EXPECT_EQ(bar.Max(), 50);
    bar.SetStep(-3);
    EXPECT_EQ(bar.Step(), -3);
}

TEST_F(XiProgressBarTest, SingleColourSwitchesToCustomAndKeepsTheOthers) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetColorScheme(Scheme::csNight);
    bar.SetForeColorFace(RGBColor(1, 2, 3));
    EXPECT_EQ(bar.ColorScheme(), Scheme::csCustom);
    EXPECT_EQ(bar.ForeColorFace(), RGBColor(1, 2, 3));
    EXPECT_EQ(bar.ColorBorder(), kNightBorder);
    EXPECT_EQ(bar.BackColorFace(), kNightBack[0]);
    EXPECT_EQ(bar.BackColorGrad(), kNightBack[7]);
    EXPECT_EQ(bar.ForeColorGrad(), kNightFore[9]);

    // Choosing csCustom itself changes no colour; an unknown index changes nothing.
    bar.SetColorScheme(Scheme::csNight);
    bar.SetColorScheme(Scheme::csCustom);
    EXPECT_EQ(bar.ForeColorFace(), kNightFore[0]);
    bar.SetColorScheme(Scheme::csNight);
    bar.SetIndexedColor(12, RGBColor(9, 9, 9));
    EXPECT_EQ(bar.ColorScheme(), Scheme::csNight);

    const struct {
        int index;
        tk::TColor (TXiProgressBar::*get)() const;
    } properties[] = {
        {TXiProgressBar::ciColorBorder, &TXiProgressBar::ColorBorder},
        {TXiProgressBar::ciBackColorFace, &TXiProgressBar::BackColorFace},
        {TXiProgressBar::ciBackColorGrad, &TXiProgressBar::BackColorGrad},
        {TXiProgressBar::ciForeColorFace, &TXiProgressBar::ForeColorFace},
        {TXiProgressBar::ciForeColorGrad, &TXiProgressBar::ForeColorGrad},
    };
    for (const auto& p : properties) {
        bar.SetColorScheme(Scheme::csDesert);
        bar.SetIndexedColor(p.index, RGBColor(7, 8, 9));
        EXPECT_EQ((bar.*p.get)(), RGBColor(7, 8, 9)) << p.index;
        EXPECT_EQ(bar.ColorScheme(), Scheme::csCustom) << p.index;
    }
}

TEST_F(XiProgressBarTest, SystemSchemeStoresTheColoursOfThatMoment) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetColorScheme(Scheme::csSystem);
    EXPECT_EQ(bar.ColorScheme(), Scheme::csSystem);
    EXPECT_EQ(bar.ColorBorder(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(bar.BackColorFace(), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(bar.BackColorGrad(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(bar.ForeColorFace(), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(bar.ForeColorGrad(), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_FALSE(tk::IsSystemColor(bar.ColorBorder()));
}

TEST_F(XiProgressBarTest, HorizontalBarAtHalf) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetColorScheme(Scheme::csNight);
    bar.SetPosition(50); // fill = 116
    const tk::Bitmap b = Painted(bar);
    ExpectPixels(b, {
                        // the frame
                        {0, 0, kNightBorder},
                        {232, 0, kNightBorder},
                        {0, 8, kNightBorder},
                        {232, 8, kNightBorder},
                        {0, 4, kNightBorder},
                        {232, 4, kNightBorder},
                        {60, 0, kNightBorder},
                        {180, 8, kNightBorder},
                        // column 1 flat in the shade of its first inner row
                        {1, 1, kNightFore[1]},
                        {1, 7, kNightFore[1]},
                        // first and last columns of the fill's gradient
                        {2, 1, kNightFore[1]},
                        {2, 4, kNightFore[4]},
                        {2, 7, kNightFore[7]},
                        {115, 1, kNightFore[1]},
                        {115, 7, kNightFore[7]},
                        // the end of the fill, flat in the shade of the last inner row
                        {116, 1, kNightFore[7]},
                        {116, 4, kNightFore[7]},
                        {116, 7, kNightFore[7]},
                        // the empty part
                        {117, 1, kNightBack[1]},
                        {117, 7, kNightBack[7]},
                        {231, 1, kNightBack[1]},
                        {231, 7, kNightBack[7]},
                    });
}

TEST_F(XiProgressBarTest, VerticalBarAtHalf) {
    auto& bar = AddBar({0, 0, 9, 233});
    bar.SetColorScheme(Scheme::csNight);
    bar.SetOrientation(Orientation::pbVertical);
    bar.SetPosition(50); // the fill's top row is 117
    const tk::Bitmap b = Painted(bar);
    ExpectPixels(b, {
                        {0, 0, kNightBorder},
                        {8, 0, kNightBorder},
                        {0, 232, kNightBorder},
                        {8, 232, kNightBorder},
                        {4, 0, kNightBorder},
                        {4, 232, kNightBorder},
                        {0, 100, kNightBorder},
                        {8, 200, kNightBorder},
                        // the empty part shades from left to right
                        {1, 1, kNightBack[1]},
                        {7, 1, kNightBack[7]},
                        {1, 116, kNightBack[1]},
                        {4, 116, kNightBack[4]},
                        // the fill's top row, flat
                        {1, 117, kNightFore[6]},
                        {7, 117, kNightFore[6]},
                        {1, 118, kNightFore[1]},
                        {7, 118, kNightFore[7]},
                        {1, 230, kNightFore[1]},
                        {7, 230, kNightFore[7]},
                        // the bottom inner row, flat
                        {1, 231, kNightFore[2]},
                        {7, 231, kNightFore[2]},
                    });
}

TEST_F(XiProgressBarTest, FillPastMaxIsClippedToTheBar) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetColorScheme(Scheme::csNight);
    bar.SetPosition(150);
    const tk::Bitmap b = Painted(bar);
    ExpectPixels(
        b, {{1, 4, kNightFore[1]}, {200, 4, kNightFore[4]}, {231, 7, kNightFore[7]}, {232, 4, kNightBorder}});

    bar.SetPosition(std::numeric_limits<int>::max());
    EXPECT_EQ(Painted(bar).Pixel(231, 3), kNightFore[3]);

    // Turned upright the over-full bar is filled to the bottom as well.
    bar.SetOrientation(Orientation::pbVertical);
    bar.SetBounds({0, 0, 9, 233});
    bar.SetPosition(150);
    ExpectPixels(Painted(bar), {{4, 1, kNightFore[4]},
                                {4, 120, kNightFore[4]},
                                {4, 230, kNightFore[4]},
                                {4, 231, kNightFore[2]},
                                {4, 232, kNightBorder}});
}

TEST_F(XiProgressBarTest, NoFillAtMinOrWithAnEmptyRange) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetColorScheme(Scheme::csNight);
    const auto expectEmpty = [](const tk::Bitmap& b) {
        ExpectPixels(b, {{0, 4, kNightBorder},
                         {1, 4, kNightBack[1]},
                         {2, 4, kNightBack[4]},
                         {116, 7, kNightBack[7]},
                         {231, 2, kNightBack[2]}});
    };
    expectEmpty(Painted(bar)); // Position = Min

    bar.SetMax(0);
    expectEmpty(Painted(bar));
    bar.SetOrientation(Orientation::pbVertical);
    bar.SetBounds({0, 0, 9, 233});
    ExpectPixels(Painted(bar), {{3, 100, kNightBack[3]}, {3, 231, kNightBack[2]}, {3, 232, kNightBorder}});
}

TEST_F(XiProgressBarTest, HiddenBarPaintsNothing) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetVisible(false);
    tk::Bitmap b(233, 9);
    b.GetCanvas().SetBrushColor(tk::clRed);
    b.GetCanvas().FillRect(RECT{0, 0, 233, 9});
    bar.Paint(b.GetCanvas());
    ExpectPixels(b, {{0, 0, tk::clRed}, {100, 4, tk::clRed}});
}

TEST_F(XiProgressBarTest, BorderResolvesASystemColourReference) {
    auto& bar = AddBar({0, 0, 233, 9});
    bar.SetColorBorder(tk::clBtnShadow);
    EXPECT_EQ(Painted(bar).Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(XiProgressBarTest, PaintsInPlaceOnItsForm) {
    auto& bar = AddBar({10, 20, 233, 9});
    bar.SetColorScheme(Scheme::csNight);
    bar.SetPosition(50); // the form is not shown: nothing to repaint, nothing to fail
    tk::Bitmap client(kFormSize, kFormSize);
    form->PaintClient(client.GetCanvas(), RECT{0, 0, kFormSize, kFormSize});
    ExpectPixels(client, {{10, 20, kNightBorder},
                          {11, 21, kNightFore[1]},
                          {126, 27, kNightFore[7]},
                          {127, 21, kNightBack[1]},
                          {242, 28, kNightBorder}});
    EXPECT_EQ(client.Pixel(9, 20), client.Pixel(243, 28)); // the form's background on both sides
    EXPECT_NE(client.Pixel(9, 20), kNightBorder);
}

TEST_F(XiProgressBarTest, RangeChangesRepaintAtOnceAndLookChangesWait) {
    auto& bar = AddBar({10, 20, 233, 9});
    form->Show();
    // Let the display's own expose events arrive before watching the update region.
    for (int i = 0; i < 10; ++i) {
        tk::Application::Instance().ProcessMessages();
        Sleep(10);
    }
    ValidateRect(form->Handle(), nullptr);
    RECT pending{};

    bar.SetOrientation(Orientation::pbVertical);
    ASSERT_TRUE(GetUpdateRect(form->Handle(), &pending, FALSE));
    EXPECT_EQ(pending.left, 10);
    EXPECT_EQ(pending.top, 20);
    EXPECT_EQ(pending.right, 243);
    EXPECT_EQ(pending.bottom, 29);

    bar.SetPosition(40);
    EXPECT_FALSE(GetUpdateRect(form->Handle(), &pending, FALSE));

    bar.SetColorScheme(Scheme::csSky);
    EXPECT_TRUE(GetUpdateRect(form->Handle(), &pending, FALSE));
    bar.SetStep(5);
    EXPECT_FALSE(GetUpdateRect(form->Handle(), &pending, FALSE));
}

} // namespace
} // namespace ui
