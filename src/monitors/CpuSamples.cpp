#include "monitors/CpuSamples.h"

#include "monitors/ProcessorTimes.h"

#include <algorithm>

namespace monitors {

void RecordRegistrySample(CpuSamplerCore& core, const ProcessorCounters& found) {
    if (!core.SlotsFixed()) {
        core.FixSlotCount(found.InstanceCount());
    }
    const CpuSlotWrite slots = core.BeginSample();
    const int written = found.ReadValues(slots.idle);
    // One time stamp for the whole block.
    std::fill_n(slots.clock.begin(), written, found.systemTime());
}

bool RecordKernelSample(CpuSamplerCore& core, std::span<const std::byte> processorTimes) {
    const int records = ProcessorRecordCount(processorTimes);
    if (records == 0) {
        return false;
    }
    if (!core.SlotsFixed()) {
        core.FixSlotCount(records);
    }
    const CpuSlotWrite slots = core.BeginSample();
    ReadProcessorTimes(processorTimes, slots.idle, slots.clock);
    return true;
}

} // namespace monitors
