#pragma once
// The order in which assistive technology reads a form: each frame with all
// it holds, top to bottom and left to right, in the order the frames and
// loose controls are declared; a control named by a label comes right after
// that label and whatever value the label's row shows beside it.
#include <span>
#include <vector>

namespace tk::reading {

inline constexpr int kNoNamer = -1;

struct Item {
    int left = 0, top = 0, width = 0, height = 0;
    bool frame = false;     // groups what lies inside it
    bool exposed = false;   // read at all (decoration is not)
    int namedBy = kNoNamer; // index of the label that names it
};

// Indices of the exposed items, in reading order; items in declaration order.
std::vector<int> ReadingOrder(std::span<const Item> items);

} // namespace tk::reading
