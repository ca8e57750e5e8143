// The real window link against a stand-in player on a thread of its own.
#include "monitors/WinampWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "StandInPlayer.h"

using monitors::WinampQuery;
using monitors::WinampWindowLink;
using stand_in::Field;
using stand_in::StandInPlayerThread;

namespace {

constexpr UINT kShortBoundMs = 300;

DWORD MsSince(DWORD start) { return GetTickCount() - start; }

TEST(WinampWindow, NoPlayerNoWindow) {
    WinampWindowLink link;
    EXPECT_FALSE(link.Find().has_value());
}

TEST(WinampWindow, AsksThePlayerAndGivesItsSignedAnswers) {
    StandInPlayerThread player;
    WinampWindowLink link;
    const auto window = link.Find();
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(*window, reinterpret_cast<std::uintptr_t>(player.Player().Handle()));

    struct Row {
        WinampQuery query;
        Field field;
        std::int32_t answer;
    };
    const Row rows[] = {
        {WinampQuery::Version, Field::Version, 0x2040},
        {WinampQuery::PlayingState, Field::PlayingState, 3},
        {WinampQuery::PlaylistPosition, Field::PlaylistPosition, -5},
        {WinampQuery::PlaylistLength, Field::PlaylistLength, 2147483647},
        {WinampQuery::TrackPosition, Field::TrackPositionMs, -2147483647 - 1},
        {WinampQuery::TrackLength, Field::TrackLengthSeconds, 240},
    };
    for (const Row& row : rows) {
        player.Player().Set(row.field, row.answer);
        EXPECT_EQ(link.Ask(*window, row.query), row.answer) << static_cast<int>(row.query);
    }
    EXPECT_EQ(link.Ask(*window, WinampQuery::RepeatOff), 0);
    EXPECT_EQ(player.Player().RepeatOffs(), 1);
}

TEST(WinampWindow, AHungPlayerIsGivenUpAfterTheBoundAndAnswersAgainLater) {
    StandInPlayerThread player;
    WinampWindowLink link(kShortBoundMs);
    const auto window = link.Find();
    ASSERT_TRUE(window.has_value());

    player.Hang(INFINITE);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(link.Ask(*window, WinampQuery::PlayingState).has_value());
    const DWORD waited = MsSince(start);
    EXPECT_GE(waited, kShortBoundMs - 50);
    EXPECT_LT(waited, kShortBoundMs + 500);

    player.Player().Unhang();
    EXPECT_EQ(link.Ask(*window, WinampQuery::TrackLength), 240);
}

TEST(WinampWindow, AClosedPlayerIsGoneAndItsOldWindowAnswersNothing) {
    StandInPlayerThread player;
    WinampWindowLink link;
    const auto window = link.Find();
    ASSERT_TRUE(window.has_value());
    player.Close();
    EXPECT_FALSE(link.Find().has_value());
    const DWORD start = GetTickCount();
    EXPECT_FALSE(link.Ask(*window, WinampQuery::PlayingState).has_value());
    EXPECT_LT(MsSince(start), 100u) << "a window that is gone fails at once";
}

} // namespace
