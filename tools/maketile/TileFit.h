#pragma once
// Turns a picture of any size into a background tile: the largest centred
// square, scaled to 128 x 128, stored column by column.
#include <cstdint>
#include <span>

#include "ui/SkinCore.h"

namespace tiletool {

// Rows from the top, each `width` pixels of blue, green, red and alpha bytes
// (alpha not premultiplied).
struct Picture {
    int width = 0;
    int height = 0;
    std::span<const std::uint8_t> bgra;
};

// A larger square is averaged down, a smaller one spread up smoothly;
// see-through pixels are laid over white. An empty picture gives a white tile.
ui::skin::Tile FitToTile(const Picture& picture);

} // namespace tiletool
