#include "clocksync/TimeReply.h"

#include <algorithm>

#include "clocksync/QueryFailure.h"

namespace clocksync {

void TimeReply::Append(const unsigned char* data, std::size_t size) {
    const std::size_t taken = std::min(size, kReplySize - size_);
    std::copy_n(data, taken, bytes_.begin() + static_cast<std::ptrdiff_t>(size_));
    size_ += taken;
}

std::uint32_t TimeReply::Seconds() const {
    if (!Complete()) return 0;
    std::uint32_t value = 0;
    for (const unsigned char b : bytes_) value = (value << 8) | b;
    return value;
}

std::uint32_t TimeReply::ClosedEarly() const {
    if (size_ == 0) throw QueryError(kConnectionClosedText, QueryFailure::ClosedWithoutData);
    return 0;
}

} // namespace clocksync
