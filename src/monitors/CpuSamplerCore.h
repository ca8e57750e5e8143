#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace monitors {

// The slots' latest counters, to be overwritten by the source of a sample.
struct CpuSlotWrite {
    std::span<std::int64_t> idle;
    std::span<std::int64_t> clock;
};

// Sampler state shared by every counter source. A slot holds two counters in
// 100-ns units: idle, which advances while the processor idles, and clock, the
// interval it is measured against. The registry source gives every slot the
// data block's time stamp as clock; the kernel source gives each processor its
// own kernel + user time. Either way load = 1 - d(idle) / d(clock).
class CpuSamplerCore {
public:
    static constexpr int kNoSlots = -1;

    // kNoSlots until the first sample fixes it; never changes after that.
    int SlotCount() const noexcept { return slotCount_; }
    bool SlotsFixed() const noexcept { return slotCount_ != kNoSlots; }

    // Creates the value arrays once. Only the first call has an effect.
    void FixSlotCount(int count);

    // Starts a sample: every slot's previous counters := its current ones, and
    // the current ones are returned for the source to overwrite. A slot that
    // the source leaves alone (its processor is gone) then reports load 0.
    // Call only once the source's data is known to be good, so that a failed
    // sample leaves the state as it was.
    CpuSlotWrite BeginSample() noexcept;

    // Busy share of the last interval; 0 until the slot has two samples or when
    // its clock did not move. Not limited to 0..1. Throws core::Error on a bad index.
    double LoadFraction(int index) const;

private:
    int slotCount_ = kNoSlots;
    std::vector<std::int64_t> idle_;
    std::vector<std::int64_t> previousIdle_;
    std::vector<std::int64_t> clock_;
    std::vector<std::int64_t> previousClock_;
};

} // namespace monitors
