// Checks the record layouts that the pure parsers use against the system headers.
#include "monitors/PerfLayout.h"
#include "monitors/ProcessorTimes.h"

#include <windows.h>
#include <winperf.h>
#include <winternl.h>

#include <cstddef>

namespace monitors {
namespace {

using namespace perf_layout;

static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == kBlockHeaderLength);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == kBlockNumObjectTypes);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == kBlockSystemTime);
static_assert(sizeof(PERF_DATA_BLOCK) == kBlockSize);
static_assert(sizeof(SYSTEMTIME) == kSystemTimeSize);
static_assert(offsetof(SYSTEMTIME, wMilliseconds) == kSystemTimeSize - sizeof(WORD));

static_assert(offsetof(PERF_OBJECT_TYPE, TotalByteLength) == kObjectTotalByteLength);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == kObjectDefinitionLength);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == kObjectHeaderLength);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == kObjectNameTitleIndex);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == kObjectNumCounters);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == kObjectNumInstances);
static_assert(sizeof(PERF_OBJECT_TYPE) == kObjectSize);

static_assert(offsetof(PERF_COUNTER_DEFINITION, ByteLength) == kCounterByteLength);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) == kCounterNameTitleIndex);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == kCounterOffset);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == kCounterDefinitionSize);

static_assert(offsetof(PERF_INSTANCE_DEFINITION, ByteLength) == kInstanceByteLength);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == kInstanceDefinitionSize);
static_assert(offsetof(PERF_COUNTER_BLOCK, ByteLength) == kCounterBlockByteLength);
static_assert(sizeof(PERF_COUNTER_BLOCK) == kCounterBlockSize);

using ProcessorRecord = SYSTEM_PROCESSOR_PERFORMANCE_INFORMATION;
static_assert(offsetof(ProcessorRecord, IdleTime) == processor_times_layout::kIdleTime);
static_assert(offsetof(ProcessorRecord, KernelTime) == processor_times_layout::kKernelTime);
static_assert(offsetof(ProcessorRecord, UserTime) == processor_times_layout::kUserTime);
static_assert(sizeof(ProcessorRecord) == processor_times_layout::kRecordSize);

// The version record the platform test fills in.
constexpr std::size_t kVersionInfoSize = 148;
static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize);

} // namespace
} // namespace monitors
