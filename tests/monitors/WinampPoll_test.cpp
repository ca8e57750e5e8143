#include "monitors/WinampPoll.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <optional>
#include <vector>

using namespace monitors;

namespace {

// A player that answers from a table; a query missing from it goes unanswered.
class FakeLink : public WinampLink {
public:
    bool present = true;
    std::map<WinampQuery, std::int32_t> answers = {
        {WinampQuery::Version, 0x5066},      {WinampQuery::PlayingState, 1},
        {WinampQuery::PlaylistPosition, 2},  {WinampQuery::PlaylistLength, 12},
        {WinampQuery::TrackPosition, 75900}, {WinampQuery::TrackLength, 240},
        {WinampQuery::RepeatOff, 0},
    };
    std::vector<WinampQuery> asked;
    int finds = 0;

    std::optional<Window> Find() override {
        ++finds;
        if (!present) return std::nullopt;
        return kWindow;
    }
    std::optional<std::int32_t> Ask(Window window, WinampQuery query) override {
        EXPECT_EQ(window, kWindow);
        asked.push_back(query);
        const auto found = answers.find(query);
        if (found == answers.end()) return std::nullopt;
        return found->second;
    }

private:
    static constexpr Window kWindow = 0x1234;
};

TEST(WinampPoll, TheQueriesAreThePlayersMessageNumbers) {
    struct Row {
        WinampQuery query;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    const Row rows[] = {
        {WinampQuery::Version, 0, 0},
        {WinampQuery::PlayingState, 0, 104},
        {WinampQuery::PlaylistPosition, 0, 125},
        {WinampQuery::PlaylistLength, 0, 124},
        {WinampQuery::TrackPosition, 0, 105},
        {WinampQuery::TrackLength, 1, 105},
        {WinampQuery::RepeatOff, 0, 253},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MessageOf(row.query).wParam, row.wParam) << static_cast<int>(row.query);
        EXPECT_EQ(MessageOf(row.query).lParam, row.lParam) << static_cast<int>(row.query);
    }
}

TEST(WinampPoll, ArmingChecksWindowVersionStateThenSwitchesRepeatOff) {
    struct Case {
        const char* name;
        bool present;
        std::optional<std::int32_t> version;
        std::optional<std::int32_t> state;
        bool repeatAnswered;
        WinampArming expected;
        std::vector<WinampQuery> asked;
    };
    using Q = WinampQuery;
    const Case cases[] = {
        {"no player", false, 0x5066, 1, true, WinampArming::NotStarted, {}},
        {"2.3f", true, 0x203F, 1, true, WinampArming::TooOld, {Q::Version}},
        {"negative version", true, -1, 1, true, WinampArming::TooOld, {Q::Version}},
        {"stopped", true, 0x2040, 0, true, WinampArming::NotPlaying, {Q::Version, Q::PlayingState}},
        {"2.40 playing",
         true,
         0x2040,
         1,
         true,
         WinampArming::Armed,
         {Q::Version, Q::PlayingState, Q::RepeatOff}},
        {"paused", true, 0x5066, 3, true, WinampArming::Armed, {Q::Version, Q::PlayingState, Q::RepeatOff}},
        {"hung at version", true, std::nullopt, 1, true, WinampArming::NoAnswer, {Q::Version}},
        {"hung at state",
         true,
         0x5066,
         std::nullopt,
         true,
         WinampArming::NoAnswer,
         {Q::Version, Q::PlayingState}},
        {"hung at repeat",
         true,
         0x5066,
         1,
         false,
         WinampArming::NoAnswer,
         {Q::Version, Q::PlayingState, Q::RepeatOff}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeLink link;
        link.present = c.present;
        if (c.version)
            link.answers[Q::Version] = *c.version;
        else
            link.answers.erase(Q::Version);
        if (c.state)
            link.answers[Q::PlayingState] = *c.state;
        else
            link.answers.erase(Q::PlayingState);
        if (!c.repeatAnswered) link.answers.erase(Q::RepeatOff);
        EXPECT_EQ(ArmWinamp(link), c.expected);
        EXPECT_EQ(link.asked, c.asked);
        EXPECT_EQ(link.finds, 1);
    }
}

TEST(WinampPoll, PlayingOrPausedGivesThePositionAskedInOrder) {
    for (const std::int32_t state : {1, 3, -7}) {
        FakeLink link;
        link.answers[WinampQuery::PlayingState] = state;
        const WinampPollResult result = PollWinamp(link);
        EXPECT_EQ(result.state, WinampState::Playing) << state;
        EXPECT_EQ(result.position, (WinampPosition{2, 12, 75900, 240}));
        EXPECT_EQ(link.asked,
                  (std::vector<WinampQuery>{WinampQuery::PlayingState, WinampQuery::PlaylistPosition,
                                            WinampQuery::PlaylistLength, WinampQuery::TrackPosition,
                                            WinampQuery::TrackLength}));
    }
}

TEST(WinampPoll, StoppedGoneAndUnansweredPolls) {
    FakeLink stopped;
    stopped.answers[WinampQuery::PlayingState] = 0;
    EXPECT_EQ(PollWinamp(stopped).state, WinampState::Stopped);
    EXPECT_EQ(stopped.asked, std::vector<WinampQuery>{WinampQuery::PlayingState});

    FakeLink gone;
    gone.present = false;
    EXPECT_EQ(PollWinamp(gone).state, WinampState::Gone);
    EXPECT_TRUE(gone.asked.empty());

    // Whichever query goes unanswered, the poll decides nothing and asks no further.
    for (const WinampQuery lost :
         {WinampQuery::PlayingState, WinampQuery::PlaylistPosition, WinampQuery::PlaylistLength,
          WinampQuery::TrackPosition, WinampQuery::TrackLength}) {
        FakeLink hung;
        hung.answers.erase(lost);
        EXPECT_EQ(PollWinamp(hung).state, WinampState::NoAnswer) << static_cast<int>(lost);
        EXPECT_EQ(hung.asked.back(), lost);
    }
}

TEST(WinampPoll, LabelTexts) {
    const WinampTexts texts{" of ", " sec / ", " sec"};
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        WinampPosition position;
        const char* playlist;
        const char* track;
    };
    const Case cases[] = {
        {{2, 12, 75900, 240}, "3 of 12", "75 sec / 240 sec"},
        {{0, 10, 0, 180}, "1 of 10", "0 sec / 180 sec"},
        {{0, 10, 999, 180}, "1 of 10", "0 sec / 180 sec"},
        {{-1, 0, -1999, -1}, "0 of 0", "-1 sec / -1 sec"}, // toward zero, sign kept
        {{kMax, kMax, kMax, kMax}, "2147483648 of 2147483647", "2147483 sec / 2147483647 sec"},
        {{kMin, kMin, kMin, kMin}, "-2147483647 of -2147483648", "-2147483 sec / -2147483648 sec"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaylistText(c.position, texts), c.playlist);
        EXPECT_EQ(TrackText(c.position, texts), c.track);
    }
}

} // namespace
