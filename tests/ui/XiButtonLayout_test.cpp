#include "ui/XiButtonLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

using namespace ui::xibutton;
using Layout = TButtonLayout;

TEST(XiButtonLayout, PlacesCaptionAndGlyph) {
    struct Case {
        const char* what;
        Layout layout;
        std::function<void(LayoutInput&)> change;
        int textX, textY, glyphX, glyphY;
    };
    const auto same = [](LayoutInput&) {};
    // A 75 x 25 button, a 30 x 13 caption, a 15 x 11 glyph 5 pixels away.
    const Case cases[] = {
        {"left", Layout::blGlyphLeft, same, 31, 6, 12, 7},
        {"right", Layout::blGlyphRight, same, 13, 6, 48, 7},
        {"top", Layout::blGlyphTop, same, 22, 13, 30, -3},
        {"bottom", Layout::blGlyphBottom, same, 22, -1, 30, 17},
        {"no caption: no spacing", Layout::blGlyphLeft,
         [](LayoutInput& in) { in.hasCaption = false, in.textWidth = 0; }, 44, 6, 30, 7},
        {"pressed", Layout::blGlyphLeft, [](LayoutInput& in) { in.down = true; }, 32, 7, 13, 8},
        // -3 div 2 and -3 mod 2 are both -1; (25 - 30) div 2 is -2: toward zero.
        {"negative odd spacing", Layout::blGlyphLeft, [](LayoutInput& in) { in.spacing = -3; }, 28, 6, 17, 7},
        {"glyph taller than the button", Layout::blGlyphLeft, [](LayoutInput& in) { in.glyphHeight = 30; },
         31, 6, 12, -2},
        {"no glyph, caption wider than the button", Layout::blGlyphLeft,
         [](LayoutInput& in) { in.width = 20, in.textWidth = 25, in.glyphWidth = 0; }, -2, 6, 0, 0},
        {"no glyph, pressed", Layout::blGlyphTop, [](LayoutInput& in) { in.glyphHeight = 0, in.down = true; },
         23, 7, 0, 0},
    };
    for (const Case& c : cases) {
        LayoutInput in;
        in.width = 75, in.height = 25, in.textWidth = 30, in.textHeight = 13;
        in.glyphWidth = 15, in.glyphHeight = 11, in.spacing = 5, in.hasCaption = true;
        in.layout = c.layout;
        c.change(in);
        const Placement p = PlaceCaptionAndGlyph(in);
        EXPECT_EQ((std::array<int, 4>{p.textX, p.textY, p.glyphX, p.glyphY}),
                  (std::array<int, 4>{c.textX, c.textY, c.glyphX, c.glyphY}))
            << c.what;
    }
}

} // namespace
