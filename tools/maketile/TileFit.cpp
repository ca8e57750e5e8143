#include "TileFit.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tiletool {

namespace {

using ui::skin::kTileChannels;
using ui::skin::kTileSide;
using ui::skin::Tile;

constexpr int kBgraBytes = 4;
constexpr int kAlpha = 3;
constexpr double kOpaque = 255.0;

using Rgb = std::array<double, kTileChannels>;

class Square {
public:
    explicit Square(const Picture& p)
        : picture_(p),
          side_(std::min(p.width, p.height)),
          left_((p.width - side_) / 2),
          top_((p.height - side_) / 2) {}

    int Side() const { return side_; }

    // The pixel at (x, y) of the square, laid over white.
    Rgb At(int x, int y) const {
        const std::size_t at = (std::size_t(top_ + y) * picture_.width + std::size_t(left_ + x)) * kBgraBytes;
        const double alpha = picture_.bgra[at + kAlpha] / kOpaque;
        Rgb rgb{};
        for (int c = 0; c < kTileChannels; ++c) {
            // Red, green, blue come in the reverse order of the picture's bytes.
            const double value = picture_.bgra[at + std::size_t(kTileChannels - 1 - c)];
            rgb[std::size_t(c)] = alpha * value + (1.0 - alpha) * kOpaque;
        }
        return rgb;
    }

private:
    const Picture& picture_;
    int side_, left_, top_;
};

// The mean of the square's pixels that fall on tile pixel (column, row).
Rgb Average(const Square& square, int column, int row) {
    const int s = square.Side();
    const int x0 = column * s / kTileSide, x1 = std::max(x0 + 1, (column + 1) * s / kTileSide);
    const int y0 = row * s / kTileSide, y1 = std::max(y0 + 1, (row + 1) * s / kTileSide);
    Rgb sum{};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgb p = square.At(x, y);
            for (std::size_t c = 0; c < sum.size(); ++c) sum[c] += p[c];
        }
    const double count = double(x1 - x0) * (y1 - y0);
    for (double& v : sum) v /= count;
    return sum;
}

// Bilinear between the square's pixel centres, for squares under tile size.
Rgb Spread(const Square& square, int column, int row) {
    const int s = square.Side();
    const double scale = double(s) / kTileSide;
    const double fx = std::clamp((column + 0.5) * scale - 0.5, 0.0, double(s - 1));
    const double fy = std::clamp((row + 0.5) * scale - 0.5, 0.0, double(s - 1));
    const int x0 = int(fx), y0 = int(fy);
    const int x1 = std::min(x0 + 1, s - 1), y1 = std::min(y0 + 1, s - 1);
    const double tx = fx - x0, ty = fy - y0;
    const Rgb a = square.At(x0, y0), b = square.At(x1, y0), c = square.At(x0, y1), d = square.At(x1, y1);
    Rgb out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = (a[i] * (1 - tx) + b[i] * tx) * (1 - ty) + (c[i] * (1 - tx) + d[i] * tx) * ty;
    return out;
}

} // namespace

Tile FitToTile(const Picture& picture) {
    Tile tile;
    tile.fill(0xFF);
    const bool complete = picture.width > 0 && picture.height > 0 &&
                          picture.bgra.size() >= std::size_t(picture.width) * picture.height * kBgraBytes;
    if (!complete) return tile;
    const Square square(picture);
    for (int column = 0; column < kTileSide; ++column)
        for (int row = 0; row < kTileSide; ++row) {
            const Rgb rgb =
                square.Side() >= kTileSide ? Average(square, column, row) : Spread(square, column, row);
            const std::size_t at = ui::skin::TileOffset(column, row);
            for (std::size_t c = 0; c < rgb.size(); ++c)
                tile[at + c] = static_cast<std::uint8_t>(std::clamp(std::lround(rgb[c]), 0L, 255L));
        }
    return tile;
}

} // namespace tiletool
