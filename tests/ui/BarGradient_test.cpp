#include "ui/BarGradient.h"

#include <gtest/gtest.h>

#include <limits>

namespace ui::xibar {
namespace {

using tk::RGBColor;

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(BarGradient, LineGeometryPerDirection) {
    const GradientRect rect{2, 3, 5, 7};
    const tk::TColor c = RGBColor(10, 20, 30);
    const struct {
        GradientDirection direction;
        std::size_t count;
        GradientLine first, last;
    } cases[] = {
        // Positions count from 0; across, lines reach left + right / top + bottom.
        {GradientDirection::VerticalLines, 4, {0, 3, 0, 10, c}, {3, 3, 3, 10, c}},
        {GradientDirection::HorizontalLines, 5, {2, 0, 7, 0, c}, {2, 4, 7, 4, c}},
        {GradientDirection::DiagonalLines, 8, {0, 3, 2, 0, c}, {7, 3, 2, 7, c}},
    };
    for (const auto& t : cases) {
        const auto lines = GradientLines(rect, c, c, t.direction);
        ASSERT_EQ(lines.size(), t.count) << static_cast<int>(t.direction);
        EXPECT_EQ(lines.front(), t.first) << static_cast<int>(t.direction);
        EXPECT_EQ(lines.back(), t.last) << static_cast<int>(t.direction);
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_EQ(t.direction == GradientDirection::HorizontalLines ? lines[i].y1 : lines[i].x1,
                      static_cast<int>(i));
    }
}

TEST(BarGradient, UnknownDirectionOrNegativeExtentDrawsNothing) {
    const tk::TColor c = RGBColor(1, 2, 3);
    EXPECT_TRUE(GradientLines({0, 0, 10, 10}, c, c, static_cast<GradientDirection>(3)).empty());
    EXPECT_TRUE(GradientLines({0, 0, 10, 10}, c, c, static_cast<GradientDirection>(-1)).empty());
    EXPECT_TRUE(GradientLines({5, 0, 4, 10}, c, c, GradientDirection::VerticalLines).empty());
    EXPECT_TRUE(GradientLines({0, 5, 10, 4}, c, c, GradientDirection::HorizontalLines).empty());
    EXPECT_TRUE(GradientLines({0, 0, 3, -4}, c, c, GradientDirection::DiagonalLines).empty());
}

TEST(BarGradient, ZeroExtentGivesOneLineInTheStartColour) {
    // A bar two pixels high, or a fill with no height: no division by zero.
    const tk::TColor start = RGBColor(200, 100, 50), end = RGBColor(0, 0, 0);
    const auto lines = GradientLines({1, 1, 40, 1}, start, end, GradientDirection::HorizontalLines);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (GradientLine{1, 0, 41, 0, start}));
}

TEST(BarGradient, ColoursStepEvenlyAndHalvesRoundToEven) {
    const struct {
        tk::TColor start, end;
        int steps;
        std::vector<tk::TColor> expected;
    } cases[] = {
        // 0.5 and 2.5 go down, 1.5 goes up.
        {RGBColor(0, 1, 2), RGBColor(1, 2, 3), 2, {RGBColor(0, 1, 2), RGBColor(0, 2, 2), RGBColor(1, 2, 3)}},
        {RGBColor(255, 0, 90),
         RGBColor(0, 255, 90),
         3,
         {RGBColor(255, 0, 90), RGBColor(170, 85, 90), RGBColor(85, 170, 90), RGBColor(0, 255, 90)}},
    };
    for (const auto& t : cases) {
        const auto lines =
            GradientLines({0, 0, 4, t.steps}, t.start, t.end, GradientDirection::HorizontalLines);
        ASSERT_EQ(lines.size(), t.expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].color, t.expected[i]) << "line " << i << " of " << t.steps;
    }
}

TEST(BarGradient, SystemColourFlagIsNotAColour) {
    const auto lines = GradientLines({0, 0, 1, 0}, tk::SystemColor(0x10), tk::SystemColor(0x30),
                                     GradientDirection::VerticalLines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].color, RGBColor(0x10, 0, 0));
    EXPECT_EQ(lines[1].color, RGBColor(0x30, 0, 0));
}

TEST(BarGradient, ExtremeRectanglesDoNotOverflow) {
    const auto lines =
        GradientLines({kIntMax - 1, kIntMax - 1, kIntMax, kIntMax}, 0, 0, GradientDirection::VerticalLines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].y2, kIntMax); // top + bottom saturates
    EXPECT_TRUE(GradientLines({kIntMax, 0, kIntMin, 0}, 0, 0, GradientDirection::VerticalLines).empty());
}

TEST(BarGradient, HorizontalFill) {
    const struct {
        int width, position, min, max;
        std::optional<int> fill;
    } cases[] = {
        {233, 50, 0, 100, 116}, // 115.5 to the even neighbour
        {233, 30, 0, 100, 69},
        {233, 0, 0, 100, 0}, // at Min: no fill
        {233, 60, 10, 110, 116},
        {233, 150, 0, 100, 233}, // past Max: runs to the edge and no further
        {233, kIntMax, 0, 100, 233},
        {233, 10, 50, 100, -1}, // Min raised above Position
        {233, kIntMin, kIntMax, kIntMax, std::nullopt},
        {233, 5, 5, 5, std::nullopt}, // empty range: no fill, no division by zero
        {233, kIntMax, kIntMin, kIntMax, 231},
        {kIntMax, kIntMax, kIntMin, kIntMax, kIntMax - 2},
        {0, 50, 0, 100, -1},
    };
    for (const auto& t : cases)
        EXPECT_EQ(HorizontalFill(t.width, t.position, t.min, t.max), t.fill)
            << t.width << " " << t.position << " " << t.min << ".." << t.max;
}

TEST(BarGradient, VerticalFillTop) {
    const struct {
        int height, position, min, max;
        std::optional<int> top;
    } cases[] = {
        {233, 50, 0, 100, 117},                              // 233 - round(116.5)
        {233, 30, 0, 100, 163},       {233, 0, 0, 100, 232}, // at Min the fill is the bottom border row
        {233, 150, 0, 100, 0},                               // over-full: from the top edge (unlimited -115)
        {233, kIntMax, 0, 100, 0},    {233, 10, 60, 100, 233},
        {233, 7, 7, 7, std::nullopt}, {16, kIntMax, kIntMin, kIntMax, 1},
    };
    for (const auto& t : cases)
        EXPECT_EQ(VerticalFillTop(t.height, t.position, t.min, t.max), t.top)
            << t.height << " " << t.position << " " << t.min << ".." << t.max;
}

} // namespace
} // namespace ui::xibar
