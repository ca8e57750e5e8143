#include "ui/SkinCore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace ui::skin;
using ButtonScheme = ui::xibutton::TColorScheme;
using BarScheme = ui::xibar::TColorScheme;

constexpr std::uint32_t kFace = 0x00D8E9EC; // (236, 233, 216) as 0x00BBGGRR
constexpr std::uint32_t kFourthByte = 0xAB000000u;

Tile FilledTile(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    Tile tile{};
    for (std::size_t i = 0; i < kTileBytes; i += kTileChannels) {
        tile[i] = r;
        tile[i + 1] = g;
        tile[i + 2] = b;
    }
    return tile;
}

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb RgbOf(std::uint32_t pixel) {
    return {int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF)};
}

// A window's pixels, all starting with a marked fourth byte.
struct Window {
    Window(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h, kFourthByte) {}
    void Blend(const BlendInput& in) { BlendPixels(in, pixels.data(), width, height, width); }
    Rgb At(int x, int y) const { return RgbOf(pixels[std::size_t(y) * width + x]); }
    int width, height;
    std::vector<std::uint32_t> pixels;
};

BlendInput Levels(const Tile& tile, float l1, float l2, float l3) {
    BlendInput in;
    in.tile = &tile;
    in.faceColor = kFace;
    in.level1 = l1;
    in.level2 = l2;
    in.level3 = l3;
    return in;
}

TEST(SkinBlend, WorkedExamplesCutTowardZero) {
    struct Case {
        Rgb tile;
        float level;
        Rgb expected;
    };
    const Case cases[] = {
        {{0, 64, 128}, 0.45f, {106, 140, 167}},      {{255, 255, 255}, 0.85f, {238, 236, 221}},
        {{0, 64, 128}, 0.0f, {0, 64, 128}},          // the tile unchanged
        {{0, 64, 128}, 1.0f, {236, 233, 216}},       // plain button face
        {{10, 20, 30}, 7.5f, {236, 233, 216}},       // above 1 is held at 1
        {{10, 20, 30}, -2.0f, {10, 20, 30}},         // below 0 is held at 0
        {{10, 20, 30}, std::nanf(""), {10, 20, 30}}, // not a number reads as 0
    };
    for (const Case& c : cases) {
        const Tile tile = FilledTile(std::uint8_t(c.tile.r), std::uint8_t(c.tile.g), std::uint8_t(c.tile.b));
        Window w(3, 2);
        w.Blend(Levels(tile, 0.1f, 0.2f, c.level));
        EXPECT_EQ(w.At(2, 1), c.expected) << "tile " << c.tile << " level " << c.level;
        EXPECT_EQ(w.pixels[5] & 0xFF000000u, kFourthByte) << "the fourth byte stays";
    }
}

TEST(SkinBlend, LevelOneWinsOverTwoAndFramesExcludeTheirEdges) {
    const Tile tile = FilledTile(0, 0, 0);
    // Levels chosen so that each gives a different red: 236 * L.
    const BlendInput base = Levels(tile, 1.0f, 0.5f, 0.0f);
    const LevelRect outer{2, 2, 10, 10};
    const LevelRect inner{4, 4, 4, 4};
    BlendInput in = base;
    in.level1Rects = std::span(&inner, 1);
    in.level2Rects = std::span(&outer, 1);
    Window w(14, 14);
    w.Blend(in);
    constexpr int kOut = 0, kTwo = 118, kOne = 236;
    const std::map<std::pair<int, int>, int> expected{
        {{2, 5}, kOut},  {{5, 2}, kOut},  {{3, 5}, kTwo},  {{5, 3}, kTwo}, // frame's left column and top row
        {{11, 5}, kTwo}, {{12, 5}, kOut}, {{5, 11}, kTwo}, {{5, 12}, kOut}, {{4, 5}, kTwo},
        {{5, 5}, kOne},  {{7, 7}, kOne},  {{8, 7}, kTwo},  {{7, 8}, kTwo},
    };
    for (const auto& [point, red] : expected)
        EXPECT_EQ(w.At(point.first, point.second).r, red) << "at " << point.first << ", " << point.second;
}

TEST(SkinBlend, TheTileRepeatsAndIsReadColumnByColumn) {
    Tile tile{};
    for (std::size_t i = 0; i < kTileBytes; ++i) tile[i] = std::uint8_t(i * 7 + i / 251);
    Window w(300, 260);
    w.Blend(Levels(tile, 0, 0, 0));
    for (const auto& [x, y] : {std::pair{0, 0}, {5, 1}, {127, 127}, {130, 3}, {299, 259}}) {
        const std::size_t at = (std::size_t(x % 128) * 128 + std::size_t(y % 128)) * 3;
        EXPECT_EQ(w.At(x, y), (Rgb{tile[at], tile[at + 1], tile[at + 2]})) << x << ", " << y;
        EXPECT_EQ(w.At(x, y), w.At(x % 128, y % 128));
    }
    EXPECT_EQ(w.At(1, 0), (Rgb{tile[384], tile[385], tile[386]})) << "the next column is 128 pixels on";
}

