#include "ui/BarGradient.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/Rounding.h"

namespace ui::xibar {

namespace {

constexpr std::int64_t kMaxChannel = 255;

int SaturateToInt(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

struct Channels {
    double r, g, b;
};

Channels ChannelsOf(tk::TColor c) {
    return {static_cast<double>(tk::RedOf(c)), static_cast<double>(tk::GreenOf(c)),
            static_cast<double>(tk::BlueOf(c))};
}

std::uint8_t ChannelOf(double running) {
    // Running sums may stray a hair past the end colour.
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(core::RoundHalfEven(running), 0, kMaxChannel));
}

// (extent - 2) * (position - min) / range + bias, rounded; the product cannot overflow in 64 bits
// for any 32-bit position and a non-negative extent.
std::int64_t ScaledOffset(int extent, int position, int min, std::int64_t range, double bias) {
    const std::int64_t product = (std::int64_t{std::max(extent, 0)} - 2) * (std::int64_t{position} - min);
    return core::RoundHalfEven(static_cast<double>(product) / static_cast<double>(range) + bias);
}

} // namespace

std::vector<GradientLine> GradientLines(const GradientRect& rect, tk::TColor start, tk::TColor end,
                                        GradientDirection direction) {
    const std::int64_t width = std::int64_t{rect.right} - rect.left;
    const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
    std::int64_t steps = 0;
    switch (direction) {
    case GradientDirection::VerticalLines: steps = width; break;
    case GradientDirection::HorizontalLines: steps = height; break;
    case GradientDirection::DiagonalLines: steps = width + height; break;
    default: return {};
    }
    if (steps < 0) return {};

    // With no extent there is one line and nothing to step through.
    const double divisor = steps == 0 ? 1.0 : static_cast<double>(steps);
    const Channels from = ChannelsOf(start), to = ChannelsOf(end);
    const double dR = (to.r - from.r) / divisor;
    const double dG = (to.g - from.g) / divisor;
    const double dB = (to.b - from.b) / divisor;
    double r = from.r, g = from.g, b = from.b;

    const int acrossX = SaturateToInt(std::int64_t{rect.left} + rect.right);
    const int acrossY = SaturateToInt(std::int64_t{rect.top} + rect.bottom);
    std::vector<GradientLine> lines;
    lines.reserve(static_cast<std::size_t>(steps) + 1);
    for (std::int64_t step = 0; step <= steps; ++step) {
        const int i = SaturateToInt(step);
        const tk::TColor color = tk::RGBColor(ChannelOf(r), ChannelOf(g), ChannelOf(b));
        switch (direction) {
        case GradientDirection::VerticalLines: lines.push_back({i, rect.top, i, acrossY, color}); break;
        case GradientDirection::HorizontalLines: lines.push_back({rect.left, i, acrossX, i, color}); break;
        case GradientDirection::DiagonalLines: lines.push_back({i, rect.top, rect.left, i, color}); break;
        }
        r += dR;
        g += dG;
        b += dB;
    }
    return lines;
}

std::optional<int> HorizontalFill(int width, int position, int min, int max) {
    const std::int64_t range = std::int64_t{max} - min;
    if (range == 0) return std::nullopt;
    const std::int64_t fill = ScaledOffset(width, position, min, range, 0.0);
    return static_cast<int>(std::clamp<std::int64_t>(fill, -1, std::max(width, 0)));
}

std::optional<int> VerticalFillTop(int height, int position, int min, int max) {
    const std::int64_t range = std::int64_t{max} - min;
    if (range == 0) return std::nullopt;
    const std::int64_t magnitude = range < 0 ? -range : range;
    const std::int64_t top = std::int64_t{height} - ScaledOffset(height, position, min, magnitude, 1.0);
    // Lines of a vertical gradient reach from its top down by the bar's full
    // height only, so a fill starting above the bar would leave the bar's
    // bottom empty: an over-full bar starts at the top edge instead.
    return static_cast<int>(std::clamp<std::int64_t>(top, 0, std::max(height, 0)));
}

} // namespace ui::xibar
