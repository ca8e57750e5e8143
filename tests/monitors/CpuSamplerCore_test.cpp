#include "monitors/CpuSamplerCore.h"

#include "core/Error.h"
#include "monitors/CpuSamples.h"
#include "monitors/ProcessorTimes.h"

#include "PerfDataBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace monitors {
namespace {

constexpr std::int64_t kSecond = 10'000'000; // 100-ns units

// One sample in which every slot shares the time stamp, as the registry gives it.
void Record(CpuSamplerCore& core, std::int64_t time, const std::vector<std::int64_t>& idle) {
    const CpuSlotWrite slots = core.BeginSample();
    for (std::size_t i = 0; i < idle.size(); ++i) {
        slots.idle[i] = idle[i];
        slots.clock[i] = time;
    }
}

std::string ErrorText(const std::function<void()>& call) {
    try {
        call();
    } catch (const core::Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(CpuSamplerCore, HasNoSlotsUntilFixedAndThenKeepsTheCount) {
    CpuSamplerCore core;
    EXPECT_EQ(core.SlotCount(), -1);
    EXPECT_FALSE(core.SlotsFixed());
    core.FixSlotCount(3);
    core.FixSlotCount(5);
    EXPECT_EQ(core.SlotCount(), 3);
    EXPECT_EQ(core.BeginSample().idle.size(), 3u);
}

TEST(CpuSamplerCore, RejectsIndexesOutsideTheSlots) {
    CpuSamplerCore core;
    EXPECT_EQ(ErrorText([&] { core.LoadFraction(0); }), "CPU index out of bounds");
    core.FixSlotCount(2);
    for (const int index : {-1, 2, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ErrorText([&] { core.LoadFraction(index); }), "CPU index out of bounds");
    }
    EXPECT_EQ(ErrorText([&] { core.LoadFraction(1); }), "no error");
}

TEST(CpuSamplerCore, LoadIsTheBusyShareOfTheInterval) {
    struct Case {
        const char* name;
        std::int64_t idleAdvance;
        std::int64_t timeAdvance;
        double load;
    };
    const std::vector<Case> cases = {
        {"a quarter idle", kSecond / 4, kSecond, 0.75},
        {"fully idle", kSecond, kSecond, 0.0},
        {"fully busy", 0, kSecond, 1.0},
        // The counter and the time stamp run on different clocks: no clamping.
        {"idle counter ran ahead", kSecond + kSecond / 20, kSecond, -0.05},
        {"equal time stamps", 123, 0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CpuSamplerCore core;
        core.FixSlotCount(1);
        const std::int64_t start = 133'604'148'304'000'000;
        Record(core, start, {5'000});
        Record(core, start + c.timeAdvance, {5'000 + c.idleAdvance});
        EXPECT_NEAR(core.LoadFraction(0), c.load, 1e-12);
    }
}

TEST(CpuSamplerCore, FirstSampleGivesNoLoad) {
    CpuSamplerCore core;
    core.FixSlotCount(2);
    EXPECT_EQ(core.LoadFraction(0), 0.0);
    Record(core, 42 * kSecond, {kSecond, 0});
    EXPECT_EQ(core.LoadFraction(0), 0.0);
    EXPECT_EQ(core.LoadFraction(1), 0.0);
}

TEST(CpuSamplerCore, SlotsWithoutAnInstanceKeepTheirValuesAndShowNoLoad) {
    CpuSamplerCore core;
    core.FixSlotCount(3);
    Record(core, 10 * kSecond, {0, 0, 0});
    Record(core, 11 * kSecond, {kSecond / 2, kSecond / 4, kSecond / 8});
    Record(core, 12 * kSecond, {kSecond}); // two processors gone
    EXPECT_DOUBLE_EQ(core.LoadFraction(0), 0.5);
    EXPECT_EQ(core.LoadFraction(1), 0.0);
    EXPECT_EQ(core.LoadFraction(2), 0.0);
    Record(core, 13 * kSecond, {kSecond, kSecond}); // one back
    EXPECT_DOUBLE_EQ(core.LoadFraction(0), 1.0);
    EXPECT_DOUBLE_EQ(core.LoadFraction(1), 1.0 - 0.75 / 2.0);
}

TEST(CpuSamplerCore, CountersThatWrapStillGiveTheInterval) {
    CpuSamplerCore core;
    core.FixSlotCount(1);
    constexpr std::int64_t kTop = std::numeric_limits<std::int64_t>::max();
    Record(core, kTop - kSecond / 2, {kTop - kSecond / 4});
    Record(core, std::numeric_limits<std::int64_t>::min() + kSecond / 2,
           {std::numeric_limits<std::int64_t>::min() + kSecond / 4});
    // Both counters crossed the top: each advanced by the distance to it, plus one for the step
    // over.
    EXPECT_DOUBLE_EQ(core.LoadFraction(0), 1.0 - (kSecond / 2.0 + 1) / (kSecond + 1.0));
}

std::vector<std::byte> ProcessorRecords(const std::vector<std::array<std::int64_t, 3>>& idleKernelUser) {
    using namespace processor_times_layout;
    std::vector<std::byte> bytes(idleKernelUser.size() * kRecordSize, std::byte{0xCD});
    for (std::size_t i = 0; i < idleKernelUser.size(); ++i) {
        const auto& [idle, kernel, user] = idleKernelUser[i];
        std::memcpy(&bytes[i * kRecordSize + kIdleTime], &idle, sizeof(idle));
        std::memcpy(&bytes[i * kRecordSize + kKernelTime], &kernel, sizeof(kernel));
        std::memcpy(&bytes[i * kRecordSize + kUserTime], &user, sizeof(user));
    }
    return bytes;
}

TEST(ProcessorTimes, CountsWholeRecordsOnly) {
    using processor_times_layout::kRecordSize;
    for (const auto& [bytes, records] : std::vector<std::pair<std::size_t, int>>{
             {0, 0}, {kRecordSize - 1, 0}, {kRecordSize, 1}, {3 * kRecordSize - 1, 2}}) {
        SCOPED_TRACE(bytes);
        const std::vector<std::byte> data(bytes);
        EXPECT_EQ(ProcessorRecordCount(data), records);
        std::vector<std::int64_t> idle(4, -1), clock(4, -1);
        EXPECT_EQ(ReadProcessorTimes(data, idle, clock), records);
        EXPECT_EQ(idle[static_cast<std::size_t>(records)], -1); // nothing past the records
    }
}

TEST(ProcessorTimes, LoadIsOneLessTheIdleShareOfKernelPlusUser) {
    // Kernel time includes idle time; per processor: idle, kernel, user.
    CpuSamplerCore core;
    ASSERT_TRUE(RecordKernelSample(core, ProcessorRecords({{100, 300, 100}, {0, 0, 0}, {50, 50, 0}})));
    EXPECT_EQ(core.SlotCount(), 3);
    EXPECT_EQ(core.LoadFraction(0), 0.0);
    ASSERT_TRUE(RecordKernelSample(core, ProcessorRecords({{400, 700, 300}, {0, 0, 0}, {50, 50, 80}})));
    EXPECT_DOUBLE_EQ(core.LoadFraction(0), 1.0 - 300.0 / 600.0);
    EXPECT_EQ(core.LoadFraction(1), 0.0); // nothing accounted: no division by zero
    EXPECT_DOUBLE_EQ(core.LoadFraction(2), 1.0);
}

TEST(ProcessorTimes, NoWholeRecordIsNoSample) {
    CpuSamplerCore core;
    EXPECT_FALSE(RecordKernelSample(core, std::vector<std::byte>(processor_times_layout::kRecordSize - 1)));
    EXPECT_FALSE(core.SlotsFixed());
}

TEST(RegistrySample, FirstBlockFixesTheSlotsLaterOnesFillWhatTheyList) {
    using perf_test::BuildPerfData;
    using perf_test::Processors;
    CpuSamplerCore core;
    SystemTimeFields time = perf_test::kSampleTime;
    auto record = [&](std::uint16_t second, std::vector<std::int64_t> idle) {
        time.second = second;
        const perf_test::PerfData data = BuildPerfData({Processors(std::move(idle))}, time);
        const ProcessorCounters found = FindProcessorCounters(data.bytes);
        ASSERT_EQ(found.Status(), PerfDataStatus::Ok);
        RecordRegistrySample(core, found);
    };
    record(0, {0, 0});
    EXPECT_EQ(core.SlotCount(), 2);
    record(4, {kSecond, 3 * kSecond, 7 * kSecond}); // a third processor is not followed
    EXPECT_EQ(core.SlotCount(), 2);
    EXPECT_DOUBLE_EQ(core.LoadFraction(0), 0.75);
    EXPECT_DOUBLE_EQ(core.LoadFraction(1), 0.25);
    record(8, {kSecond}); // the second one is gone
    EXPECT_DOUBLE_EQ(core.LoadFraction(0), 1.0);
    EXPECT_EQ(core.LoadFraction(1), 0.0);
}

} // namespace
} // namespace monitors
