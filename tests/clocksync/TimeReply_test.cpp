// The answer in the pieces the network delivers it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clocksync/TimeReply.h"
#include "core/Error.h"

using clocksync::TimeReply;

namespace {

TimeReply Fed(const std::vector<std::vector<unsigned char>>& pieces) {
    TimeReply reply;
    for (const auto& piece : pieces) reply.Append(piece.data(), piece.size());
    return reply;
}

} // namespace

TEST(TimeReply, PiecesMakeOneValue) {
    struct Case {
        const char* name;
        std::vector<std::vector<unsigned char>> pieces;
        std::uint32_t seconds;
    } const cases[] = {
        {"four bytes", {{0xD4, 0x14, 0x04, 0x40}}, 0xD4140440u},
        {"eight bytes", {{0xD4, 0x14, 0x04, 0x40, 1, 2, 3, 4}}, 0xD4140440u},
        {"two segments", {{0xD4, 0x14}, {0x04, 0x40}}, 0xD4140440u},
        {"one at a time", {{0xD4}, {0x14}, {0x04}, {0x40}}, 0xD4140440u},
        {"empty pieces between", {{}, {0xD4, 0x14, 0x04}, {}, {0x40, 0xFF}}, 0xD4140440u},
        {"later bytes ignored", {{0x80, 0, 0}, {0, 9, 9}, {7}}, 0x80000000u},
        {"all ones", {{0xFF, 0xFF, 0xFF, 0xFF}}, 0xFFFFFFFFu},
    };
    for (const auto& c : cases) {
        const TimeReply reply = Fed(c.pieces);
        EXPECT_TRUE(reply.Complete()) << c.name;
        EXPECT_EQ(reply.Seconds(), c.seconds) << c.name;
    }
}

TEST(TimeReply, ClosedEarly) {
    for (std::size_t n = 1; n <= 3; ++n) {
        const std::vector<unsigned char> bytes(n, 0xAB);
        const TimeReply reply = Fed({bytes});
        EXPECT_FALSE(reply.Complete()) << n;
        EXPECT_EQ(reply.Seconds(), 0u) << n;
        EXPECT_EQ(reply.ClosedEarly(), 0u) << n;
    }
    try {
        TimeReply().ClosedEarly();
        FAIL() << "closing without data must fail";
    } catch (const core::Error& e) {
        EXPECT_STREQ(e.what(), "Connection Closed Gracefully.");
    }
}

TEST(TimeReply, ClearStartsAfresh) {
    TimeReply reply = Fed({{1, 2, 3, 4}});
    reply.Clear();
    EXPECT_EQ(reply.Size(), 0u);
    const unsigned char again[] = {0, 0, 1, 0};
    reply.Append(again, sizeof again);
    EXPECT_EQ(reply.Seconds(), 256u);
}
