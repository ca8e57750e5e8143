#pragma once
#include <windows.h>

#include "monitors/WinampPoll.h"

namespace monitors {

// How long one query waits for the player. Long enough for any player that
// works, short enough that a hung one stalls the window only briefly.
inline constexpr UINT kWinampAnswerTimeoutMs = 1000;

// The player's real window: looked up by its class, asked with WM_USER.
// Every query is bounded in time, and one to a hung player returns at once.
class WinampWindowLink final : public WinampLink {
public:
    explicit WinampWindowLink(UINT answerTimeoutMs = kWinampAnswerTimeoutMs) : timeoutMs_(answerTimeoutMs) {}

    std::optional<Window> Find() override;
    std::optional<std::int32_t> Ask(Window window, WinampQuery query) override;

private:
    UINT timeoutMs_;
};

} // namespace monitors
