#include "TileFit.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using tiletool::FitToTile;
using tiletool::Picture;

struct Rgba {
    int r, g, b, a = 255;
};

// A picture drawn by a function of (x, y).
struct Drawn {
    Drawn(int w, int h, const std::function<Rgba(int, int)>& draw) : width(w), height(h) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Rgba p = draw(x, y);
                bytes.insert(bytes.end(),
                             {std::uint8_t(p.b), std::uint8_t(p.g), std::uint8_t(p.r), std::uint8_t(p.a)});
            }
    }
    Picture View() const { return Picture{width, height, bytes}; }
    int width, height;
    std::vector<std::uint8_t> bytes;
};

std::array<int, 3> TileAt(const ui::skin::Tile& tile, int column, int row) {
    const std::size_t at = ui::skin::TileOffset(column, row);
    return {tile[at], tile[at + 1], tile[at + 2]};
}

TEST(TileFit, ATileSizedPictureIsStoredColumnByColumn) {
    const Drawn picture(128, 128, [](int x, int y) { return Rgba{x, y, 255 - x}; });
    const auto tile = FitToTile(picture.View());
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {127, 5}, {64, 127}})
        EXPECT_EQ(TileAt(tile, x, y), (std::array{x, y, 255 - x})) << x << ", " << y;
    EXPECT_EQ(tile[3], 0) << "the second pixel in the file is column 0, row 1";
    EXPECT_EQ(tile[4], 1);
}

TEST(TileFit, ALargerPictureIsCroppedToItsCentreAndAveraged) {
    // 512 x 256: the centre square starts at x = 128; 2 x 2 blocks of 0 and 200 average to 100.
    const Drawn picture(512, 256, [](int x, int y) {
        if (x < 128 || x >= 384) return Rgba{255, 0, 0};
        const int v = (x + y) % 2 ? 200 : 0;
        return Rgba{v, v, v};
    });
    const auto tile = FitToTile(picture.View());
    for (const auto& [x, y] : {std::pair{0, 0}, {127, 127}, {50, 70}})
        EXPECT_EQ(TileAt(tile, x, y), (std::array{100, 100, 100})) << x << ", " << y;
}

TEST(TileFit, ASmallerPictureIsSpreadSmoothly) {
    const Drawn uniform(16, 40, [](int, int) { return Rgba{10, 20, 30}; });
    const auto flat = FitToTile(uniform.View());
    for (const auto& [x, y] : {std::pair{0, 0}, {127, 127}, {63, 64}})
        EXPECT_EQ(TileAt(flat, x, y), (std::array{10, 20, 30}));

    const Drawn halves(2, 2, [](int x, int) { return x == 0 ? Rgba{0, 0, 0} : Rgba{255, 255, 255}; });
    const auto ramp = FitToTile(halves.View());
    EXPECT_EQ(TileAt(ramp, 0, 0)[0], 0);
    EXPECT_EQ(TileAt(ramp, 127, 0)[0], 255);
    for (int x = 1; x < 128; ++x) EXPECT_GE(TileAt(ramp, x, 9)[0], TileAt(ramp, x - 1, 9)[0]) << x;
}

TEST(TileFit, SeeThroughPixelsLieOverWhite) {
    const Drawn picture(128, 128, [](int x, int) {
        return x < 64 ? Rgba{0, 0, 0, 0} : Rgba{0, 100, 0, 128};
    });
    const auto tile = FitToTile(picture.View());
    EXPECT_EQ(TileAt(tile, 0, 0), (std::array{255, 255, 255}));
    EXPECT_EQ(TileAt(tile, 100, 0), (std::array{127, 177, 127}));
}

TEST(TileFit, AnEmptyOrShortPictureGivesWhite) {
    const std::vector<std::uint8_t> few(10, 0);
    for (const Picture& p : {Picture{}, Picture{4, 4, few}, Picture{-3, 5, few}}) {
        const auto tile = FitToTile(p);
        EXPECT_EQ(TileAt(tile, 9, 9), (std::array{255, 255, 255}));
    }
}

} // namespace
