#pragma once

#include "monitors/CpuDataSource.h"
#include "monitors/CpuSamplerCore.h"
#include "monitors/PerfData.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace monitors {

// One CPU usage sampler over a data source. On the NT family the first
// successful sample chooses where the counters come from for good: the
// kernel's per-processor times when the system has the query, otherwise the
// registry's processor object. Both give the same loads, but a registry
// query costs milliseconds where the kernel's takes microseconds, four times
// a second. Slots of the two sources mean different things (the registry
// adds a total), so they are never mixed.
class CpuSampler {
public:
    // Throws core::Error when the platform family cannot be told.
    explicit CpuSampler(ICpuDataSource& source);
    ~CpuSampler();
    CpuSampler(const CpuSampler&) = delete;
    CpuSampler& operator=(const CpuSampler&) = delete;

    void TakeSample();
    int SlotCount();
    double LoadFraction(int index);

    bool IsNT() const noexcept { return isNT_; }
    std::size_t PerfBufferSize() const noexcept { return perfBuffer_.size(); }

private:
    enum class NtSource { Undecided, Registry, Kernel };

    void TakeNtSample();
    PerfDataStatus SampleRegistry();
    bool SampleKernel();
    std::optional<std::span<const std::byte>> queryPerfData();
    std::optional<std::span<const std::byte>> QueryProcessorTimes();

    void SampleStatistic();
    void StopStatistic() noexcept;
    std::optional<DWORD> ReadCpuUsage(const SourceKey& key) noexcept;

    ICpuDataSource& source_;
    bool isNT_ = false;

    NtSource ntSource_ = NtSource::Undecided;
    std::vector<std::byte> perfBuffer_;
    bool perfDataQueried_ = false;
    std::vector<std::byte> kernelBuffer_;
    CpuSamplerCore core_;

    bool statisticStarted_ = false;
    SourceKey statisticKey_;
    DWORD reading_ = 0;
};

} // namespace monitors