// The per-pixel rule written plainly, against the row-wise blend.
Rgb ReferencePixel(const BlendInput& in, int x, int y) {
    float level = in.level3;
    for (const LevelRect& r : in.level2Rects)
        if (PointInRect(x, y, r.left, r.top, r.width, r.height)) level = in.level2;
    for (const LevelRect& r : in.level1Rects)
        if (PointInRect(x, y, r.left, r.top, r.width, r.height)) level = in.level1;
    const double l = level;
    const std::uint8_t* t = in.tile->data() + TileOffset(x, y);
    auto channel = [&](int tileValue, int face) { return int(std::trunc((1 - l) * tileValue + l * face)); };
    return {channel(t[0], 236), channel(t[1], 233), channel(t[2], 216)};
}

TEST(SkinBlend, MatchesThePerPixelRuleForRandomFrames) {
    std::mt19937 random(11);
    Tile tile{};
    for (auto& b : tile) b = std::uint8_t(random());
    std::uniform_int_distribution<int> coordinate(-20, 140), size(-5, 90);
    for (int round = 0; round < 20; ++round) {
        std::vector<LevelRect> ones(2), twos(5);
        for (auto* list : {&ones, &twos})
            for (LevelRect& r : *list)
                r = {coordinate(random), coordinate(random), size(random), size(random)};
        BlendInput in = Levels(tile, 0.93f, 0.61f, 0.27f);
        in.level1Rects = ones;
        in.level2Rects = twos;
        Window w(137, 129);
        w.Blend(in);
        for (int y = 0; y < w.height; ++y)
            for (int x = 0; x < w.width; ++x)
                ASSERT_EQ(w.At(x, y), ReferencePixel(in, x, y))
                    << "round " << round << " at " << x << ", " << y;
    }
}

TEST(SkinBlend, FarAwayFramesAndEmptyInputsAreHarmless) {
    const Tile tile = FilledTile(0, 0, 0);
    const LevelRect huge{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647};
    const LevelRect edge{2147483600, 2147483600, 2147483647, 2147483647};
    const LevelRect both[] = {huge, edge};
    BlendInput in = Levels(tile, 1.0f, 1.0f, 0.0f);
    in.level1Rects = both;
    Window w(4, 4);
    w.Blend(in);
    EXPECT_EQ(w.At(3, 3).r, 0) << "a frame ending at -1 holds no pixel";
    BlendInput none;
    w.Blend(none); // no tile: nothing written
    EXPECT_EQ(w.At(3, 3).r, 0);
}

TEST(PointInRect, AllFourEdgesAreOutside) {
    const std::tuple<int, int, bool> cases[] = {
        {16, 50, false},  {17, 50, true},  {248, 50, true}, {249, 50, false},
        {100, 32, false}, {100, 33, true}, {100, 96, true}, {100, 97, false},
    };
    for (const auto& [x, y, inside] : cases)
        EXPECT_EQ(PointInRect(x, y, 16, 32, 233, 65), inside) << x << ", " << y;
    EXPECT_FALSE(PointInRect(5, 5, 0, 0, 0, 10)) << "no width, no inside";
    EXPECT_TRUE(PointInRect(2147483647, 0, 2147483600, -1, 2147483647, 2))
        << "the far edge does not wrap around";
}

TEST(SkinValues, LevelsAreFullStopDecimalsHeldBetweenZeroAndOne) {
    const std::pair<std::string, float> cases[] = {
        {"0.85", 0.85f}, {"8.5E-1", 0.85f}, {"+0.5", 0.5f},   {"1", 1.0f},    {"0", 0.0f},
        {"", 0.0f},      {"abc", 0.0f},     {"0,85", 0.0f},   {"1.5", 1.0f},  {"-0.2", 0.0f},
        {"1e999", 0.0f}, {"1e30", 1.0f},    {"0.85x", 0.85f}, {" 0.4", 0.4f},
    };
    for (const auto& [text, level] : cases) EXPECT_EQ(ParseLevel(text), level) << '"' << text << '"';
}

TEST(SkinValues, StylesAreIntegersWithHexadecimalPrefixes) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"7", 7}, {"0x0C", 12}, {"$b", 11}, {"-1", -1},         {"", 0},
        {"x", 0}, {"7a", 0},    {"3.0", 0}, {"99999999999", 0}, {"$FFFFFFFF", -1},
    };
    for (const auto& [text, style] : cases) EXPECT_EQ(ParseStyle(text), style) << '"' << text << '"';
}

