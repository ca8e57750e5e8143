#pragma once

// Assembles registry performance data the way the system lays it out, for
// tests, the benchmark and the fuzzer's seeds.

#include "monitors/PerfLayout.h"
#include "monitors/SystemTimeStamp.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace perf_test {

using namespace monitors::perf_layout;

struct CounterSpec {
    std::uint32_t title;
    std::uint32_t offset; // into the counter block
};

struct ObjectSpec {
    std::uint32_t title = kProcessorObjectTitle;
    // A decoy counter first, so that the search has to skip one.
    std::vector<CounterSpec> counters{{kProcessorTimeCounterTitle + 1, 8}, {kProcessorTimeCounterTitle, 16}};
    std::vector<std::int64_t> values;              // one instance per value, for the counter titled 6
    std::optional<std::int32_t> declaredInstances; // NumInstances; default values.size()
};

inline ObjectSpec Object(std::uint32_t title, std::vector<std::int64_t> values) {
    ObjectSpec wanted;
    wanted.title = title;
    wanted.values = std::move(values);
    return wanted;
}

inline ObjectSpec Processors(std::vector<std::int64_t> values) {
    return Object(kProcessorObjectTitle, std::move(values));
}

inline ObjectSpec WithCounters(ObjectSpec wanted, std::vector<CounterSpec> counters) {
    wanted.counters = std::move(counters);
    return wanted;
}

inline ObjectSpec Declaring(ObjectSpec wanted, std::int32_t instances) {
    wanted.declaredInstances = instances;
    return wanted;
}

// 2024-05-17 10:20:30.400 UTC
inline constexpr monitors::SystemTimeFields kSampleTime{2024, 5, 5, 17, 10, 20, 30, 400};
inline constexpr std::int64_t kDecoyCounterValue = -7;
inline constexpr std::uint32_t kOtherObjectTitle = 230; // any object but the processor
inline constexpr std::uint32_t kInstanceNameBytes = 8;  // "0" and padding, UTF-16

struct PerfData {
    std::vector<std::byte> bytes;
    std::vector<std::size_t> objects;   // where each object starts
    std::vector<std::size_t> instances; // instances of the last object
    std::vector<std::size_t> blocks;    // their counter blocks

    template <typename T>
    void put(std::size_t at, T value) {
        std::memcpy(bytes.data() + at, &value, sizeof(T));
    }
};

inline PerfData BuildPerfData(const std::vector<ObjectSpec>& objects,
                              const monitors::SystemTimeFields& time = kSampleTime) {
    constexpr std::uint32_t kSystemNameBytes = 8;
    PerfData data;
    auto grow = [&](std::size_t size) {
        const std::size_t at = data.bytes.size();
        data.bytes.resize(at + size);
        return at;
    };
    grow(kBlockSize + kSystemNameBytes);
    const char16_t signature[] = u"PERF";
    std::memcpy(data.bytes.data(), signature, 4 * sizeof(char16_t));
    data.put<std::uint32_t>(kBlockHeaderLength, kBlockSize + kSystemNameBytes);
    data.put<std::uint32_t>(kBlockNumObjectTypes, static_cast<std::uint32_t>(objects.size()));
    const std::uint16_t words[] = {time.year, time.month,  time.dayOfWeek, time.day,
                                   time.hour, time.minute, time.second,    time.milliseconds};
    std::memcpy(data.bytes.data() + kBlockSystemTime, words, sizeof(words));

    for (const ObjectSpec& wanted : objects) {
        const std::size_t object = grow(kObjectSize);
        data.objects.push_back(object);
        data.instances.clear();
        data.blocks.clear();
        std::uint32_t blockLength = 2 * kCounterBlockSize; // length field and padding
        for (const CounterSpec& counter : wanted.counters) {
            const std::size_t at = grow(kCounterDefinitionSize);
            data.put<std::uint32_t>(at + kCounterByteLength, kCounterDefinitionSize);
            data.put<std::uint32_t>(at + kCounterNameTitleIndex, counter.title);
            data.put<std::uint32_t>(at + kCounterOffset, counter.offset);
            blockLength = std::max<std::uint32_t>(blockLength, counter.offset + sizeof(std::int64_t));
        }
        const auto definitionLength = static_cast<std::uint32_t>(data.bytes.size() - object);
        for (const std::int64_t value : wanted.values) {
            const std::size_t instance = grow(kInstanceDefinitionSize + kInstanceNameBytes);
            data.instances.push_back(instance);
            data.put<std::uint32_t>(instance + kInstanceByteLength,
                                    kInstanceDefinitionSize + kInstanceNameBytes);
            const std::size_t block = grow(blockLength);
            data.blocks.push_back(block);
            data.put<std::uint32_t>(block + kCounterBlockByteLength, blockLength);
            for (const CounterSpec& counter : wanted.counters) {
                data.put<std::int64_t>(block + counter.offset, counter.title == kProcessorTimeCounterTitle
                                                                   ? value
                                                                   : kDecoyCounterValue);
            }
        }
        data.put<std::uint32_t>(object + kObjectTotalByteLength,
                                static_cast<std::uint32_t>(data.bytes.size() - object));
        data.put<std::uint32_t>(object + kObjectDefinitionLength, definitionLength);
        data.put<std::uint32_t>(object + kObjectHeaderLength, kObjectSize);
        data.put<std::uint32_t>(object + kObjectNameTitleIndex, wanted.title);
        data.put<std::uint32_t>(object + kObjectNumCounters,
                                static_cast<std::uint32_t>(wanted.counters.size()));
        data.put<std::int32_t>(
            object + kObjectNumInstances,
            wanted.declaredInstances.value_or(static_cast<std::int32_t>(wanted.values.size())));
    }
    return data;
}

// Two processors and the total, after an unrelated object.
inline PerfData TwoProcessors(std::int64_t cpu0, std::int64_t cpu1, std::int64_t total,
                              const monitors::SystemTimeFields& time = kSampleTime) {
    return BuildPerfData({Object(kOtherObjectTitle, {1}), Processors({cpu0, cpu1, total})}, time);
}

} // namespace perf_test
