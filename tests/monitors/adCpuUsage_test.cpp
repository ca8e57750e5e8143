#include "monitors/adCpuUsage.h"

#include "monitors/CpuSampler.h"
#include "monitors/ProcessorTimes.h"
#include "rtl/Error.h"

#include "PerfDataBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace monitors {
namespace {

constexpr DWORD kVersion95 = VER_PLATFORM_WIN32_WINDOWS;
constexpr std::int64_t kSecond = 10'000'000;

// Plays the system: a version, a registry of DWORD values and the kernel query.
class FakeSource final : public ICpuDataSource {
public:
    std::optional<DWORD> platform = VER_PLATFORM_WIN32_NT;

    // Performance data: answers a query with a buffer of `size` bytes.
    std::function<LONG(BYTE* data, DWORD& size)> perfData = [](BYTE*, DWORD& size) {
        size = 0;
        return LONG{ERROR_SUCCESS};
    };
    std::vector<DWORD> perfQuerySizes;

    std::function<LONG(void* data, ULONG size, ULONG& returned)> processorTimes = [](void*, ULONG, ULONG&) {
        return kStatusNotImplemented;
    };
    int processorQueries = 0;

    // Keys that open, by path, and their CPUUsage value (nothing: the read fails).
    std::map<std::string, std::optional<DWORD>> keys;
    std::vector<std::string> reads; // paths whose value was read, in order
    int openKeys = 0;
    int perfDataCloses = 0;

    bool PlatformId(DWORD& id) noexcept override {
        if (platform) {
            id = *platform;
        }
        return platform.has_value();
    }

    LONG OpenKey(HKEY root, const char* path, REGSAM, HKEY& key) noexcept override {
        const auto found = keys.find(path);
        if (root != HKEY_DYN_DATA || found == keys.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        key = reinterpret_cast<HKEY>(&*found);
        ++openKeys;
        return ERROR_SUCCESS;
    }

    LONG QueryValue(HKEY key, const char* name, BYTE* data, DWORD& size) noexcept override {
        if (key == HKEY_PERFORMANCE_DATA) {
            EXPECT_STREQ(name, "238");
            perfQuerySizes.push_back(size);
            return perfData(data, size);
        }
        EXPECT_STREQ(name, "KERNEL\\CPUUsage");
        const auto& [path, value] =
            *reinterpret_cast<std::pair<const std::string, std::optional<DWORD>>*>(key);
        reads.push_back(path);
        if (!value || size < sizeof(DWORD)) {
            return ERROR_FILE_NOT_FOUND;
        }
        std::memcpy(data, &*value, sizeof(DWORD));
        size = sizeof(DWORD);
        return ERROR_SUCCESS;
    }

    void CloseKey(HKEY key) noexcept override {
        if (key == HKEY_PERFORMANCE_DATA) {
            ++perfDataCloses;
        } else {
            --openKeys;
        }
    }

    LONG QueryProcessorTimes(void* data, ULONG size, ULONG& returned) noexcept override {
        ++processorQueries;
        return processorTimes(data, size, returned);
    }

    // Serves one built block of performance data per query, the last one for good.
    void servePerfData(std::vector<perf_test::PerfData> blocks) {
        perfData = [blocks = std::move(blocks), next = std::size_t{0}](BYTE* data, DWORD& size) mutable {
            const std::vector<std::byte>& bytes = blocks[std::min(next++, blocks.size() - 1)].bytes;
            if (size < bytes.size()) {
                return LONG{ERROR_MORE_DATA};
            }
            std::memcpy(data, bytes.data(), bytes.size());
            size = static_cast<DWORD>(bytes.size());
            return LONG{ERROR_SUCCESS};
        };
    }

    // Serves per-processor (idle, kernel, user) times, advancing by `step` per query.
    void serveProcessorTimes(std::vector<std::array<std::int64_t, 3>> start,
                             std::vector<std::array<std::int64_t, 3>> step) {
        processorTimes = [start, step, n = 0](void* data, ULONG size, ULONG& returned) mutable {
            using namespace processor_times_layout;
            if (size < start.size() * kRecordSize) {
                return kStatusInfoLengthMismatch;
            }
            auto* bytes = static_cast<std::byte*>(data);
            for (std::size_t i = 0; i < start.size(); ++i) {
                for (std::size_t field = 0; field < 3; ++field) {
                    const std::int64_t value = start[i][field] + n * step[i][field];
                    std::memcpy(bytes + i * kRecordSize + field * sizeof(value), &value, sizeof(value));
                }
            }
            ++n;
            returned = static_cast<ULONG>(start.size() * kRecordSize);
            return kStatusSuccess;
        };
    }
};

template <typename Call>
std::string ErrorText(Call&& call) {
    try {
        call();
    } catch (const rtl::Error& error) {
        return error.what();
    }
    return "no error";
}

perf_test::PerfData ProcessorsAt(std::uint16_t second, std::vector<std::int64_t> idle) {
    monitors::SystemTimeFields time = perf_test::kSampleTime;
    time.second = second;
    return perf_test::BuildPerfData({perf_test::Processors(std::move(idle))}, time);
}

TEST(adCpuUsage, RealSourcesGiveFiniteLoads) {
    // Wine publishes no processor object, so this runs on the kernel's times;
    // Windows normally takes the registry's.
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
    EXPECT_EQ(source.processorQueries, 0);
    CloseCpuSampler();
    EXPECT_EQ(source.perfDataCloses, 1);
}

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
        FakeSource source;
        source.serveProcessorTimes({{0, 0, 0}}, {{kSecond, kSecond, 0}}); // must not be consulted
        source.servePerfData({ProcessorsAt(0, {0, 0}), ProcessorsAt(1, {kSecond / 2, kSecond})});
        CpuSampler sampler(source);
        sampler.TakeSample();
        sampler.TakeSample();
        source.perfData = c.answer;
        EXPECT_EQ(ErrorText([&] { sampler.TakeSample(); }), c.error);
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.5);
        EXPECT_DOUBLE_EQ(sampler.LoadFraction(1), 0.0);
        EXPECT_EQ(source.processorQueries, 0);
    }
}

TEST(CpuSampler, FallsBackToKernelTimesWithoutAProcessorObject) {
    FakeSource source; // the registry answers with no objects, as under Wine
    source.serveProcessorTimes({{100, 300, 200}, {100, 300, 200}},
                               {{kSecond / 4, kSecond / 2, kSecond / 2}, {0, kSecond / 2, kSecond / 2}});
    CpuSampler sampler(source);
    sampler.TakeSample();
    EXPECT_EQ(sampler.SlotCount(), 2);
    sampler.TakeSample();
    EXPECT_DOUBLE_EQ(sampler.LoadFraction(0), 0.75);
    EXPECT_DOUBLE_EQ(sampler.LoadFraction(1), 1.0);
    // The choice holds: the registry is not asked again.
    EXPECT_EQ(source.perfQuerySizes.size(), 1u);
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
    // Nothing was decided: the next sample tries both again.
    source.serveProcessorTimes({{0, 0, 0}}, {{0, kSecond, 0}});
    EXPECT_EQ(sampler.SlotCount(), 1);
    EXPECT_EQ(source.perfQuerySizes.size(), 2u);
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
