#pragma once

#include "monitors/ByteView.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace monitors {

enum class PerfDataStatus {
    Ok,
    // No usable processor object: none listed, or the data block around it
    // (header, time stamp, object lengths) does not hold together, or the
    // object lists no instance that fits in the data.
    ObjectMissing,
    // The processor object is there but its idle-time counter is not, or the
    // counter definitions do not fit inside the object.
    CounterMissing,
};

// The processor object's idle-time counter, located in a block of registry
// performance data. Views the caller's bytes; nothing is copied.
class ProcessorCounters {
public:
    PerfDataStatus Status() const noexcept { return status_; }

    // The block's time stamp in 100-ns units since 1601 (meaningful when Ok).
    std::int64_t systemTime() const noexcept { return systemTime_; }

    // Instances that lie wholly inside the data, in the system's order, at most
    // as many as the object declares. The walk stops at the first that does not fit.
    int InstanceCount() const noexcept;

    // Counter value of instances 0, 1, ... into values; returns how many were written.
    int ReadValues(std::span<std::int64_t> values) const noexcept;

private:
    friend ProcessorCounters FindProcessorCounters(std::span<const std::byte> data) noexcept;

    int WalkInstances(std::uint64_t limit, std::span<std::int64_t> values) const noexcept;

    PerfDataStatus status_ = PerfDataStatus::ObjectMissing;
    std::int64_t systemTime_ = 0;
    ByteView object_{{}};
    std::uint32_t firstInstance_ = 0;
    std::uint32_t counterOffset_ = 0;
    std::uint32_t declaredInstances_ = 0;
};

// Parses only `data` (the bytes the system returned, not the whole buffer).
// Never reads outside it, whatever the lengths and counts inside claim.
ProcessorCounters FindProcessorCounters(std::span<const std::byte> data) noexcept;

} // namespace monitors
