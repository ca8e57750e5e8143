#pragma once
// What the confirmation dialog shows on each tick of its countdown.
#include <cstdint>

#include "toolkit/Color.h"

namespace countdown {

inline constexpr int kTicksPerNumber = 8; // eight 125 ms ticks make a second
inline constexpr int kStartTicks = 30 * kTicksPerNumber;
inline constexpr std::uint16_t kTickIntervalMs = 125;

struct BannerColors {
    tk::TColor pen;
    tk::TColor brush;
    tk::TColor text;
};

// Yellow on red as designed; swapped once a second so the banner flashes.
inline constexpr BannerColors kDesignColors{tk::clYellow, tk::clRed, tk::clYellow};
inline constexpr BannerColors kInvertedColors{tk::clRed, tk::clYellow, tk::clRed};

// Under high contrast the banner flashes in the system's selection colours.
BannerColors InSystemColors(const BannerColors& colors);

// The number shown before the first tick.
inline constexpr int kStartNumber = kStartTicks / kTicksPerNumber;

struct TickView {
    BannerColors colors;
    int number;    // seconds to show
    int ticksLeft; // the counter after this tick
    bool finished; // the countdown has run out: the dialog ends with OK
    bool announce; // a new number worth saying aloud: every ten seconds and the last five
};

// One tick, from the counter as it stands before the tick.
TickView Tick(int ticksLeft);

} // namespace countdown
