#include "ui/SkinCore.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/IntConv.h"
#include "core/SettingsFloat.h"

namespace ui::skin {

namespace {

constexpr char kNameSection[] = "NAME";
constexpr char kNameKeyPrefix[] = "SKIN_";
constexpr char kDefaultName[] = "<NONAME>";
constexpr char kLevelSection[] = "TRANSPARENCY";
constexpr char kDefaultLevel[] = "0.85";
constexpr char kStyleKey[] = "STYLE";
constexpr char kDefaultStyle[] = "0";
constexpr char kButtonSection[] = "BUTTONS";
constexpr char kBarSection[] = "BARS";
constexpr char kBackgroundSection[] = "BACKGROUND";
constexpr char kImageKey[] = "IMAGE";

constexpr std::uint32_t kArchiveAttribute = 0x20;
constexpr std::int32_t kLastStyle = 12;

// Button schemes of style numbers 1 ... 12.
constexpr std::array<xibutton::TColorScheme, kLastStyle> kButtonSchemes{
    xibutton::TColorScheme::csDesert,   xibutton::TColorScheme::csGrass,
    xibutton::TColorScheme::csSilver,   xibutton::TColorScheme::csSky,
    xibutton::TColorScheme::csRose,     xibutton::TColorScheme::csSun,
    xibutton::TColorScheme::csNeoGrass, xibutton::TColorScheme::csNeoSky,
    xibutton::TColorScheme::csNeoRose,  xibutton::TColorScheme::csNeoSilver,
    xibutton::TColorScheme::csNeoSun,   xibutton::TColorScheme::csNeoDesert,
};

enum LevelIndex : std::uint8_t { kLevel1, kLevel2, kLevel3, kLevelCount };
constexpr int kChannelValues = 256;
constexpr std::size_t kTableStride = kChannelValues;
constexpr std::size_t kLevelStride = kTableStride * kTileChannels;
constexpr std::size_t kTileColumnBytes = std::size_t(kTileSide) * kTileChannels;

// Every blended value for every tile byte, by level then channel (red, green,
// blue): the pixel loop then only looks up.
using BlendTables = std::array<std::uint8_t, kLevelStride * kLevelCount>;

BlendTables MakeBlendTables(const BlendInput& input) {
    const std::array<float, kLevelCount> levels{input.level1, input.level2, input.level3};
    const std::array<std::uint8_t, kTileChannels> face{std::uint8_t(input.faceColor & 0xFF),
                                                       std::uint8_t((input.faceColor >> 8) & 0xFF),
                                                       std::uint8_t((input.faceColor >> 16) & 0xFF)};
    BlendTables tables{};
    for (std::size_t l = 0; l < kLevelCount; ++l) {
        const double level = ClampLevel(levels[l]);
        for (std::size_t c = 0; c < kTileChannels; ++c)
            for (int t = 0; t < kChannelValues; ++t)
                tables[l * kLevelStride + c * kTableStride + std::size_t(t)] =
                    static_cast<std::uint8_t>(std::trunc((1.0 - level) * t + level * face[c]));
    }
    return tables;
}

// Marks the columns of one row that a rectangle holds strictly inside.
void MarkRow(std::vector<std::uint8_t>& row, int y, std::span<const LevelRect> rects, LevelIndex level) {
    const std::int64_t width = std::int64_t(row.size());
    for (const LevelRect& r : rects) {
        if (!(r.top < y && y < std::int64_t(r.top) + r.height)) continue;
        const std::int64_t first = std::max<std::int64_t>(std::int64_t(r.left) + 1, 0);
        const std::int64_t end = std::min<std::int64_t>(std::int64_t(r.left) + r.width, width);
        for (std::int64_t x = first; x < end; ++x) row[std::size_t(x)] = level;
    }
}

} // namespace

float ClampLevel(float level) {
    if (std::isnan(level)) return 0.0f;
    return std::clamp(level, 0.0f, 1.0f);
}

float ParseLevel(std::string_view text) {
    // Clamped before narrowing: a double beyond the float range has no float value.
    return static_cast<float>(std::clamp(core::ParseSettingsFloat(text), 0.0, 1.0));
}

std::int32_t ParseStyle(std::string_view text) {
    std::int32_t value = 0;
    return core::TryStrToInt(text, value) ? value : 0;
}

TSkin ReadSkin(ISkinFile& file, const std::string& languageCode, const std::string& tileFolder) {
    TSkin skin;
    const std::string nameKey = kNameKeyPrefix + languageCode;
    skin.Name = file.Read(kNameSection, nameKey.c_str(), kDefaultName);
    skin.Level1 = ParseLevel(file.Read(kLevelSection, "LEVEL1", kDefaultLevel));
    skin.Level2 = ParseLevel(file.Read(kLevelSection, "LEVEL2", kDefaultLevel));
    skin.Level3 = ParseLevel(file.Read(kLevelSection, "LEVEL3", kDefaultLevel));
    skin.ButtonStyle = ParseStyle(file.Read(kButtonSection, kStyleKey, kDefaultStyle));
    skin.BarStyle = ParseStyle(file.Read(kBarSection, kStyleKey, kDefaultStyle));
    skin.ImagePath = tileFolder + file.Read(kBackgroundSection, kImageKey, "");
    return skin;
}

bool TakesSkinFile(std::uint32_t attributes) { return attributes == 0 || attributes == kArchiveAttribute; }

xibutton::TColorScheme ButtonSchemeFor(std::int32_t style) {
    if (style < 1 || style > kLastStyle) return xibutton::TColorScheme::csSystem;
    return kButtonSchemes[std::size_t(style - 1)];
}

xibar::TColorScheme BarSchemeFor(std::int32_t style) {
    // The bar's enumeration has the style numbers as its ordinals.
    if (style < 1 || style > kLastStyle) return xibar::TColorScheme::csSystem;
    return static_cast<xibar::TColorScheme>(style);
}

bool PointInRect(int x, int y, int left, int top, int width, int height) {
    return left < x && std::int64_t(x) < std::int64_t(left) + width && top < y &&
           std::int64_t(y) < std::int64_t(top) + height;
}

void BlendPixels(const BlendInput& input, std::uint32_t* pixels, int width, int height,
                 std::ptrdiff_t stride) {
    if (!input.tile || !pixels || width <= 0 || height <= 0) return;
    const BlendTables tables = MakeBlendTables(input);
    std::vector<std::uint8_t> rowLevels(std::size_t(width), kLevel3);
    // Plain pointers in the pixel loop: it stays quick in unoptimised builds too.
    const std::uint8_t* table = tables.data();
    const std::uint8_t* levelOf = rowLevels.data();
    for (int y = 0; y < height; ++y) {
        std::fill(rowLevels.begin(), rowLevels.end(), kLevel3);
        MarkRow(rowLevels, y, input.level2Rects, kLevel2);
        MarkRow(rowLevels, y, input.level1Rects, kLevel1);
        const std::uint8_t* tileRow = input.tile->data() + TileOffset(0, y);
        std::uint32_t* row = pixels + y * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* t = tileRow + std::size_t(x % kTileSide) * kTileColumnBytes;
            const std::uint8_t* level = table + levelOf[x] * kLevelStride;
            const std::uint32_t rgb = (std::uint32_t(level[t[0]]) << 16) |
                                      (std::uint32_t(level[kTableStride + t[1]]) << 8) |
                                      level[2 * kTableStride + t[2]];
            row[x] = (row[x] & 0xFF000000u) | rgb;
        }
    }
}

} // namespace ui::skin
