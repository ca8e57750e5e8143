#include "ui/XiProgressBarSchemes.h"

#include <gtest/gtest.h>

namespace ui::xibar {
namespace {

using tk::RGBColor;

// Answers with the index in every byte, so each system colour is recognisable.
tk::TColor FakeSysColor(int index) {
    const auto b = static_cast<std::uint8_t>(index);
    return RGBColor(b, b, b);
}

TEST(XiProgressBarSchemes, FixedSchemesInOrdinalOrder) {
    const struct {
        TColorScheme scheme;
        BarColors colors;
    } cases[] = {
        {TColorScheme::csDesert,
         {RGBColor(128, 86, 0), RGBColor(255, 236, 198), RGBColor(255, 255, 255), RGBColor(255, 222, 155),
          RGBColor(183, 123, 0)}},
        {TColorScheme::csSky,
         {RGBColor(0, 89, 179), RGBColor(213, 234, 255), RGBColor(255, 255, 255), RGBColor(221, 238, 255),
          RGBColor(94, 174, 255)}},
        {TColorScheme::csToxic,
         {RGBColor(0, 0, 0), RGBColor(86, 86, 44), RGBColor(123, 123, 62), RGBColor(222, 222, 188),
          RGBColor(142, 142, 70)}},
    };
    for (const auto& t : cases)
        EXPECT_EQ(SchemeColors(t.scheme, FakeSysColor), t.colors) << static_cast<int>(t.scheme);
}

TEST(XiProgressBarSchemes, SystemSchemeReadsButtonColours) {
    // Button text 18, shadow 16, highlight 20.
    const BarColors expected{RGBColor(18, 18, 18), RGBColor(16, 16, 16), RGBColor(18, 18, 18),
                             RGBColor(20, 20, 20), RGBColor(16, 16, 16)};
    EXPECT_EQ(SchemeColors(TColorScheme::csSystem, FakeSysColor), expected);
}

TEST(XiProgressBarSchemes, CustomAndUnknownSchemesHaveNoColours) {
    EXPECT_EQ(SchemeColors(TColorScheme::csCustom, FakeSysColor), std::nullopt);
    EXPECT_EQ(SchemeColors(TColorScheme(kSchemeCount), FakeSysColor), std::nullopt);
    EXPECT_EQ(SchemeColors(TColorScheme(-1), FakeSysColor), std::nullopt);
}

} // namespace
} // namespace ui::xibar
