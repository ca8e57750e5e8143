#include "toolkit/ReadingOrder.h"

#include <algorithm>
#include <cstddef>

namespace tk::reading {

namespace {

bool Holds(const Item& frame, const Item& item) {
    return item.left >= frame.left && item.top >= frame.top &&
           item.left + item.width <= frame.left + frame.width &&
           item.top + item.height <= frame.top + frame.height;
}

bool SameRow(const Item& a, const Item& b) { return a.top < b.top + b.height && b.top < a.top + a.height; }

// The outermost frame that holds the item, or the item itself.
int BlockOf(std::span<const Item> items, int index) {
    for (int f = 0; f < static_cast<int>(items.size()); ++f)
        if (f != index && items[std::size_t(f)].frame &&
            Holds(items[std::size_t(f)], items[std::size_t(index)]) && BlockOf(items, f) == f)
            return f;
    return index;
}

bool Placed(std::span<const Item> items, const Item& item) {
    return !item.frame && item.namedBy != kNoNamer && items[std::size_t(item.namedBy)].exposed;
}

} // namespace

std::vector<int> ReadingOrder(std::span<const Item> items) {
    const int count = static_cast<int>(items.size());
    std::vector<int> blocks(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) blocks[std::size_t(i)] = BlockOf(items, i);

    std::vector<int> order;
    std::vector<bool> blockDone(std::size_t(count), false);
    for (int i = 0; i < count; ++i) {
        const int block = blocks[std::size_t(i)];
        if (blockDone[std::size_t(block)]) continue;
        blockDone[std::size_t(block)] = true;

        std::vector<int> members;
        for (int j = 0; j < count; ++j)
            if (blocks[std::size_t(j)] == block && items[std::size_t(j)].exposed &&
                !Placed(items, items[std::size_t(j)]))
                members.push_back(j);
        // Top to bottom, left to right; a frame before what it holds.
        std::stable_sort(members.begin(), members.end(), [&](int a, int b) {
            const Item& x = items[std::size_t(a)];
            const Item& y = items[std::size_t(b)];
            if (x.top != y.top) return x.top < y.top;
            if (x.frame != y.frame) return x.frame;
            return x.left < y.left;
        });

        std::vector<int> pending;
        for (std::size_t m = 0; m < members.size(); ++m) {
            const int index = members[m];
            order.push_back(index);
            for (int j = 0; j < count; ++j)
                if (items[std::size_t(j)].exposed && Placed(items, items[std::size_t(j)]) &&
                    items[std::size_t(j)].namedBy == index)
                    pending.push_back(j);
            const bool rowGoesOn = m + 1 < members.size() &&
                                   SameRow(items[std::size_t(index)], items[std::size_t(members[m + 1])]) &&
                                   std::none_of(items.begin(), items.end(), [&](const Item& other) {
                                       return Placed(items, other) && other.namedBy == members[m + 1];
                                   });
            if (!rowGoesOn) {
                order.insert(order.end(), pending.begin(), pending.end());
                pending.clear();
            }
        }
    }
    return order;
}

} // namespace tk::reading
