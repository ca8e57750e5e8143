#include "toolkit/EdgeSnap.h"

#include <cstdlib>

namespace tk {

WindowPlace SnapToEdges(WindowPlace place, const EdgeArea& area, int distance) {
    const auto within = [distance](int a, int b) { return std::abs(a - b) < distance; };
    if (within(place.x, area.left)) place.x = area.left;
    if (within(place.y, area.top)) place.y = area.top;
    if (within(area.right, place.x + place.width)) place.x = area.right - place.width;
    if (within(area.bottom, place.y + place.height)) place.y = area.bottom - place.height;
    return place;
}

} // namespace tk
