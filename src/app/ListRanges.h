#pragma once
// The main window's numeric lists: their items are the numbers themselves, so
// an item index is the value (the averaging window excepted, in steps of 5 s).
// The window fills them from here and the settings file bounds its indices by
// the same counts.
#include <array>
#include <cstddef>

#include "app/ActionIndex.h"

namespace lists {

inline constexpr int kMaxDays = 365; // days list: "0" to "365"
inline constexpr int kDaysItemCount = kMaxDays + 1;
inline constexpr int kDefaultDaysItem = 0;

inline constexpr int kMaxLoadLevel = 100; // load list: "0" to "100" percent
inline constexpr int kLoadItemCount = kMaxLoadLevel + 1;
inline constexpr int kDefaultLoadItem = 10;

inline constexpr int kWindowStepSeconds = 5; // window list: "5" to "60" seconds
inline constexpr int kWindowItemCount = 12;
inline constexpr int kDefaultWindowItem = 4; // 25 seconds

inline constexpr int kActionItemCount = kActionCount;
inline constexpr int kDefaultActionItem = paTurnOff;

// The network-quiet lists hold chosen steps, so values rather than item
// indices are what is kept and given on the command line.
inline constexpr std::array<int, 6> kNetLevels = {1, 5, 10, 50, 100, 500};            // KB/s
inline constexpr std::array<int, 8> kNetWindows = {5, 10, 15, 30, 60, 120, 300, 600}; // seconds
inline constexpr int kDefaultNetLevel = 10;
inline constexpr int kDefaultNetWindow = 60;

// The largest item not above `value`, or the first item when all are above
// it, as the processor-load window rounds down to a whole step.
template <std::size_t N>
constexpr int RoundDownToItem(const std::array<int, N>& items, int value) {
    int chosen = items.front();
    for (const int item : items)
        if (item <= value) chosen = item;
    return chosen;
}

template <std::size_t N>
constexpr bool IsItem(const std::array<int, N>& items, int value) {
    for (const int item : items)
        if (item == value) return true;
    return false;
}

// Seconds of the averaging window at a list item.
constexpr int WindowSeconds(int item) { return (item + 1) * kWindowStepSeconds; }

} // namespace lists
