#include "ui/CheckBoxLayout.h"

#include <gtest/gtest.h>

#include <optional>

namespace ui {
namespace {

TEST(CheckBoxLayout, NextStatePassesGrayedOnlyWhenAllowed) {
    struct Case {
        TCheckBoxState from;
        bool allowGrayed;
        TCheckBoxState to;
    };
    const Case cases[] = {
        {cbUnchecked, false, cbChecked}, {cbChecked, false, cbUnchecked}, {cbGrayed, false, cbChecked},
        {cbUnchecked, true, cbGrayed},   {cbChecked, true, cbUnchecked},  {cbGrayed, true, cbChecked},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextState(c.from, c.allowGrayed), c.to) << int(c.from) << " " << c.allowGrayed;
}

TEST(CheckBoxLayout, PictureImpliesCountOnlyWhenWidthIsWholeMultipleOfHeight) {
    struct Case {
        int width, height;
        std::optional<int> count;
    };
    const Case cases[] = {
        {24, 12, 2},
        {36, 12, 3},
        {0, 5, 0},
        {19, 14, std::nullopt}, // the built-in pictures keep the count
        {24, 0, std::nullopt},  // no height: nothing to divide by
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumGlyphsOf(c.width, c.height), c.count) << c.width << " x " << c.height;
}

TEST(CheckBoxLayout, CaptionRectangle) {
    struct Case {
        TLeftRight alignment;
        int glyphWidth, clientWidth, clientHeight;
        CaptionMetrics text;
        LayoutRect expected;
    };
    const Case cases[] = {
        // (25 - 13) / 2 - 2 = 4; the "&" is measured but not drawn.
        {taRightJustify, 12, 97, 25, {46, 13, true, 6}, {16, 4, 56, 20}},
        {taLeftJustify, 19, 97, 17, {40, 13, false, 0}, {1, 0, 41, 16}},
        // Too wide and too tall: cut to the client area.
        {taRightJustify, 12, 60, 10, {200, 16, false, 0}, {16, 0, 60, 10}},
        // Picture wider than the control: nothing of the caption is inside.
        {taRightJustify, 120, 97, 17, {40, 13, false, 0}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionRect(c.alignment, c.glyphWidth, c.clientWidth, c.clientHeight, c.text), c.expected)
            << c.glyphWidth << " / " << c.clientWidth << " x " << c.clientHeight;
}

TEST(CheckBoxLayout, GlyphPlacement) {
    struct Case {
        TLeftRight alignment;
        int width, height, numGlyphs;
        bool enabled;
        GlyphPlacement expected;
    };
    const Case cases[] = {
        // Client 97 x 17 throughout.
        {taLeftJustify, 19, 14, 1, true, {78, 1, 0, 19, 14}},
        {taRightJustify, 24, 12, 1, false, {0, 2, 0, 24, 12}},  // one image serves both states
        {taLeftJustify, 36, 12, 2, false, {79, 2, 18, 18, 12}}, // disabled image on the right
        {taRightJustify, 20, 20, 1, true, {0, -1, 0, 20, 20}},  // (17 - 20) / 2 toward zero
        {taRightJustify, 24, 12, 0, true, {0, 2, 0, 24, 12}},   // a bad count reads as 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceGlyph(c.alignment, 97, 17, c.width, c.height, c.numGlyphs, c.enabled), c.expected)
            << c.width << " x " << c.height << " / " << c.numGlyphs;
}

} // namespace
} // namespace ui