TEST(SkinValues, StyleNumbersGiveTheirSchemes) {
    const std::tuple<std::int32_t, ButtonScheme, BarScheme> cases[] = {
        {1, ButtonScheme::csDesert, BarScheme::csDesert},
        {2, ButtonScheme::csGrass, BarScheme::csGrass},
        {3, ButtonScheme::csSilver, BarScheme::csSilver},
        {4, ButtonScheme::csSky, BarScheme::csSky},
        {5, ButtonScheme::csRose, BarScheme::csRose},
        {6, ButtonScheme::csSun, BarScheme::csSun},
        {7, ButtonScheme::csNeoGrass, BarScheme::csHackers},
        {8, ButtonScheme::csNeoSky, BarScheme::csNight},
        {9, ButtonScheme::csNeoRose, BarScheme::csVelvet},
        {10, ButtonScheme::csNeoSilver, BarScheme::csMetal},
        {11, ButtonScheme::csNeoSun, BarScheme::csViolet},
        {12, ButtonScheme::csNeoDesert, BarScheme::csToxic},
        {0, ButtonScheme::csSystem, BarScheme::csSystem},
        {13, ButtonScheme::csSystem, BarScheme::csSystem},
        {-1, ButtonScheme::csSystem, BarScheme::csSystem},
        {-2147483647 - 1, ButtonScheme::csSystem, BarScheme::csSystem},
    };
    for (const auto& [style, button, bar] : cases) {
        EXPECT_EQ(ButtonSchemeFor(style), button) << "style " << style;
        EXPECT_EQ(BarSchemeFor(style), bar) << "style " << style;
    }
}

TEST(SkinValues, OnlyPlainFilesAreTaken) {
    const std::pair<std::uint32_t, bool> cases[] = {
        {0x00, true},  {0x20, true},  {0x21, false},  {0x22, false},   {0x24, false},
        {0x10, false}, {0x80, false}, {0x820, false}, {0x2020, false},
    };
    for (const auto& [attributes, taken] : cases) EXPECT_EQ(TakesSkinFile(attributes), taken) << attributes;
}

// A skin file as a map; records the order of the reads.
class MapSkinFile : public ISkinFile {
public:
    explicit MapSkinFile(std::map<std::string, std::string> values) : values_(std::move(values)) {}
    std::string Read(const char* section, const char* key, const char* defaultValue) override {
        const std::string name = std::string(section) + "/" + key;
        reads.push_back(name);
        const auto it = values_.find(name);
        return it == values_.end() ? defaultValue : it->second;
    }
    std::vector<std::string> reads;

private:
    std::map<std::string, std::string> values_;
};

TEST(SkinValues, AKeylessFileGivesTheDefaultsInOrder) {
    MapSkinFile file({});
    const TSkin skin = ReadSkin(file, "ENG", "C:\\prog\\skins\\backfones\\");
    EXPECT_EQ(skin.Name, "<NONAME>");
    EXPECT_EQ(skin.Level1, 0.85f);
    EXPECT_EQ(skin.Level2, 0.85f);
    EXPECT_EQ(skin.Level3, 0.85f);
    EXPECT_EQ(ButtonSchemeFor(skin.ButtonStyle), ButtonScheme::csSystem);
    EXPECT_EQ(BarSchemeFor(skin.BarStyle), BarScheme::csSystem);
    EXPECT_EQ(skin.ImagePath, "C:\\prog\\skins\\backfones\\") << "the folder itself";
    const std::vector<std::string> order{"NAME/SKIN_ENG",       "TRANSPARENCY/LEVEL1", "TRANSPARENCY/LEVEL2",
                                         "TRANSPARENCY/LEVEL3", "BUTTONS/STYLE",       "BARS/STYLE",
                                         "BACKGROUND/IMAGE"};
    EXPECT_EQ(file.reads, order);
}

TEST(SkinValues, AFullFileIsReadAsWritten) {
    MapSkinFile file({{"NAME/SKIN_DEU", "Sand"},
                      {"TRANSPARENCY/LEVEL1", "0.9"},
                      {"TRANSPARENCY/LEVEL2", "0.7"},
                      {"TRANSPARENCY/LEVEL3", "2"},
                      {"BUTTONS/STYLE", "$0C"},
                      {"BARS/STYLE", "4"},
                      {"BACKGROUND/IMAGE", "sand.bin"}});
    const TSkin skin = ReadSkin(file, "DEU", "skins\\backfones\\");
    EXPECT_EQ(skin.Name, "Sand");
    EXPECT_EQ(skin.Level1, 0.9f);
    EXPECT_EQ(skin.Level2, 0.7f);
    EXPECT_EQ(skin.Level3, 1.0f);
    EXPECT_EQ(skin.ButtonStyle, 12);
    EXPECT_EQ(skin.BarStyle, 4);
    EXPECT_EQ(skin.ImagePath, "skins\\backfones\\sand.bin");
}

TEST(SkinValues, OnlyTheExactTileSizeIsATile) {
    EXPECT_FALSE(IsTileSize(49151));
    EXPECT_TRUE(IsTileSize(49152));
    EXPECT_FALSE(IsTileSize(49153));
    EXPECT_FALSE(IsTileSize(0));
}

} // namespace
