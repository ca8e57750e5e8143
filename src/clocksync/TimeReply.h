#pragma once
// The server's answer as it arrives: the first four bytes, in whatever pieces
// the network delivers them; anything after them is ignored.
#include <array>
#include <cstddef>
#include <cstdint>

#include "clocksync/TimeProtocol.h"

namespace clocksync {

class TimeReply {
public:
    void Clear() { size_ = 0; }
    void Append(const unsigned char* data, std::size_t size);
    bool Complete() const { return size_ == kReplySize; }
    std::size_t Size() const { return size_; }
    // The count of seconds, big-endian; 0 until the reply is complete.
    std::uint32_t Seconds() const;
    // The peer closed before the reply was complete: with nothing received
    // that is an error (core::Error "Connection Closed Gracefully."); with one
    // to three bytes there is no value, which is 0.
    std::uint32_t ClosedEarly() const;

private:
    std::array<unsigned char, kReplySize> bytes_{};
    std::size_t size_ = 0;
};

} // namespace clocksync
