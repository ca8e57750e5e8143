#include "monitors/adCpuUsage.h"

#include "FakeCpuSource.h"

#include <windows.h>

#include <cmath>

namespace monitors {
namespace {

using namespace cpu_test;

TEST(adCpuUsage, RealSourcesGiveFiniteLoads) {
    // The kernel's times, as on Windows; Wine would have no registry source.
    InitCpuSampler();
    TakeCpuSample();
    Sleep(100);
    TakeCpuSample();
    const int slots = CpuSlotCount();
    EXPECT_GE(slots, 1);
    for (int i = 0; i < slots; ++i) {
        EXPECT_TRUE(std::isfinite(CpuLoadFraction(i))) << "slot " << i;
    }
    EXPECT_EQ(ErrorText([&] { CpuLoadFraction(slots); }), "CPU index out of bounds");
    CloseCpuSampler();
    EXPECT_EQ(ErrorText([] { TakeCpuSample(); }), "The CPU sampler is not initialised");
}

TEST(adCpuUsage, ModuleRunsOnAnInjectedSourceWithLoadsFromTheSecondSample) {
    FakeSource source;
    source.servePerfData({ProcessorsAt(0, {0, 0}), ProcessorsAt(1, {kSecond / 4, kSecond})});
    InitCpuSampler(source);
    EXPECT_EQ(CpuSlotCount(), 2); // counting takes the first sample
    EXPECT_EQ(CpuLoadFraction(0), 0.0);
    TakeCpuSample();
    EXPECT_DOUBLE_EQ(CpuLoadFraction(0), 0.75);
    EXPECT_DOUBLE_EQ(CpuLoadFraction(1), 0.0);
    EXPECT_EQ(source.perfQuerySizes.size(), 2u); // the queries took no further sample
    EXPECT_EQ(source.processorQueries, 1);       // tried first, missing, not asked again
    CloseCpuSampler();
    EXPECT_EQ(source.perfDataCloses, 1);
}

} // namespace
} // namespace monitors
