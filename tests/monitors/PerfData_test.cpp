#include "monitors/PerfData.h"

#include "PerfDataBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace monitors {
namespace {

using namespace perf_test;

// 2024-05-17 10:20:30.400 in 100-ns units since 1601 (worked out independently).
constexpr std::int64_t kSampleTicks = 133'604'148'304'000'000;
constexpr std::uint32_t kHuge = std::numeric_limits<std::uint32_t>::max();

std::vector<std::int64_t> ReadAll(const ProcessorCounters& found) {
    std::vector<std::int64_t> values(16, 0);
    values.resize(static_cast<std::size_t>(found.ReadValues(values)));
    return values;
}

TEST(PerfData, ReadsEveryProcessorInstanceAndTheTimeStamp) {
    const PerfData data = TwoProcessors(1000, 2000, 3000);
    const ProcessorCounters found = FindProcessorCounters(data.bytes);
    ASSERT_EQ(found.Status(), PerfDataStatus::Ok);
    EXPECT_EQ(found.systemTime(), kSampleTicks);
    EXPECT_EQ(found.InstanceCount(), 3);
    EXPECT_EQ(ReadAll(found), (std::vector<std::int64_t>{1000, 2000, 3000}));
}

TEST(PerfData, ReportsWhatIsMissing) {
    struct Case {
        const char* name;
        std::vector<ObjectSpec> objects;
        PerfDataStatus expected;
    };
    const std::vector<Case> cases = {
        {"no objects", {}, PerfDataStatus::ObjectMissing},
        {"other objects only",
         {Object(kOtherObjectTitle, {1}), Object(4, {2})},
         PerfDataStatus::ObjectMissing},
        {"no idle counter",
         {WithCounters(Processors({1, 2}), {{2, 8}, {4, 16}})},
         PerfDataStatus::CounterMissing},
        {"no counters at all", {WithCounters(Processors({1}), {})}, PerfDataStatus::CounterMissing},
        {"no instances", {Processors({})}, PerfDataStatus::ObjectMissing},
        {"object without instances", {Declaring(Processors({1}), -1)}, PerfDataStatus::ObjectMissing},
        {"only the first processor object counts",
         {Processors({11}), WithCounters(Processors({22}), {{4, 8}})},
         PerfDataStatus::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindProcessorCounters(BuildPerfData(c.objects).bytes).Status(), c.expected);
    }
}

TEST(PerfData, EveryTruncationFailsWithoutReadingPastTheEnd) {
    const PerfData data = TwoProcessors(1, 2, 3);
    for (std::size_t length = 0; length < data.bytes.size(); ++length) {
        // A separate allocation of exactly this size, so an overread is caught.
        const std::vector<std::byte> prefix(data.bytes.begin(),
                                            data.bytes.begin() + static_cast<std::ptrdiff_t>(length));
        const ProcessorCounters found = FindProcessorCounters(prefix);
        ASSERT_EQ(found.Status(), PerfDataStatus::ObjectMissing) << "length " << length;
    }
}

TEST(PerfData, LyingFieldsNeverLeadOutsideTheData) {
    struct Case {
        const char* name;
        std::function<void(PerfData&)> lie;
        PerfDataStatus expected;
        int instances; // when Ok
    };
    auto processor = [](const PerfData& d) { return d.objects.back(); };
    const std::vector<Case> cases = {
        {"block header too short", [](PerfData& d) { d.put<std::uint32_t>(kBlockHeaderLength, 0); },
         PerfDataStatus::ObjectMissing, 0},
        {"block header past the end", [](PerfData& d) { d.put<std::uint32_t>(kBlockHeaderLength, kHuge); },
         PerfDataStatus::ObjectMissing, 0},
        {"zero-length object before the processor",
         [](PerfData& d) {
             d.put<std::uint32_t>(kBlockNumObjectTypes, kHuge);
             d.put<std::uint32_t>(d.objects.front() + kObjectTotalByteLength, 0);
         },
         PerfDataStatus::ObjectMissing, 0},
        {"object longer than the data",
         [&](PerfData& d) { d.put<std::uint32_t>(processor(d) + kObjectTotalByteLength, kHuge); },
         PerfDataStatus::ObjectMissing, 0},
        {"object count beyond the data",
         [&](PerfData& d) {
             d.put<std::uint32_t>(kBlockNumObjectTypes, kHuge);
             d.put<std::uint32_t>(processor(d) + kObjectNameTitleIndex, kOtherObjectTitle);
         },
         PerfDataStatus::ObjectMissing, 0},
        {"object header shorter than the record",
         [&](PerfData& d) { d.put<std::uint32_t>(processor(d) + kObjectHeaderLength, 0); },
         PerfDataStatus::CounterMissing, 0},
        {"definitions end before the header",
         [&](PerfData& d) { d.put<std::uint32_t>(processor(d) + kObjectDefinitionLength, 8); },
         PerfDataStatus::CounterMissing, 0},
        {"definitions past the object",
         [&](PerfData& d) { d.put<std::uint32_t>(processor(d) + kObjectDefinitionLength, kHuge); },
         PerfDataStatus::CounterMissing, 0},
        {"zero-length counter definition",
         [&](PerfData& d) {
             d.put<std::uint32_t>(processor(d) + kObjectNumCounters, kHuge);
             d.put<std::uint32_t>(processor(d) + kObjectSize + kCounterByteLength, 0);
         },
         PerfDataStatus::CounterMissing, 0},
        {"counter definition past the definitions",
         [&](PerfData& d) {
             d.put<std::uint32_t>(processor(d) + kObjectSize + kCounterByteLength, kHuge - 3);
         },
         PerfDataStatus::CounterMissing, 0},
        {"counter count beyond the definitions",
         [&](PerfData& d) {
             d.put<std::uint32_t>(processor(d) + kObjectNumCounters, kHuge);
             d.put<std::uint32_t>(
                 processor(d) + kObjectSize + kCounterDefinitionSize + kCounterNameTitleIndex, 99);
         },
         PerfDataStatus::CounterMissing, 0},
        {"counter offset past every block",
         [&](PerfData& d) {
             d.put<std::uint32_t>(processor(d) + kObjectSize + kCounterDefinitionSize + kCounterOffset,
                                  kHuge - 4);
         },
         PerfDataStatus::ObjectMissing, 0},
        {"counter value one byte past the block",
         [&](PerfData& d) {
             d.put<std::uint32_t>(processor(d) + kObjectSize + kCounterDefinitionSize + kCounterOffset, 17);
         },
         PerfDataStatus::ObjectMissing, 0},
        {"instance count beyond the data",
         [&](PerfData& d) {
             d.put<std::int32_t>(processor(d) + kObjectNumInstances,
                                 std::numeric_limits<std::int32_t>::max());
         },
         PerfDataStatus::Ok, 3},
        {"fewer instances declared than listed",
         [&](PerfData& d) { d.put<std::int32_t>(processor(d) + kObjectNumInstances, 2); }, PerfDataStatus::Ok,
         2},
        {"first instance of zero length",
         [](PerfData& d) { d.put<std::uint32_t>(d.instances[0] + kInstanceByteLength, 0); },
         PerfDataStatus::ObjectMissing, 0},
        {"second instance of zero length",
         [](PerfData& d) { d.put<std::uint32_t>(d.instances[1] + kInstanceByteLength, 0); },
         PerfDataStatus::Ok, 1},
        {"second instance past the object",
         [](PerfData& d) { d.put<std::uint32_t>(d.instances[1] + kInstanceByteLength, kHuge); },
         PerfDataStatus::Ok, 1},
        {"zero-length counter block",
         [](PerfData& d) { d.put<std::uint32_t>(d.blocks[1] + kCounterBlockByteLength, 0); },
         PerfDataStatus::Ok, 1},
        {"counter block past the object",
         [](PerfData& d) { d.put<std::uint32_t>(d.blocks[2] + kCounterBlockByteLength, kHuge); },
         PerfDataStatus::Ok, 2},
        {"counter block too short for the value",
         [](PerfData& d) { d.put<std::uint32_t>(d.blocks[2] + kCounterBlockByteLength, 23); },
         PerfDataStatus::Ok, 2},
        {"month 13", [](PerfData& d) { d.put<std::uint16_t>(kBlockSystemTime + 2, 13); },
         PerfDataStatus::ObjectMissing, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PerfData data = TwoProcessors(1, 2, 3);
        c.lie(data);
        const std::vector<std::byte> exact = data.bytes;
        const ProcessorCounters found = FindProcessorCounters(exact);
        ASSERT_EQ(found.Status(), c.expected);
        if (c.expected == PerfDataStatus::Ok) {
            EXPECT_EQ(found.InstanceCount(), c.instances);
            const std::vector<std::int64_t> all{1, 2, 3};
            EXPECT_EQ(ReadAll(found), std::vector<std::int64_t>(all.begin(), all.begin() + c.instances));
        }
    }
}

} // namespace
} // namespace monitors
