#include "ui/XiButtonLayout.h"

namespace ui::xibutton {

Placement PlaceCaptionAndGlyph(const LayoutInput& in) {
    Placement p;
    p.textX = (in.width - in.textWidth) / 2;
    p.textY = (in.height - in.textHeight) / 2;
    const bool hasGlyph = in.glyphWidth > 0 && in.glyphHeight > 0;
    if (hasGlyph) {
        const int gw = in.glyphWidth, gh = in.glyphHeight, s = in.spacing;
        // The part of the spacing on the glyph's side, and on the caption's.
        const int glyphShare = in.hasCaption ? s / 2 + s % 2 : 0;
        const int textShare = in.hasCaption ? s / 2 : 0;
        switch (in.layout) {
        case TButtonLayout::blGlyphLeft:
            p.glyphY = (in.height - gh) / 2;
            p.glyphX = p.textX - gw / 2 - glyphShare;
            p.textX += gw / 2 + textShare;
            break;
        case TButtonLayout::blGlyphRight:
            p.glyphY = (in.height - gh) / 2;
            p.glyphX = p.textX + in.textWidth - gw / 2 + glyphShare;
            p.textX -= gw / 2 + textShare;
            break;
        case TButtonLayout::blGlyphTop:
            p.glyphX = (in.width - gw) / 2;
            p.glyphY = p.textY - gh / 2 - gh % 2 - glyphShare;
            p.textY += gh / 2 + textShare;
            break;
        case TButtonLayout::blGlyphBottom:
            p.glyphX = (in.width - gw) / 2;
            p.glyphY = p.textY + in.textHeight - gh / 2 + glyphShare;
            p.textY -= gh / 2 + textShare;
            break;
        }
        if (in.down) {
            ++p.glyphX;
            ++p.glyphY;
        }
    }
    if (in.down) {
        ++p.textX;
        ++p.textY;
    }
    return p;
}

} // namespace ui::xibutton
