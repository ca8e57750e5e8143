#include "toolkit/EdgeSnap.h"

#include <gtest/gtest.h>

namespace {

using tk::EdgeArea;
using tk::SnapToEdges;
using tk::WindowPlace;

constexpr EdgeArea kWorkArea{0, 0, 1024, 738}; // a screen with a taskbar below
constexpr int kDistance = 10;
constexpr int kWidth = 300, kHeight = 200;

struct SnapCase {
    const char* what;
    int x, y;
    int expectedX, expectedY;
};

TEST(EdgeSnap, SticksToAnEdgeOnlyWhenCloserThanTheDistance) {
    const SnapCase cases[] = {
        {"far from every edge", 100, 100, 100, 100},
        {"9 px from the left", 9, 100, 0, 100},
        {"exactly 10 px from the left stays", 10, 100, 10, 100},
        {"9 px beyond the left", -9, 100, 0, 100},
        {"10 px beyond the left stays", -10, 100, -10, 100},
        {"9 px from the top", 100, 9, 100, 0},
        {"9 px from the right", 1024 - kWidth - 9, 100, 1024 - kWidth, 100},
        {"exactly 10 px from the right stays", 1024 - kWidth - 10, 100, 1024 - kWidth - 10, 100},
        {"9 px past the bottom", 100, 738 - kHeight + 9, 100, 738 - kHeight},
        {"into a corner", 1024 - kWidth + 3, -4, 1024 - kWidth, 0},
    };
    for (const SnapCase& c : cases) {
        const WindowPlace got = SnapToEdges({c.x, c.y, kWidth, kHeight}, kWorkArea, kDistance);
        EXPECT_EQ(got.x, c.expectedX) << c.what;
        EXPECT_EQ(got.y, c.expectedY) << c.what;
        EXPECT_EQ(got.width, kWidth) << c.what;
        EXPECT_EQ(got.height, kHeight) << c.what;
    }
}

TEST(EdgeSnap, AWorkAreaThatDoesNotStartAtZeroIsHonoured) {
    const EdgeArea rightMonitor{1024, 30, 2048, 768}; // taskbar on top
    const WindowPlace got = SnapToEdges({1030, 35, kWidth, kHeight}, rightMonitor, kDistance);
    EXPECT_EQ(got.x, 1024);
    EXPECT_EQ(got.y, 30);
}

TEST(EdgeSnap, NearBothOppositeEdgesTheRightAndBottomWin) {
    // A window 5 px narrower and lower than the area is near all four edges.
    const WindowPlace got = SnapToEdges({2, 2, 1024 - 5, 738 - 5}, kWorkArea, kDistance);
    EXPECT_EQ(got.x, 5);
    EXPECT_EQ(got.y, 5);
}

} // namespace
