// One registry sample as the 250 ms tick takes it on a two-processor machine:
// locate the processor counters, record them, read every slot's load.
#include "monitors/CpuSamples.h"
#include "monitors/CpuSamplerCore.h"
#include "monitors/PerfData.h"

#include "../tests/monitors/PerfDataBuilder.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace monitors;

void BM_ParseAndSampleTwoProcessors(benchmark::State& state) {
    const perf_test::PerfData data = perf_test::TwoProcessors(1000, 2000, 3000);
    CpuSamplerCore core;
    for (auto _ : state) {
        const ProcessorCounters found = FindProcessorCounters(data.bytes);
        RecordRegistrySample(core, found);
        double peak = 0.0;
        for (int i = 0; i < core.SlotCount(); ++i) {
            peak = std::max(peak, core.LoadFraction(i));
        }
        benchmark::DoNotOptimize(peak);
    }
}
BENCHMARK(BM_ParseAndSampleTwoProcessors);

} // namespace
