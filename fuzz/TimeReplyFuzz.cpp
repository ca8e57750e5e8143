// Arbitrary bytes cut into arbitrary pieces as a time server's answer: the
// value must be the first four bytes of the stream however it was cut, and
// the arithmetic on it must stay defined.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "clocksync/TimeProtocol.h"
#include "clocksync/TimeReply.h"
#include "core/Error.h"

namespace {

using namespace clocksync;

void Check(bool condition) {
    if (!condition) std::abort();
}

std::uint32_t BigEndian(const std::vector<unsigned char>& stream) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < kReplySize; ++i) value = (value << 8) | stream[i];
    return value;
}

// What a closed connection makes of the reply: the value, or -1 for the error.
std::int64_t OutcomeOnClose(const TimeReply& reply) {
    if (reply.Complete()) return reply.Seconds();
    try {
        return reply.ClosedEarly();
    } catch (const core::Error&) {
        return -1;
    }
}

void CheckArithmetic(std::uint32_t seconds, std::uint32_t tickA, std::uint32_t tickB) {
    const std::int64_t since1900 = SecondsSince1900(seconds);
    Check(since1900 >= (std::int64_t{1} << 31) && since1900 < (std::int64_t{3} << 31));
    const std::uint32_t delay = ReplyDelayMs(tickA, tickB);
    Check(delay == static_cast<std::uint32_t>(tickB - tickA) / 2);
    const double t = ServerDateTime(seconds, delay, core::TimeProtocolEpoch, 0.0);
    Check(std::isfinite(t));
    Check(seconds == 0 ? t == 0.0 : t >= core::TimeProtocolEpoch);
}

} // namespace

// Input: pieces, each a length byte followed by that many bytes of the stream.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TimeReply reply;
    std::vector<unsigned char> stream;
    std::size_t at = 0;
    while (at < size) {
        const std::size_t length = std::min<std::size_t>(data[at], size - at - 1);
        const unsigned char* piece = data + at + 1;
        // A real exchange stops reading once the value is whole; appending
        // more must not change it either.
        reply.Append(piece, length);
        stream.insert(stream.end(), piece, piece + length);
        Check(reply.Size() == std::min(stream.size(), kReplySize));
        at += length + 1;
    }

    const std::int64_t outcome = OutcomeOnClose(reply);
    if (stream.size() >= kReplySize) {
        Check(outcome == BigEndian(stream));
        std::uint32_t a = 0, b = 0;
        for (std::size_t i = 0; i < stream.size() && i < 2 * kReplySize; ++i)
            (i < kReplySize ? a : b) = ((i < kReplySize ? a : b) << 8) | stream[i];
        CheckArithmetic(BigEndian(stream), a, b);
    } else {
        Check(outcome == (stream.empty() ? -1 : 0));
    }
    return 0;
}
