#include "ui/GradientRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ui::GradientRows;

TEST(GradientRows, ChannelsRunFromFaceToTheGradientEnd) {
    const std::vector<tk::TColor> expected = {tk::RGBColor(10, 20, 30), tk::RGBColor(15, 20, 25),
                                              tk::RGBColor(20, 20, 20), tk::RGBColor(25, 20, 15),
                                              tk::RGBColor(30, 20, 10)};
    EXPECT_EQ(GradientRows(tk::RGBColor(10, 20, 30), tk::RGBColor(30, 20, 10), 4), expected);
}

TEST(GradientRows, RoundsTheRunningSumHalfToEven) {
    struct Case {
        int from, to, height;
        std::vector<int> reds;
    };
    const Case cases[] = {
        {0, 1, 2, {0, 0, 1}}, // 0.5 gives the even 0
        {0, 3, 2, {0, 2, 3}}, // 1.5 gives the even 2
        // Summed row by row the value misses the exact half: 7.4999... at
        // row 9 (7.5 would give 8), and 0.5000...1 at row 5 (0.5 would give 0).
        {0, 10, 12, {0, 1, 2, 2, 3, 4, 5, 6, 7, 7, 8, 9, 10}},
        {1, 0, 10, {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::vector<int> reds;
        for (tk::TColor row : GradientRows(tk::RGBColor(std::uint8_t(c.from), 0, 0),
                                           tk::RGBColor(std::uint8_t(c.to), 0, 0), c.height))
            reds.push_back(tk::RedOf(row));
        EXPECT_EQ(reds, c.reds) << c.from << " to " << c.to << " over " << c.height;
    }
}

TEST(GradientRows, EndsExactlyAndNeverWraps) {
    for (int height = 1; height <= 64; ++height) {
        const auto down = GradientRows(tk::clWhite, tk::clBlack, height);
        ASSERT_EQ(down.size(), std::size_t(height) + 1);
        EXPECT_EQ(down.back(), tk::clBlack) << height;
        EXPECT_EQ(GradientRows(tk::clBlack, tk::clWhite, height).back(), tk::clWhite) << height;
    }
    // No height: one row of the face colour, and no division by zero.
    for (int height : {0, -25})
        EXPECT_EQ(GradientRows(tk::clRed, tk::clWhite, height), std::vector<tk::TColor>{tk::clRed});
}

} // namespace
