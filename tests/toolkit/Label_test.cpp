#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/FormFixture.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GraphicControls.h"

namespace {

class LabelTest : public test_support::FormTest {};

// The first column of ink at or right of `from` in the band of rows; -1 when none.
int FirstInkColumn(const tk::Bitmap& b, int from, int top, int bottom) {
    for (int x = from; x < b.Width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (b.Pixel(x, y) != tk::clWhite) return x;
    return -1;
}

// A tab in a text of several lines starts a column that lines up on every
// line, however wide the text before it.
TEST_F(LabelTest, TabsLineUpASecondColumnPastTheWidestFirstOne) {
    const std::string shortFirst = "-a";
    const std::string longFirst = "-countdown=time[,days]"; // wider than the system's eight characters
    auto& label = form->Add<tk::Label>("Table", tk::Bounds{0, 0, 0, 0}, tk::LabelArgs{.transparent = true});
    label.SetCaption(shortFirst + "\tX\n" + longFirst + "\tX");
    tk::Bitmap bitmap(label.Width(), label.Height());
    tk::Canvas& canvas = bitmap.GetCanvas();
    canvas.SetBrushColor(tk::clWhite);
    canvas.FillRect(RECT{0, 0, label.Width(), label.Height()});
    label.Paint(canvas);

    const int lineHeight = label.Height() / 2;
    canvas.SetFont(label.Font());
    const int pastLongFirst = canvas.TextWidth(longFirst);
    const int firstLine = FirstInkColumn(bitmap, pastLongFirst, 0, lineHeight);
    const int secondLine = FirstInkColumn(bitmap, pastLongFirst, lineHeight, label.Height());
    ASSERT_GT(firstLine, pastLongFirst);
    EXPECT_EQ(firstLine, secondLine);
}

} // namespace
