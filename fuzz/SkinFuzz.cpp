// Arbitrary bytes as a skin file's values and as a background tile with its
// window: reading must give levels within 0 ... 1 and known schemes, and the
// blend must stay inside its pixels and keep their fourth byte.
#include "ui/SkinCore.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ui::skin;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The values of a skin file, one per line in reading order; a missing line
// is a missing key.
class LinesSkinFile : public ISkinFile {
public:
    explicit LinesSkinFile(std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            lines_.emplace_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    std::string Read(const char*, const char*, const char* defaultValue) override {
        return next_ < lines_.size() ? lines_[next_++] : defaultValue;
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

bool ValidLevel(float level) { return level >= 0.0f && level <= 1.0f; }

void ReadArbitrarySkin(std::string_view text) {
    LinesSkinFile file(text);
    const TSkin skin = ReadSkin(file, "ENG", "skins\\backfones\\");
    Check(ValidLevel(skin.Level1) && ValidLevel(skin.Level2) && ValidLevel(skin.Level3));
    Check(skin.ImagePath.starts_with("skins\\backfones\\"));
    Check(ButtonSchemeFor(skin.ButtonStyle) <= ui::xibutton::TColorScheme::csSystem);
    const auto bar = BarSchemeFor(skin.BarStyle);
    Check(bar >= ui::xibar::TColorScheme::csDesert && bar <= ui::xibar::TColorScheme::csSystem);
}

template <typename T>
T Take(std::span<const std::uint8_t>& bytes) {
    T value{};
    const std::size_t n = std::min(sizeof(T), bytes.size());
    std::memcpy(&value, bytes.data(), n);
    bytes = bytes.subspan(n);
    return value;
}

// The head of the input chooses the window, its frames and levels (any float,
// NaN and infinities too); the whole input, cut or padded, is the tile.
void BlendArbitraryWindow(std::span<const std::uint8_t> bytes) {
    Tile tile{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), tile.size()), tile.begin());
    constexpr int kMaxSide = 140; // past one tile, small enough to run fast
    const int width = 1 + Take<std::uint16_t>(bytes) % kMaxSide;
    const int height = 1 + Take<std::uint16_t>(bytes) % kMaxSide;
    BlendInput input;
    input.tile = &tile;
    input.faceColor = Take<std::uint32_t>(bytes);
    input.level1 = Take<float>(bytes);
    input.level2 = Take<float>(bytes);
    input.level3 = Take<float>(bytes);
    std::vector<LevelRect> rects(Take<std::uint8_t>(bytes) % 8);
    for (LevelRect& r : rects) r = {Take<int>(bytes), Take<int>(bytes), Take<int>(bytes), Take<int>(bytes)};
    const std::size_t split = rects.empty() ? 0 : Take<std::uint8_t>(bytes) % (rects.size() + 1);
    input.level1Rects = std::span(rects).first(split);
    input.level2Rects = std::span(rects).subspan(split);

    constexpr std::uint32_t kMark = 0x5A000000u;
    std::vector<std::uint32_t> pixels(std::size_t(width) * height, kMark);
    BlendPixels(input, pixels.data(), width, height, width);
    for (const std::uint32_t p : pixels) Check((p & 0xFF000000u) == kMark);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    ReadArbitrarySkin(std::string_view(reinterpret_cast<const char*>(data), size));
    BlendArbitraryWindow(bytes);
    Check(IsTileSize(size) == (size == kTileBytes));
    return 0;
}
