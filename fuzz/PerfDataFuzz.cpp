// Arbitrary bytes as registry performance data and as kernel processor times:
// the parsers must stay inside them and the sampler arithmetic must stay defined.
#include "monitors/CpuSamplerCore.h"
#include "monitors/CpuSamples.h"
#include "monitors/PerfData.h"
#include "monitors/ProcessorTimes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

namespace {

using namespace monitors;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The same block twice: the slots shift and, with equal time stamps, show no load.
void SampleTwice(const ProcessorCounters& found) {
    CpuSamplerCore core;
    RecordRegistrySample(core, found);
    RecordRegistrySample(core, found);
    Check(core.SlotCount() == found.InstanceCount());
    for (int i = 0; i < core.SlotCount(); ++i) {
        Check(core.LoadFraction(i) == 0.0);
    }
}

// The load arithmetic over arbitrary counters: defined and never NaN.
void LoadOfArbitraryCounters(std::span<const std::byte> bytes) {
    std::array<std::int64_t, 4> counters{};
    std::memcpy(counters.data(), bytes.data(), std::min(bytes.size(), sizeof(counters)));
    CpuSamplerCore core;
    core.FixSlotCount(1);
    for (std::size_t sample = 0; sample < 2; ++sample) {
        const CpuSlotWrite slot = core.BeginSample();
        slot.idle[0] = counters[2 * sample];
        slot.clock[0] = counters[2 * sample + 1];
    }
    Check(!std::isnan(core.LoadFraction(0)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);

    const ProcessorCounters found = FindProcessorCounters(bytes);
    if (found.Status() == PerfDataStatus::Ok) {
        Check(found.InstanceCount() >= 1);
        SampleTwice(found);
    }

    CpuSamplerCore kernel;
    const bool recorded = RecordKernelSample(kernel, bytes) && RecordKernelSample(kernel, bytes);
    Check(recorded == (ProcessorRecordCount(bytes) > 0));
    for (int i = 0; i < kernel.SlotCount(); ++i) {
        Check(kernel.LoadFraction(i) == 0.0); // nothing moved between the two
    }

    LoadOfArbitraryCounters(bytes);
    return 0;
}
