#pragma once
// Where a window being moved lands when it nears an edge of the work area.

namespace tk {

struct EdgeArea {
    int left, top, right, bottom;
};

struct WindowPlace {
    int x, y, width, height;
};

// Within less than `distance` pixels of an edge, the window sticks to it. Near
// both opposite edges (a window almost as large as the area), the right and
// bottom edges win.
WindowPlace SnapToEdges(WindowPlace place, const EdgeArea& area, int distance);

} // namespace tk
