#include "ui/GradientRows.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/Rounding.h"

namespace ui {

namespace {
constexpr std::int64_t kChannelMax = 255;

std::uint8_t ToChannel(double value) {
    // Repeated addition may drift a hair past the ends; keep the byte valid.
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(core::RoundHalfEven(value), 0, kChannelMax));
}
} // namespace

std::vector<tk::TColor> GradientRows(tk::TColor from, tk::TColor to, int height) {
    if (height <= 0) return {from};

    std::array<double, 3> value = {double(tk::RedOf(from)), double(tk::GreenOf(from)),
                                   double(tk::BlueOf(from))};
    const std::array<double, 3> step = {
        (double(tk::RedOf(to)) - value[0]) / height,
        (double(tk::GreenOf(to)) - value[1]) / height,
        (double(tk::BlueOf(to)) - value[2]) / height,
    };
    std::vector<tk::TColor> rows;
    rows.reserve(std::size_t(height) + 1);
    for (int y = 0; y <= height; ++y) {
        rows.push_back(tk::RGBColor(ToChannel(value[0]), ToChannel(value[1]), ToChannel(value[2])));
        for (std::size_t c = 0; c < value.size(); ++c) value[c] += step[c];
    }
    return rows;
}

} // namespace ui
