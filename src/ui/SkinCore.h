#pragma once
// The platform-free half of skins: reading a skin file's values, the style
// numbers' colour schemes, and the background blend arithmetic.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ui/XiButtonSchemes.h"
#include "ui/XiProgressBarSchemes.h"

namespace ui::skin {

// A background tile: 128 x 128 pixels of red, green, blue bytes, stored
// column by column, no header.
constexpr int kTileSide = 128;
constexpr int kTileChannels = 3;
constexpr std::size_t kTileBytes = std::size_t(kTileSide) * kTileSide * kTileChannels;
using Tile = std::array<std::uint8_t, kTileBytes>;

// Byte offset of pixel (x, y) of a window in a tile that repeats over it.
constexpr std::size_t TileOffset(int x, int y) {
    return (std::size_t(x % kTileSide) * kTileSide + std::size_t(y % kTileSide)) * kTileChannels;
}

// Only a file of exactly the tile's size is taken as a tile.
constexpr bool IsTileSize(std::uint64_t bytes) { return bytes == kTileBytes; }

// One skin file's values.
struct TSkin {
    std::string Name;
    float Level1 = 0;
    float Level2 = 0;
    float Level3 = 0;
    std::int32_t ButtonStyle = 0;
    std::int32_t BarStyle = 0;
    std::string ImagePath;
    // The skin file's own name (UTF-8), which the settings keep.
    std::string FileName;
};

// The values in force; the start values hold until a skin is selected.
struct TActiveSkin {
    float Level1 = 0.85f;
    float Level2 = 0.75f;
    float Level3 = 0.45f;
    std::int32_t ButtonStyle = 0;
    std::int32_t BarStyle = 0;
};

// The plain system look: button face everywhere, system colour schemes.
inline constexpr TActiveSkin kSystemLook{1.0f, 1.0f, 1.0f, 0, 0};

// A blend level: a full-stop decimal whatever the locale; text that does not
// begin with a number reads as 0. Clamped to 0 ... 1, so a typing slip cannot
// paint wrapped-around colours.
float ParseLevel(std::string_view text);
float ClampLevel(float level);

// A style number: decimal, or hexadecimal after "0x" or "$"; anything else is 0.
std::int32_t ParseStyle(std::string_view text);

// Reads one value of a skin file, the default when the key is missing.
class ISkinFile {
public:
    virtual ~ISkinFile() = default;
    virtual std::string Read(const char* section, const char* key, const char* defaultValue) = 0;
};

// Reads the keys in their fixed order. The name's key carries the user
// interface's language code ("SKIN_ENG"); the tile's path is tileFolder + the
// file name given (the folder itself when none is given).
TSkin ReadSkin(ISkinFile& file, const std::string& languageCode, const std::string& tileFolder);

// Only plain files: no attribute at all, or the archive attribute alone.
bool TakesSkinFile(std::uint32_t attributes);

xibutton::TColorScheme ButtonSchemeFor(std::int32_t style);
xibar::TColorScheme BarSchemeFor(std::int32_t style);

// True strictly inside: a frame's own left column and top row are outside, as
// are column left + width and row top + height.
bool PointInRect(int x, int y, int left, int top, int width, int height);

struct LevelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct BlendInput {
    const Tile* tile = nullptr;
    std::uint32_t faceColor = 0; // 0x00BBGGRR
    float level1 = 0;
    float level2 = 0;
    float level3 = 0;
    std::span<const LevelRect> level1Rects;
    std::span<const LevelRect> level2Rects;
};

// Blends the tile with the face colour into 32-bit pixels (blue, green, red
// and a fourth byte that stays as it was), rows `stride` pixels apart. A pixel
// inside a level-1 rectangle takes level 1, else inside a level-2 rectangle
// level 2, else level 3; each channel is (1 - L) * tile + L * face, cut
// toward zero.
void BlendPixels(const BlendInput& input, std::uint32_t* pixels, int width, int height,
                 std::ptrdiff_t stride);

} // namespace ui::skin
