#include "toolkit/ReadingOrder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using tk::reading::Item;

Item Frame(int left, int top, int width, int height, bool named = true) {
    return {left, top, width, height, true, named};
}
Item Text(int left, int top, int namedBy = tk::reading::kNoNamer) {
    return {left, top, 60, 13, false, true, namedBy};
}
Item Box(int left, int top, int namedBy = tk::reading::kNoNamer) {
    return {left, top, 100, 21, false, true, namedBy};
}
Item Decoration(int left, int top) { return {left, top, 2, 2, false, false}; }

struct Case {
    const char* what;
    std::vector<Item> items;
    std::vector<int> order;
};

TEST(ReadingOrder, FramesInDeclarationOrderEachTopToBottomLabelsBeforeWhatTheyName) {
    const Case cases[] = {
        {"a frame reads whole before a later one, wherever it lies",
         {Frame(300, 0, 200, 100), Text(310, 20), Frame(0, 0, 200, 100), Text(10, 20)},
         {0, 1, 2, 3}},
        {"inside a frame: top to bottom, then left to right; decoration is skipped",
         {Frame(0, 0, 300, 200), Text(150, 60), Decoration(5, 5), Text(10, 60), Text(10, 20)},
         {0, 4, 3, 1}},
        {"two labels on a row, each followed by the list it names",
         {Frame(0, 0, 300, 200), Box(10, 40, 3), Box(150, 40, 4), Text(10, 20), Text(150, 20)},
         {0, 3, 1, 4, 2}},
        {"a label's value on its row comes before the bar the label names",
         {Frame(0, 0, 300, 200), Box(10, 40, 2), Text(10, 20), Text(200, 20)},
         {0, 2, 3, 1}},
        {"a nested frame reads in place; a frame without a name still holds its content",
         {Frame(0, 0, 300, 200, false), Text(10, 150), Frame(5, 30, 200, 100), Text(10, 50), Text(10, 5)},
         {4, 2, 3, 1}},
        {"loose controls read in declaration order",
         {Box(200, 300), Box(10, 300), Frame(0, 0, 100, 100)},
         {0, 1, 2}},
    };
    for (const Case& c : cases) EXPECT_EQ(tk::reading::ReadingOrder(c.items), c.order) << c.what;
}

} // namespace
