#pragma once
// Where the gradient button puts its caption and glyph.
#include <cstdint>

namespace ui::xibutton {

// Glyph position relative to the caption (ordinals as stored in form files).
enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct LayoutInput {
    int width = 0, height = 0;           // the button
    int textWidth = 0, textHeight = 0;   // the whole caption as measured
    int glyphWidth = 0, glyphHeight = 0; // zero: no glyph
    int spacing = 0;                     // between glyph and caption
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    bool hasCaption = false;
    bool down = false; // pressed: everything moves by one pixel
};

struct Placement {
    int textX = 0, textY = 0;   // top-left of the caption rectangle
    int glyphX = 0, glyphY = 0; // top-left of the glyph (meaningless without one)
};

// Centres the caption, then moves caption and glyph apart by half the glyph
// and the spacing each. Halves truncate toward zero, odd remainders go to the
// glyph's side.
Placement PlaceCaptionAndGlyph(const LayoutInput& in);

} // namespace ui::xibutton
