#include "monitors/CpuSampler.h"

#include "FakeCpuSource.h"

namespace monitors {
namespace {

using namespace cpu_test;

TEST(CpuSampler, FailsWithoutTheWindowsVersion) {
    FakeSource source;
    source.platform.reset();
    EXPECT_EQ(ErrorText([&] { CpuSampler sampler(source); }), "Can't get the Windows version");
}

TEST(CpuSampler, GrowsThePerformanceBufferInStepsAndKeepsIt) {
    FakeSource source;
    constexpr DWORD kNeeded = 8192 + 3 * 4096 + 1;
    source.perfData = [good = ProcessorsAt(0, {1, 2}).bytes, kNeeded](BYTE* data, DWORD& size) {
        if (size < kNeeded) {
            return LONG{ERROR_MORE_DATA};
        }
        std::memcpy(data, good.data(), good.size());
        size = static_cast<DWORD>(good.size());
        return LONG{ERROR_SUCCESS};
    };
    CpuSampler sampler(source);
    EXPECT_EQ(sampler.PerfBufferSize(), 8192u);
    sampler.TakeSample();
    EXPECT_EQ(source.perfQuerySizes, (std::vector<DWORD>{8192, 12288, 16384, 20480, 24576}));
    sampler.TakeSample();
    EXPECT_EQ(source.perfQuerySizes.back(), 24576u);
    EXPECT_EQ(source.perfQuerySizes.size(), 6u);
    EXPECT_EQ(sampler.PerfBufferSize(), 24576u);
}

TEST(CpuSampler, GivesUpOnAQueryThatNeverHasRoomEnough) {
    FakeSource source;
    source.perfData = [](BYTE*, DWORD&) { return LONG{ERROR_MORE_DATA}; };
    CpuSampler sampler(source);
    EXPECT_EQ(ErrorText([&] { sampler.TakeSample(); }),
              "Unable to locate the \"Processor\" performance object");
    EXPECT_LE(sampler.PerfBufferSize(), 4u * 1024 * 1024);
}

TEST(CpuSampler, FailedSamplesLeaveTheLastGoodOne) {
    struct Case {
        const char* name;
        std::function<LONG(BYTE*, DWORD&)> answer;
        const char* error;
    };
    const perf_test::PerfData noCounter =
        perf_test::BuildPerfData({perf_test::WithCounters(perf_test::Processors({0, 0}), {{2, 8}})});
    const std::vector<Case> cases = {
        {"query fails and leaves the old data", [](BYTE*, DWORD&) { return LONG{ERROR_BUSY}; },
         "Unable to locate the \"Processor\" performance object"},
        {"no processor object",
         [](BYTE*, DWORD& size) {
             size = 0;
             return LONG{ERROR_SUCCESS};
         },
         "Unable to locate the \"Processor\" performance object"},
        {"no idle counter",
         [&](BYTE* data, DWORD& size) {
             std::memcpy(data, noCounter.bytes.data(), noCounter.bytes.size());
             size = static_cast<DWORD>(noCounter.bytes.size());
             return LONG{ERROR_SUCCESS};
         },
         "Unable to locate the \"% of CPU usage\" performance counter"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSource source; // no kernel query: the registry is the source
        source.servePerfData({ProcessorsAt(0, {0, 0}), ProcessorsAt(1, {kSecond / 2, kSecond})});
        CpuSampler sampler(source);
        sampler.TakeSample();
        sampler.TakeSample();
        source.perfData = c.answer;
        // Once chosen, a failing registry is not swapped for the kernel.
        source.serveProcessorTimes({{0, 0, 0}}, {{kSecond, kSecond, 0}});
        EXPECT_EQ(ErrorText([&] { sampler.TakeSample(); }), c.error);
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.5);
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(1), 0.0);
        EXPECT_EQ(source.processorQueries, 1); // the first sample's, which failed
    }
}

TEST(CpuSampler, TakesTheKernelTimesFirstAndNeverAsksTheRegistry) {
    FakeSource source;
    source.servePerfData({ProcessorsAt(0, {0, 0, 0})}); // would give three slots
    source.serveProcessorTimes({{100, 300, 200}, {100, 300, 200}},
                               {{kSecond / 4, kSecond / 2, kSecond / 2}, {0, kSecond / 2, kSecond / 2}});
    {
        CpuSampler sampler(source);
        sampler.TakeSample();
        EXPECT_EQ(sampler.SlotCount(), 2);
        EXPECT_EQ(sampler.LoadFraction(0), 0.0); // one sample is no interval yet
        sampler.TakeSample();
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.75);
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(1), 1.0);
    }
    EXPECT_EQ(source.processorQueries, 2);
    EXPECT_TRUE(source.perfQuerySizes.empty());
    EXPECT_EQ(source.perfDataCloses, 0); // never opened, so never closed
}

