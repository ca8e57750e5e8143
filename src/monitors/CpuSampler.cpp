#include "monitors/CpuSampler.h"

#include "core/Error.h"
#include "monitors/CpuErrors.h"
#include "monitors/CpuSamples.h"
#include "monitors/ProcessorTimes.h"

#include <algorithm>

namespace monitors {
namespace {

constexpr std::size_t kPerfBufferInitialSize = 8192;
constexpr std::size_t kPerfBufferStep = 4096;
// The processor object of even a very large machine is far below this; a
// query that still wants more is not going to be satisfied.
constexpr std::size_t kPerfBufferLimit = 4 * 1024 * 1024;
constexpr char kProcessorObjectList[] = "238";

// The query reports one processor group, which holds at most 64 processors.
constexpr std::size_t kKernelBufferInitialRecords = 64;
constexpr std::size_t kKernelBufferLimit = 64 * 1024;

constexpr char kStartStatKey[] = "PerfStats\\StartStat";
constexpr char kStatDataKey[] = "PerfStats\\StatData";
constexpr char kStopStatKey[] = "PerfStats\\StopStat";
constexpr char kCpuUsageValue[] = "KERNEL\\CPUUsage";
constexpr double kPercent = 100.0;

[[noreturn]] void ThrowSampleFailure(PerfDataStatus status) {
    throw core::Error(status == PerfDataStatus::CounterMissing ? cpu_errors::kNoIdleCounter
                                                               : cpu_errors::kNoProcessorObject);
}

} // namespace

CpuSampler::CpuSampler(ICpuDataSource& source) : source_(source), perfBuffer_(kPerfBufferInitialSize) {
    DWORD platform = 0;
    if (!source_.PlatformId(platform)) {
        throw core::Error(cpu_errors::kNoVersion);
    }
    isNT_ = platform == VER_PLATFORM_WIN32_NT;
}

CpuSampler::~CpuSampler() {
    StopStatistic();
    // The query loaded the counter providers; closing the key lets them go.
    if (perfDataQueried_) {
        source_.CloseKey(HKEY_PERFORMANCE_DATA);
    }
}

void CpuSampler::TakeSample() {
    if (isNT_) {
        TakeNtSample();
    } else {
        SampleStatistic();
    }
}

int CpuSampler::SlotCount() {
    if (!isNT_) {
        return 1;
    }
    if (!core_.SlotsFixed()) {
        TakeNtSample();
    }
    return core_.SlotCount();
}

double CpuSampler::LoadFraction(int index) {
    if (isNT_) {
        if (!core_.SlotsFixed()) {
            TakeNtSample();
        }
        return core_.LoadFraction(index);
    }
    if (index != 0) {
        throw core::Error(cpu_errors::kIndexOutOfBounds);
    }
    if (!statisticStarted_) {
        SampleStatistic();
    }
    return reading_ / kPercent;
}

void CpuSampler::TakeNtSample() {
    switch (ntSource_) {
    case NtSource::Registry:
        if (const PerfDataStatus status = SampleRegistry(); status != PerfDataStatus::Ok) {
            ThrowSampleFailure(status);
        }
        return;
    case NtSource::Kernel:
        if (!SampleKernel()) {
            throw core::Error(cpu_errors::kNoProcessorObject);
        }
        return;
    case NtSource::Undecided:
        if (SampleKernel()) {
            ntSource_ = NtSource::Kernel;
            return;
        }
        if (const PerfDataStatus status = SampleRegistry(); status != PerfDataStatus::Ok) {
            ThrowSampleFailure(status);
        }
        ntSource_ = NtSource::Registry;
        return;
    }
}

PerfDataStatus CpuSampler::SampleRegistry() {
    const auto data = queryPerfData();
    if (!data) {
        return PerfDataStatus::ObjectMissing;
    }
    const ProcessorCounters found = FindProcessorCounters(*data);
    if (found.Status() != PerfDataStatus::Ok) {
        return found.Status();
    }
    RecordRegistrySample(core_, found);
    return PerfDataStatus::Ok;
}

bool CpuSampler::SampleKernel() {
    const auto data = QueryProcessorTimes();
    return data && RecordKernelSample(core_, *data);
}

// The bytes the query returned, or nothing when it failed: a failed query may
// leave the previous sample in the buffer, which must not pass for a new one.
std::optional<std::span<const std::byte>> CpuSampler::queryPerfData() {
    perfDataQueried_ = true;
    for (;;) {
        DWORD size = static_cast<DWORD>(perfBuffer_.size());
        const LONG result = source_.QueryValue(HKEY_PERFORMANCE_DATA, kProcessorObjectList,
                                               reinterpret_cast<BYTE*>(perfBuffer_.data()), size);
        if (result == ERROR_SUCCESS) {
            return std::span<const std::byte>(perfBuffer_)
                .first(std::min<std::size_t>(size, perfBuffer_.size()));
        }
        // The size the query reports back is not reliable for performance
        // data, hence the fixed steps.
        if (result != ERROR_MORE_DATA || perfBuffer_.size() + kPerfBufferStep > kPerfBufferLimit) {
            return std::nullopt;
        }
        perfBuffer_.resize(perfBuffer_.size() + kPerfBufferStep);
    }
}

std::optional<std::span<const std::byte>> CpuSampler::QueryProcessorTimes() {
    if (kernelBuffer_.empty()) {
        kernelBuffer_.resize(kKernelBufferInitialRecords * processor_times_layout::kRecordSize);
    }
    for (;;) {
        ULONG returned = 0;
        const LONG status = source_.QueryProcessorTimes(kernelBuffer_.data(),
                                                        static_cast<ULONG>(kernelBuffer_.size()), returned);
        if (status == kStatusSuccess) {
            return std::span<const std::byte>(kernelBuffer_)
                .first(std::min<std::size_t>(returned, kernelBuffer_.size()));
        }
        if (status != kStatusInfoLengthMismatch || kernelBuffer_.size() * 2 > kKernelBufferLimit) {
            return std::nullopt;
        }
        kernelBuffer_.resize(kernelBuffer_.size() * 2);
    }
}

void CpuSampler::SampleStatistic() {
    if (!statisticStarted_) {
        {
            const SourceKey start = OpenSourceKey(source_, HKEY_DYN_DATA, kStartStatKey, KEY_ALL_ACCESS);
            if (!start) {
                throw core::Error(cpu_errors::kCannotStartStatistic);
            }
            // Reading this value is what starts the statistic.
            reading_ = ReadCpuUsage(start).value_or(reading_);
        }
        statisticKey_ = OpenSourceKey(source_, HKEY_DYN_DATA, kStatDataKey, KEY_READ);
        if (!statisticKey_) {
            throw core::Error(cpu_errors::kCannotReadStatistic);
        }
        statisticStarted_ = true;
    }
    reading_ = ReadCpuUsage(statisticKey_).value_or(reading_);
}

void CpuSampler::StopStatistic() noexcept {
    if (!statisticStarted_) {
        return;
    }
    statisticStarted_ = false;
    statisticKey_.Reset();
    // Reading this value is what stops the statistic; nothing to do if it fails.
    if (const SourceKey stop = OpenSourceKey(source_, HKEY_DYN_DATA, kStopStatKey, KEY_ALL_ACCESS)) {
        ReadCpuUsage(stop);
    }
}

std::optional<DWORD> CpuSampler::ReadCpuUsage(const SourceKey& key) noexcept {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (source_.QueryValue(key.Get(), kCpuUsageValue, reinterpret_cast<BYTE*>(&value), size) !=
            ERROR_SUCCESS ||
        size != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace monitors
