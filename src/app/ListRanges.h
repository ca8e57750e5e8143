#pragma once
// The main window's numeric lists: their items are the numbers themselves, so
// an item index is the value (the averaging window excepted, in steps of 5 s).
// The window fills them from here and the settings file bounds its indices by
// the same counts.
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

// Seconds of the averaging window at a list item.
constexpr int WindowSeconds(int item) { return (item + 1) * kWindowStepSeconds; }

} // namespace lists