TEST(CpuSampler, SameLoadsFromEitherSource) {
    // Two processors, one second: the first idles a quarter of it, the second
    // all of it. The registry adds a total, which the busiest entry outweighs.
    FakeSource kernel;
    kernel.serveProcessorTimes({{5, 10, 5}, {5, 10, 5}},
                               {{kSecond / 4, kSecond / 2, kSecond / 2}, {kSecond, kSecond, 0}});
    FakeSource registry;
    registry.servePerfData(
        {ProcessorsAt(0, {0, 0, 0}), ProcessorsAt(1, {kSecond / 4, kSecond, 5 * kSecond / 8})});
    CpuSampler fromKernel(kernel);
    CpuSampler fromRegistry(registry);
    for (CpuSampler* sampler : {&fromKernel, &fromRegistry}) {
        sampler->TakeSample();
        sampler->TakeSample();
    }
    EXPECT_EQ(fromKernel.SlotCount(), 2);
    EXPECT_EQ(fromRegistry.SlotCount(), 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_DOUBLE_EQ(fromKernel.LoadFraction(i), fromRegistry.LoadFraction(i)) << "processor " << i;
    }
    EXPECT_LT(fromRegistry.LoadFraction(2), fromKernel.LoadFraction(0));
}

TEST(CpuSampler, UsesTheRegistryWhereTheKernelQueryFails) {
    struct Case {
        const char* name;
        std::function<LONG(void*, ULONG, ULONG&)> kernel;
    };
    const std::vector<Case> cases = {
        {"the query is missing", [](void*, ULONG, ULONG&) { return kStatusNotImplemented; }},
        {"refused", [](void*, ULONG, ULONG&) { return LONG(0xC0000022L); }}, // access denied
        {"no whole record",
         [](void*, ULONG, ULONG& returned) {
             returned = 8;
             return kStatusSuccess;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSource source;
        source.processorTimes = c.kernel;
        source.servePerfData({ProcessorsAt(0, {0, 0}), ProcessorsAt(1, {kSecond / 4, kSecond})});
        CpuSampler sampler(source);
        sampler.TakeSample();
        sampler.TakeSample();
        EXPECT_EQ(sampler.SlotCount(), 2);
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.75);
        // Decided after the first sample: the kernel is not asked again.
        EXPECT_EQ(source.processorQueries, 1);
        EXPECT_EQ(source.perfQuerySizes.size(), 2u);
    }
}

TEST(CpuSampler, AChosenKernelSourceThatFailsReportsTheMissingObjectAndGoesOn) {
    FakeSource source;
    source.serveProcessorTimes({{5, 10, 5}}, {{kSecond / 2, kSecond, 0}});
    CpuSampler sampler(source);
    sampler.TakeSample();
    sampler.TakeSample();
    const auto good = source.processorTimes;
    source.processorTimes = [](void*, ULONG, ULONG&) { return kStatusNotImplemented; };
    EXPECT_EQ(ErrorText([&] { sampler.TakeSample(); }),
              "Unable to locate the \"Processor\" performance object");
    EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.5); // the last good interval stands
    EXPECT_TRUE(source.perfQuerySizes.empty());
    source.processorTimes = good;
    sampler.TakeSample();
    EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.5);
}

