#include "monitors/WinampPoll.h"

#include <array>

namespace monitors {
namespace {

// Winamp's command numbers, passed in lParam.
constexpr std::intptr_t kGetVersion = 0;
constexpr std::intptr_t kIsPlaying = 104;
constexpr std::intptr_t kGetOutputTime = 105; // wParam 0: ms played, 1: track length in s
constexpr std::intptr_t kGetListLength = 124;
constexpr std::intptr_t kGetListPosition = 125;
constexpr std::intptr_t kSetRepeat = 253; // wParam 0: repeat off
constexpr std::int64_t kMsPerSecond = 1000;

} // namespace

WinampMessage MessageOf(WinampQuery query) {
    switch (query) {
    case WinampQuery::Version: return {0, kGetVersion};
    case WinampQuery::PlayingState: return {0, kIsPlaying};
    case WinampQuery::PlaylistPosition: return {0, kGetListPosition};
    case WinampQuery::PlaylistLength: return {0, kGetListLength};
    case WinampQuery::TrackPosition: return {0, kGetOutputTime};
    case WinampQuery::TrackLength: return {1, kGetOutputTime};
    case WinampQuery::RepeatOff: return {0, kSetRepeat};
    }
    return {0, kGetVersion};
}

WinampArming ArmWinamp(WinampLink& link) {
    const auto window = link.Find();
    if (!window) return WinampArming::NotStarted;
    const auto version = link.Ask(*window, WinampQuery::Version);
    if (!version) return WinampArming::NoAnswer;
    if (*version < kLeastWinampVersion) return WinampArming::TooOld;
    const auto state = link.Ask(*window, WinampQuery::PlayingState);
    if (!state) return WinampArming::NoAnswer;
    if (*state == kWinampStopped) return WinampArming::NotPlaying;
    // Unanswered, repeat may still be on and the playlist would never end.
    if (!link.Ask(*window, WinampQuery::RepeatOff)) return WinampArming::NoAnswer;
    return WinampArming::Armed;
}

WinampPollResult PollWinamp(WinampLink& link) {
    const auto window = link.Find();
    if (!window) return {WinampState::Gone, {}};
    const auto state = link.Ask(*window, WinampQuery::PlayingState);
    if (!state) return {WinampState::NoAnswer, {}};
    if (*state == kWinampStopped) return {WinampState::Stopped, {}};

    constexpr std::array<WinampQuery, 4> kOrder = {WinampQuery::PlaylistPosition, WinampQuery::PlaylistLength,
                                                   WinampQuery::TrackPosition, WinampQuery::TrackLength};
    std::array<std::int32_t, kOrder.size()> answers{};
    for (std::size_t i = 0; i < kOrder.size(); ++i) {
        const auto answer = link.Ask(*window, kOrder[i]);
        if (!answer) return {WinampState::NoAnswer, {}};
        answers[i] = *answer;
    }
    return {WinampState::Playing, {answers[0], answers[1], answers[2], answers[3]}};
}

std::string PlaylistText(const WinampPosition& position, const WinampTexts& texts) {
    // Counted in 64 bits: the largest position a player may answer still has a successor.
    return std::to_string(std::int64_t{position.playlistPosition} + 1) + texts.of +
           std::to_string(position.playlistLength);
}

std::string TrackText(const WinampPosition& position, const WinampTexts& texts) {
    return std::to_string(position.trackPositionMs / kMsPerSecond) + texts.secOf +
           std::to_string(position.trackLengthSeconds) + texts.sec;
}

} // namespace monitors
