#include "ui/CheckBoxLayout.h"

#include <algorithm>

namespace ui {

namespace {
// Gaps around the caption, in pixels.
constexpr int kCaptionLeftOfPicture = 1; // caption at the left edge
constexpr int kCaptionAfterPicture = 4;  // caption right of the picture
constexpr int kCaptionRaise = 2;         // above the centred text
constexpr int kCaptionExtraHeight = 3;   // room below for the underline and focus dots
} // namespace

int ClampNumGlyphs(int count) { return std::clamp(count, kMinNumGlyphs, kMaxNumGlyphs); }

std::optional<int> NumGlyphsOf(int width, int height) {
    if (height <= 0 || width < 0 || width % height != 0) return std::nullopt;
    return width / height;
}

TCheckBoxState NextState(TCheckBoxState state, bool allowGrayed) {
    switch (state) {
    case cbUnchecked: return allowGrayed ? cbGrayed : cbChecked;
    case cbChecked: return cbUnchecked;
    case cbGrayed: break;
    }
    return cbChecked;
}

LayoutRect CaptionRect(TLeftRight alignment, int glyphWidth, int clientWidth, int clientHeight,
                       const CaptionMetrics& caption) {
    LayoutRect r;
    r.left = alignment == taLeftJustify ? kCaptionLeftOfPicture : glyphWidth + kCaptionAfterPicture;
    // The "&" is measured but not drawn.
    r.right = r.left + caption.textWidth - (caption.hasAmpersand ? caption.ampersandWidth : 0);
    // Integer division truncates toward zero, also for text taller than the control.
    r.top = (clientHeight - caption.textHeight) / 2 - kCaptionRaise;
    r.bottom = r.top + caption.textHeight + kCaptionExtraHeight;

    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, clientWidth);
    r.bottom = std::min(r.bottom, clientHeight);
    if (r.left >= r.right || r.top >= r.bottom) return {};
    return r;
}

GlyphPlacement PlaceGlyph(TLeftRight alignment, int clientWidth, int clientHeight, int pictureWidth,
                          int pictureHeight, int numGlyphs, bool enabled) {
    const int count = ClampNumGlyphs(numGlyphs);
    GlyphPlacement p;
    p.width = pictureWidth / count;
    p.height = pictureHeight;
    p.destX = alignment == taLeftJustify ? clientWidth - p.width : 0;
    p.destY = (clientHeight - pictureHeight) / 2;
    p.sourceX = !enabled && count == kMaxNumGlyphs ? p.width : 0;
    return p;
}

} // namespace ui
