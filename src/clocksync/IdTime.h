#pragma once
// Asks a time server for the time with the time protocol (RFC 868, TCP): the
// server sends one 32-bit count of seconds since 1900 and closes.
#include <atomic>
#include <cstdint>

#include "clocksync/IdTCPClient.h"
#include "clocksync/TimeProtocol.h"
#include "clocksync/TimeReply.h"
#include "core/DateTime.h"

namespace clocksync {

class TIdTime : public TIdTCPClient {
public:
    TIdTime() { SetPort(kTimePort); }

    core::TDateTime BaseDate() const { return baseDate_; }
    void SetBaseDate(core::TDateTime date) { baseDate_ = date; }
    // The longest wait for data, per wait; a negative value counts as 0.
    std::int32_t Timeout() const { return timeout_; }
    void SetTimeout(std::int32_t ms) { timeout_ = ms; }
    // Half the time the last successful exchange took, in milliseconds.
    std::uint32_t ReplyDelay() const { return replyDelay_.load(); }

    // One exchange: the server's count of seconds, or 0 when it closed before
    // sending four bytes. Raises core::Error when the exchange fails ("Read
    // Timeout", "Connection Closed Gracefully.", refused, unknown host ...).
    // The connection is closed on every way out.
    std::uint32_t QueryServerSeconds();
    // The server's time as a local date-time; 0.0 when it gave no value.
    core::TDateTime QueryServerTime();

private:
    // Reads whatever has arrived; true once the peer has closed.
    bool TakeArrived();

    core::TDateTime baseDate_ = core::TimeProtocolEpoch;
    std::int32_t timeout_ = kDefaultTimeoutMs;
    std::atomic<std::uint32_t> replyDelay_{0};
    TimeReply reply_;
};

} // namespace clocksync
