#include "monitors/PerfData.h"

#include "monitors/PerfLayout.h"
#include "monitors/SystemTimeStamp.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace monitors {
namespace {

using namespace perf_layout;
using Offset = ByteView::Offset;

std::optional<std::int64_t> ReadSystemTime(const ByteView& block) noexcept {
    std::array<std::uint16_t, kSystemTimeSize / sizeof(std::uint16_t)> words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto word = block.Read<std::uint16_t>(kBlockSystemTime + i * sizeof(std::uint16_t));
        if (!word) {
            return std::nullopt;
        }
        words[i] = *word;
    }
    const SystemTimeFields fields{words[0], words[1], words[2], words[3],
                                  words[4], words[5], words[6], words[7]};
    return SystemTimeToTicks(fields);
}

// The first object with the processor title. Every object must be at least a
// whole header long, which also guarantees that the walk moves forward.
std::optional<ByteView> FindProcessorObject(const ByteView& block) noexcept {
    const auto headerLength = block.Read<std::uint32_t>(kBlockHeaderLength);
    const auto objectCount = block.Read<std::uint32_t>(kBlockNumObjectTypes);
    if (!headerLength || !objectCount || *headerLength < kBlockSize) {
        return std::nullopt;
    }
    Offset at = *headerLength;
    for (std::uint32_t i = 0; i < *objectCount; ++i) {
        const auto length = block.Read<std::uint32_t>(at + kObjectTotalByteLength);
        if (!length || *length < kObjectSize) {
            return std::nullopt;
        }
        const auto object = block.Slice(at, *length);
        if (!object) {
            return std::nullopt;
        }
        if (object->Read<std::uint32_t>(kObjectNameTitleIndex) == kProcessorObjectTitle) {
            return object;
        }
        at += *length;
    }
    return std::nullopt;
}

// CounterOffset of the idle-time counter among the definitions that follow the
// object's header and end where its instances begin.
std::optional<std::uint32_t> FindIdleCounterOffset(const ByteView& object) noexcept {
    // The object is at least kObjectSize long, so its header fields are all there.
    const std::uint32_t headerLength = *object.Read<std::uint32_t>(kObjectHeaderLength);
    const std::uint32_t definitionLength = *object.Read<std::uint32_t>(kObjectDefinitionLength);
    const std::uint32_t counterCount = *object.Read<std::uint32_t>(kObjectNumCounters);
    if (headerLength < kObjectSize || definitionLength < headerLength) {
        return std::nullopt;
    }
    const auto definitions = object.Slice(headerLength, definitionLength - headerLength);
    if (!definitions) {
        return std::nullopt;
    }
    Offset at = 0;
    for (std::uint32_t i = 0; i < counterCount; ++i) {
        const auto length = definitions->Read<std::uint32_t>(at + kCounterByteLength);
        if (!length || *length < kCounterDefinitionSize || !definitions->Contains(at, *length)) {
            return std::nullopt;
        }
        if (definitions->Read<std::uint32_t>(at + kCounterNameTitleIndex) == kProcessorTimeCounterTitle) {
            return definitions->Read<std::uint32_t>(at + kCounterOffset);
        }
        at += *length;
    }
    return std::nullopt;
}

} // namespace

int ProcessorCounters::WalkInstances(std::uint64_t limit, std::span<std::int64_t> values) const noexcept {
    int count = 0;
    Offset at = firstInstance_;
    // Each step consumes at least an instance header and a counter block that
    // holds the value, so the walk ends within the object whatever the lengths say.
    while (static_cast<std::uint64_t>(count) < limit) {
        const auto instanceLength = object_.Read<std::uint32_t>(at + kInstanceByteLength);
        if (!instanceLength || *instanceLength < kInstanceDefinitionSize ||
            !object_.Contains(at, *instanceLength)) {
            break;
        }
        const Offset block = at + *instanceLength;
        const auto blockLength = object_.Read<std::uint32_t>(block + kCounterBlockByteLength);
        if (!blockLength || *blockLength < kCounterBlockSize ||
            static_cast<Offset>(counterOffset_) + sizeof(std::int64_t) > *blockLength ||
            !object_.Contains(block, *blockLength)) {
            break;
        }
        if (!values.empty()) {
            values[static_cast<std::size_t>(count)] = *object_.Read<std::int64_t>(block + counterOffset_);
        }
        ++count;
        at = block + *blockLength;
    }
    return count;
}

int ProcessorCounters::InstanceCount() const noexcept { return WalkInstances(declaredInstances_, {}); }

int ProcessorCounters::ReadValues(std::span<std::int64_t> values) const noexcept {
    return WalkInstances(std::min<std::uint64_t>(declaredInstances_, values.size()), values);
}

ProcessorCounters FindProcessorCounters(std::span<const std::byte> data) noexcept {
    const ByteView block(data);
    ProcessorCounters found;
    const auto time = ReadSystemTime(block);
    const auto object = FindProcessorObject(block);
    if (!time || !object) {
        return found; // ObjectMissing
    }
    const auto counterOffset = FindIdleCounterOffset(*object);
    if (!counterOffset) {
        found.status_ = PerfDataStatus::CounterMissing;
        return found;
    }
    const std::int32_t declared = *object->Read<std::int32_t>(kObjectNumInstances);
    found.systemTime_ = *time;
    found.object_ = *object;
    found.firstInstance_ = *object->Read<std::uint32_t>(kObjectDefinitionLength);
    found.counterOffset_ = *counterOffset;
    // A negative count means an object without instances; no processor to read then.
    found.declaredInstances_ = declared > 0 ? static_cast<std::uint32_t>(declared) : 0;
    const std::uint64_t first = std::min<std::uint64_t>(1, found.declaredInstances_);
    found.status_ = first == 1 && found.WalkInstances(first, {}) == 1 ? PerfDataStatus::Ok
                                                                      : PerfDataStatus::ObjectMissing;
    return found;
}

} // namespace monitors
