#include "ui/XiButtonSchemes.h"

#include <gtest/gtest.h>

namespace {

using namespace ui::xibutton;

// Every system colour index reads as a colour of its own.
tk::TColor FakeSysColor(int index) { return tk::RGBColor(0x10, 0x20, static_cast<std::uint8_t>(index)); }

TEST(XiButtonSchemes, TablesGiveEachSchemeItsColours) {
    struct Cell {
        TColorScheme scheme;
        ColorProperty property;
        tk::TColor expected;
    };
    // Corners of both tables, cells where rows or columns are easily swapped,
    // and the Down edges whose light and dark trade places.
    const Cell cells[] = {
        {TColorScheme::csNeoDesert, ColorFace, 0xC6ECFF},
        {TColorScheme::csNeoDesert, DownColorLight, 0x0077B7},
        {TColorScheme::csNeoDesert, DownColorDark, 0x8AD9FF},
        {TColorScheme::csNeoSky, OverColorGrad, 0xFFA346},
        {TColorScheme::csNeoGrass, OverColorBorder, 0x17793D},
        {TColorScheme::csNeoSilver, ColorFocusRect, 0xADADAD},
        {TColorScheme::csNeoRose, DownColorGrad, 0xB9B9FF},
        {TColorScheme::csNeoSun, ColorGrad, 0x20D8F9},
        {TColorScheme::csNeoSun, DisabledColorDark, 0xD2D2D2},
        {TColorScheme::csNeoSun, ColorFocusRect, 0x00BBBB},
        {TColorScheme::csDesert, ColorFace, 0x95DDFF},
        {TColorScheme::csGrass, ColorFocusRect, 0x00A421},
        {TColorScheme::csSky, DownColorLight, 0xFF9122},
        {TColorScheme::csSun, DownColorFace, 0x22EEFF},
        {TColorScheme::csRose, DownColorDark, 0x8888FF},
        {TColorScheme::csSilver, OverColorDark, 0x797979},
        {TColorScheme::csSilver, DisabledColorBorder, 0xC4C4C4},
        {TColorScheme::csSilver, ColorFocusRect, 0x8A8A8A},
    };
    for (const Cell& cell : cells) {
        const auto assignment = SchemeFor(cell.scheme, FakeSysColor);
        ASSERT_TRUE(assignment.has_value());
        EXPECT_EQ(assignment->colors[cell.property].value_or(~0u), cell.expected)
            << "scheme " << int(cell.scheme) << " property " << cell.property;
    }
}

TEST(XiButtonSchemes, FlatSchemesLeaveTheGradientEndsAlone) {
    for (int s = int(TColorScheme::csNeoDesert); s <= int(TColorScheme::csSilver); ++s) {
        const auto assignment = SchemeFor(TColorScheme(s), FakeSysColor);
        ASSERT_TRUE(assignment.has_value()) << s;
        const bool flat = s >= int(TColorScheme::csDesert);
        EXPECT_EQ(assignment->gradient, !flat) << s;
        for (int p = 0; p < ColorPropertyCount; ++p) {
            const bool end =
                p == ColorGrad || p == OverColorGrad || p == DownColorGrad || p == DisabledColorGrad;
            EXPECT_EQ(assignment->colors[p].has_value(), !(flat && end)) << s << " " << p;
        }
    }
}

TEST(XiButtonSchemes, SystemSchemeReadsTheSystemColours) {
    enum : int {
        ActiveBorder = 10,
        InactiveBorder = 11,
        Face = 15,
        Shadow = 16,
        Gray = 17,
        Text = 18,
        Hi = 20
    };
    const int expected[ColorPropertyCount] = {
        Face, Shadow,       Shadow, Hi,   ActiveBorder,   Text,   Hi,           Face,         Face,
        Hi,   ActiveBorder, Text,   Face, Shadow,         Shadow, Hi,           ActiveBorder, Text,
        Face, Face,         Shadow, Hi,   InactiveBorder, Gray,   ActiveBorder,
    };
    const auto assignment = SchemeFor(TColorScheme::csSystem, FakeSysColor);
    ASSERT_TRUE(assignment.has_value());
    EXPECT_TRUE(assignment->gradient);
    for (int p = 0; p < ColorPropertyCount; ++p)
        EXPECT_EQ(assignment->colors[p].value_or(~0u), FakeSysColor(expected[p])) << p;
}

TEST(XiButtonSchemes, CustomAndUnknownSchemesAssignNothing) {
    int reads = 0;
    const SysColorReader counting = [&](int index) { return ++reads, FakeSysColor(index); };
    for (int s : {int(TColorScheme::csCustom), 14, 255})
        EXPECT_FALSE(SchemeFor(TColorScheme(s), counting).has_value()) << s;
    EXPECT_EQ(reads, 0);
    EXPECT_FALSE(SchemeFor(TColorScheme::csSystem, SysColorReader{}).has_value());
}

} // namespace