TEST(CpuSampler, GrowsTheKernelBufferForManyProcessors) {
    FakeSource source;
    std::vector<std::array<std::int64_t, 3>> start(100, {5, 10, 5});
    std::vector<std::array<std::int64_t, 3>> step(100, {kSecond / 2, kSecond, 0});
    source.serveProcessorTimes(start, step);
    CpuSampler sampler(source);
    sampler.TakeSample();
    sampler.TakeSample();
    EXPECT_EQ(sampler.SlotCount(), 100);
    EXPECT_DOUBLE_EQ(sampler.LoadFraction(99), 0.5);
}

TEST(CpuSampler, ReportsTheRegistryFailureWhenNeitherSourceWorks) {
    FakeSource source;
    CpuSampler sampler(source);
    EXPECT_EQ(ErrorText([&] { sampler.TakeSample(); }),
              "Unable to locate the \"Processor\" performance object");
    EXPECT_EQ(source.processorQueries, 1);
    // Nothing was decided: the next sample tries the kernel again first.
    source.serveProcessorTimes({{0, 0, 0}}, {{0, kSecond, 0}});
    EXPECT_EQ(sampler.SlotCount(), 1);
    EXPECT_EQ(source.processorQueries, 2);
    EXPECT_EQ(source.perfQuerySizes.size(), 1u);
}

class Statistic95 : public testing::Test {
protected:
    Statistic95() {
        source.platform = kVersion95;
        source.keys = {{"PerfStats\\StartStat", 0}, {"PerfStats\\StatData", 37}, {"PerfStats\\StopStat", 0}};
    }
    FakeSource source;
};

TEST_F(Statistic95, HasOneSlotReadAsAPercentage) {
    {
        CpuSampler sampler(source);
        EXPECT_FALSE(sampler.IsNT());
        EXPECT_EQ(sampler.SlotCount(), 1);
        EXPECT_EQ(ErrorText([&] { sampler.LoadFraction(1); }), "CPU index out of bounds");
        EXPECT_EQ(ErrorText([&] { sampler.LoadFraction(-1); }), "CPU index out of bounds");
        EXPECT_TRUE(source.reads.empty());
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.37); // starts the statistic first
        EXPECT_EQ(source.reads, (std::vector<std::string>{"PerfStats\\StartStat", "PerfStats\\StatData"}));
        EXPECT_EQ(source.openKeys, 1); // StatData stays open while started
        source.keys["PerfStats\\StatData"] = std::nullopt;
        sampler.TakeSample(); // a failed read keeps the last value
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.37);
    }
    EXPECT_EQ(source.reads.back(), "PerfStats\\StopStat");
    EXPECT_EQ(source.openKeys, 0);
    EXPECT_EQ(source.perfDataCloses, 0);
}

TEST_F(Statistic95, FailuresToStartAreRetriedWhole) {
    source.keys.erase("PerfStats\\StartStat");
    CpuSampler sampler(source);
    EXPECT_EQ(ErrorText([&] { sampler.TakeSample(); }), "Unable to start performance monitoring");
    source.keys["PerfStats\\StartStat"] = 0;
    source.keys.erase("PerfStats\\StatData");
    EXPECT_EQ(ErrorText([&] { sampler.TakeSample(); }), "Unable to read performance data");
    EXPECT_EQ(source.openKeys, 0);
    source.keys.insert({"PerfStats\\StatData", 50});
    sampler.TakeSample();
    EXPECT_EQ(source.reads, (std::vector<std::string>{"PerfStats\\StartStat", "PerfStats\\StartStat",
                                                      "PerfStats\\StatData"}));
    EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.5);
}

TEST_F(Statistic95, NeverStartedMeansNothingToStop) {
    { CpuSampler sampler(source); }
    EXPECT_TRUE(source.reads.empty());
}

} // namespace
} // namespace monitors
