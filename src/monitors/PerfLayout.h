#pragma once

#include <cstdint>

// Byte layout of the registry performance-data records that the sampler reads.
// The title pointers of these records are DWORDs in the 64-bit build, so every
// offset below is the same for 32- and 64-bit Windows; PlatformLayout.cpp
// checks them against the system headers in both builds.
namespace monitors::perf_layout {

// PERF_DATA_BLOCK
inline constexpr std::uint32_t kBlockHeaderLength = 24;
inline constexpr std::uint32_t kBlockNumObjectTypes = 28;
inline constexpr std::uint32_t kBlockSystemTime = 36;
inline constexpr std::uint32_t kBlockSize = 88;

// PERF_OBJECT_TYPE
inline constexpr std::uint32_t kObjectTotalByteLength = 0;
inline constexpr std::uint32_t kObjectDefinitionLength = 4;
inline constexpr std::uint32_t kObjectHeaderLength = 8;
inline constexpr std::uint32_t kObjectNameTitleIndex = 12;
inline constexpr std::uint32_t kObjectNumCounters = 32;
inline constexpr std::uint32_t kObjectNumInstances = 40;
inline constexpr std::uint32_t kObjectSize = 64;

// PERF_COUNTER_DEFINITION
inline constexpr std::uint32_t kCounterByteLength = 0;
inline constexpr std::uint32_t kCounterNameTitleIndex = 4;
inline constexpr std::uint32_t kCounterOffset = 36;
inline constexpr std::uint32_t kCounterDefinitionSize = 40;

// PERF_INSTANCE_DEFINITION
inline constexpr std::uint32_t kInstanceByteLength = 0;
inline constexpr std::uint32_t kInstanceDefinitionSize = 24;

// PERF_COUNTER_BLOCK
inline constexpr std::uint32_t kCounterBlockByteLength = 0;
inline constexpr std::uint32_t kCounterBlockSize = 4;

// SYSTEMTIME: eight 16-bit fields in this order.
inline constexpr std::uint32_t kSystemTimeSize = 16;

// Title indexes of the processor object and of its idle-time counter
// (an inverse 100-ns timer: it advances while the processor is idle).
inline constexpr std::uint32_t kProcessorObjectTitle = 238;
inline constexpr std::uint32_t kProcessorTimeCounterTitle = 6;

} // namespace monitors::perf_layout
