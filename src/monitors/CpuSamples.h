#pragma once

#include "monitors/CpuSamplerCore.h"
#include "monitors/PerfData.h"

#include <cstddef>
#include <span>

namespace monitors {

// Records a located processor object (status Ok) as the next sample. The first
// sample fixes the slot count at the number of instances it lists.
void RecordRegistrySample(CpuSamplerCore& core, const ProcessorCounters& found);

// Records kernel per-processor times as the next sample; the first fixes the
// slot count at the number of processors. False, with nothing changed, when
// the data holds no whole record.
bool RecordKernelSample(CpuSamplerCore& core, std::span<const std::byte> processorTimes);

} // namespace monitors
