#include "monitors/CpuSamplerCore.h"

#include "core/Error.h"
#include "monitors/CpuErrors.h"

#include <algorithm>
#include <cstddef>

namespace monitors {
namespace {

// Counters are compared modulo 2^64, so a counter that wraps still gives the
// right difference and no subtraction can overflow.
std::int64_t Advance(std::int64_t now, std::int64_t before) noexcept {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(before));
}

} // namespace

void CpuSamplerCore::FixSlotCount(int count) {
    if (SlotsFixed() || count < 0) {
        return;
    }
    const auto size = static_cast<std::size_t>(count);
    idle_.assign(size, 0);
    previousIdle_.assign(size, 0);
    clock_.assign(size, 0);
    previousClock_.assign(size, 0);
    slotCount_ = count;
}

CpuSlotWrite CpuSamplerCore::BeginSample() noexcept {
    // Same sizes since fixSlotCount: copies in place, allocates nothing.
    std::ranges::copy(idle_, previousIdle_.begin());
    std::ranges::copy(clock_, previousClock_.begin());
    return {idle_, clock_};
}

double CpuSamplerCore::LoadFraction(int index) const {
    if (index < 0 || index >= slotCount_) {
        throw core::Error(cpu_errors::kIndexOutOfBounds);
    }
    const auto i = static_cast<std::size_t>(index);
    if (previousClock_[i] == 0 || clock_[i] == previousClock_[i]) {
        return 0.0;
    }
    return 1.0 - static_cast<double>(Advance(idle_[i], previousIdle_[i])) /
                     static_cast<double>(Advance(clock_[i], previousClock_[i]));
}

} // namespace monitors
