#pragma once
// Arithmetic of the bitmap check box: its states, how many images a picture
// holds, and where the caption and the picture go. No window needed.
#include <cstdint>
#include <optional>

namespace ui {

// Which side the caption is on: taRightJustify puts the picture at the left
// and the caption to its right, taLeftJustify the caption at the left and the
// picture at the right edge.
enum TLeftRight : std::uint8_t { taLeftJustify, taRightJustify };

// Values match BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE.
enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };

// A picture holds one image, or two side by side: enabled left, disabled right.
constexpr int kMinNumGlyphs = 1;
constexpr int kMaxNumGlyphs = 2;

int ClampNumGlyphs(int count);

// The image count a picture implies: width div height when the width is a
// whole multiple of the height. None for a picture without height, and none
// when the width does not divide, so a count set by hand stays.
std::optional<int> NumGlyphsOf(int width, int height);

// What a click makes of a state.
TCheckBoxState NextState(TCheckBoxState state, bool allowGrayed);

struct LayoutRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const LayoutRect&) const = default;
};

// Measurements of the caption in the control's font. The width is that of the
// caption as written, accelerator mark included.
struct CaptionMetrics {
    int textWidth = 0;
    int textHeight = 0;
    bool hasAmpersand = false;
    int ampersandWidth = 0;
};

// The caption's rectangle (also the one the focus rectangle surrounds), cut
// to the client area; all zero when nothing of it is inside.
LayoutRect CaptionRect(TLeftRight alignment, int glyphWidth, int clientWidth, int clientHeight,
                       const CaptionMetrics& caption);

// Where one image of a picture goes and which part of the picture it is.
struct GlyphPlacement {
    int destX = 0, destY = 0;
    int sourceX = 0;
    int width = 0, height = 0;
    bool operator==(const GlyphPlacement&) const = default;
};

GlyphPlacement PlaceGlyph(TLeftRight alignment, int clientWidth, int clientHeight, int pictureWidth,
                          int pictureHeight, int numGlyphs, bool enabled);

} // namespace ui
