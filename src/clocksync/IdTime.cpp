#include "clocksync/IdTime.h"

#include <algorithm>

#include "clocksync/LocalClock.h"
#include "clocksync/QueryFailure.h"
#include "core/Error.h"

namespace clocksync {

namespace {

// Room for more than the answer: a server that sends more is read in a few steps.
constexpr std::size_t kReceiveChunk = 64;

} // namespace

bool TIdTime::TakeArrived() {
    unsigned char chunk[kReceiveChunk];
    while (!reply_.Complete()) {
        const std::optional<std::size_t> got = Receive(chunk, sizeof chunk);
        if (!got) return false;
        if (*got == 0) return true;
        reply_.Append(chunk, *got);
    }
    return false;
}

std::uint32_t TIdTime::QueryServerSeconds() {
    reply_.Clear();
    Connect(kConnectTimeoutMs);
    // Closes the connection however the exchange ends.
    struct DisconnectAtEnd {
        TIdTime& client;
        ~DisconnectAtEnd() { client.Disconnect(); }
    } disconnect{*this};
    const DWORD startTick = GetTickCount();
    const DWORD waitMs = static_cast<DWORD>(std::max(timeout_, 0));
    // Data may have come with the connection itself, so read before each wait.
    for (;;) {
        const bool closed = TakeArrived();
        if (reply_.Complete()) break;
        if (closed) return reply_.ClosedEarly();
        if (!WaitReadable(waitMs)) throw QueryError(kReadTimeoutText, QueryFailure::TimedOut);
    }
    replyDelay_ = ReplyDelayMs(startTick, GetTickCount());
    return reply_.Seconds();
}

core::TDateTime TIdTime::QueryServerTime() {
    const std::uint32_t seconds = QueryServerSeconds();
    if (seconds == 0) return 0.0;
    return ServerDateTime(seconds, ReplyDelay(), baseDate_, LocalZoneOffset());
}

} // namespace clocksync
