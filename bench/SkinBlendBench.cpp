// One background blend of the main window at its outer size (about 527 x 286
// pixels with a classic frame), with its two level-1 and five level-2 frames.
#include "ui/SkinCore.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace ui::skin;

constexpr int kWidth = 527;
constexpr int kHeight = 286;
constexpr std::uint32_t kFace = 0x00D8E9EC;
const LevelRect kLevel1[] = {{16, 32, 233, 65}, {16, 104, 233, 65}};
const LevelRect kLevel2[] = {
    {8, 8, 249, 209}, {264, 8, 249, 65}, {264, 80, 249, 113}, {264, 200, 121, 49}, {392, 200, 121, 49},
};

void BM_BlendMainWindow(benchmark::State& state) {
    Tile tile{};
    for (std::size_t i = 0; i < tile.size(); ++i) tile[i] = std::uint8_t(i * 31);
    std::vector<std::uint32_t> pixels(std::size_t(kWidth) * kHeight);
    BlendInput input;
    input.tile = &tile;
    input.faceColor = kFace;
    input.level1 = 0.85f;
    input.level2 = 0.75f;
    input.level3 = 0.45f;
    input.level1Rects = kLevel1;
    input.level2Rects = kLevel2;
    for (auto _ : state) {
        BlendPixels(input, pixels.data(), kWidth, kHeight, kWidth);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlendMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
