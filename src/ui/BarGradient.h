#pragma once
// The arithmetic of the gradient bar: which lines a gradient is drawn with, and
// how far the filled part reaches. Pure, so the Windows side only draws.
#include <optional>
#include <vector>

#include "toolkit/Color.h"

namespace ui::xibar {

enum class GradientDirection {
    VerticalLines = 0,   // the colour changes from left to right
    HorizontalLines = 1, // the colour changes from top to bottom
    DiagonalLines = 2,
};

struct GradientRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// A line from (x1, y1) to (x2, y2), end point excluded, in one colour.
struct GradientLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    tk::TColor color = tk::clBlack;

    friend bool operator==(const GradientLine&, const GradientLine&) = default;
};

// Lines that paint a gradient from start to end over the rectangle; only the low
// three bytes of the colours count. Line i sits at position i counted from 0 (not
// from the rectangle's left or top) and reaches across from left to left + right
// (or top to top + bottom): the bar's paint relies on exactly this geometry. A
// direction outside the enumeration draws nothing, and so does a rectangle whose
// extent along the gradient is negative; an extent of 0 gives one line in the
// start colour. The result has extent + 1 lines, so keep rectangles to the
// surface they are drawn on.
std::vector<GradientLine> GradientLines(const GradientRect& rect, tk::TColor start, tk::TColor end,
                                        GradientDirection direction);

// Right edge of the filled part of a horizontal bar of the given width; nothing
// when the range is empty. Positions beyond the range are allowed: the result is
// then limited to [-1, width], which paints the same as the unlimited value.
std::optional<int> HorizontalFill(int width, int position, int min, int max);

// Top edge of the filled part of a vertical bar of the given height; nothing when
// the range is empty. Limited to [0, height]: a position past Max fills the whole
// bar, as in a horizontal bar, and one below Min leaves it empty.
std::optional<int> VerticalFillTop(int height, int position, int min, int max);

} // namespace ui::xibar
