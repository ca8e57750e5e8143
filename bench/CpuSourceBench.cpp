// What one processor-load sample costs through each source the sampler can
// use on the NT family: the kernel's per-processor times and the registry's
// performance data. Prints the first call (which loads whatever the source
// needs) apart from the mean of the calls after it.
//   cpu_source_bench.exe [calls, default 200]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "monitors/CpuDataSource.h"
#include "monitors/CpuSampler.h"
#include "monitors/ProcessorTimes.h"

namespace {

using monitors::ICpuDataSource;
using monitors::SystemCpuDataSource;

constexpr int kDefaultCalls = 200;
constexpr int kMaxCalls = 100000;
constexpr DWORD kPerfBufferSize = 8192;
constexpr DWORD kPerfBufferStep = 4096;
constexpr std::size_t kKernelRecords = 64; // one processor group
constexpr ULONG kKernelBufferSize = kKernelRecords * monitors::processor_times_layout::kRecordSize;

double NowUs() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e6 / frequency;
}

// Runs `call` once, then `calls` more times; prints both timings and the
// outcome the last call reported.
void Time(const char* what, int calls, const std::function<std::string()>& call) {
    double start = NowUs();
    call();
    const double first = NowUs() - start;
    std::string outcome;
    start = NowUs();
    for (int i = 0; i < calls; ++i) outcome = call();
    const double mean = (NowUs() - start) / calls;
    std::printf("  %-44s first %9.1f us, then mean %8.1f us  (%s)\n", what, first, mean, outcome.c_str());
}

// The system with its kernel source switched off, as on a system whose ntdll
// lacks the query: the sampler then has the registry only.
class RegistryOnlySource final : public ICpuDataSource {
public:
    bool PlatformId(DWORD& id) noexcept override { return system_.PlatformId(id); }
    LONG OpenKey(HKEY root, const char* path, REGSAM access, HKEY& key) noexcept override {
        return system_.OpenKey(root, path, access, key);
    }
    LONG QueryValue(HKEY key, const char* name, BYTE* data, DWORD& size) noexcept override {
        return system_.QueryValue(key, name, data, size);
    }
    void CloseKey(HKEY key) noexcept override { system_.CloseKey(key); }
    LONG QueryProcessorTimes(void*, ULONG, ULONG&) noexcept override {
        return monitors::kStatusNotImplemented;
    }

private:
    SystemCpuDataSource system_;
};

std::string SampleThroughSampler(monitors::CpuSampler& sampler) {
    try {
        sampler.TakeSample();
        double peak = 0;
        for (int i = 0; i < sampler.SlotCount(); ++i) peak = std::max(peak, sampler.LoadFraction(i));
        return std::to_string(sampler.SlotCount()) + " slots";
    } catch (const std::exception& e) {
        return std::string("fails: ") + e.what();
    }
}

} // namespace

int main(int argc, char** argv) {
    const int calls = argc > 1 ? std::atoi(argv[1]) : kDefaultCalls;
    if (calls <= 0 || calls > kMaxCalls) {
        std::fprintf(stderr, "usage: cpu_source_bench [calls, 1 to %d]\n", kMaxCalls);
        return EXIT_FAILURE;
    }
    std::printf("processor-load sources, %d calls each:\n", calls);

    SystemCpuDataSource system;
    std::vector<std::byte> kernelBuffer(kKernelBufferSize);
    Time("kernel per-processor times (query)", calls, [&] {
        ULONG returned = 0;
        const LONG status = system.QueryProcessorTimes(kernelBuffer.data(), kKernelBufferSize, returned);
        return status == monitors::kStatusSuccess
                   ? std::to_string(returned / monitors::processor_times_layout::kRecordSize) + " processors"
                   : "status " + std::to_string(status);
    });

    std::vector<BYTE> perfBuffer(kPerfBufferSize);
    Time("registry performance data \"238\" (query)", calls, [&] {
        for (;;) {
            DWORD size = static_cast<DWORD>(perfBuffer.size());
            const LONG result = system.QueryValue(HKEY_PERFORMANCE_DATA, "238", perfBuffer.data(), size);
            if (result != ERROR_MORE_DATA)
                return "result " + std::to_string(result) + ", " + std::to_string(size) + " bytes";
            perfBuffer.resize(perfBuffer.size() + kPerfBufferStep);
        }
    });
    system.CloseKey(HKEY_PERFORMANCE_DATA);

    {
        monitors::CpuSampler sampler(system);
        Time("sampler, first source that works", calls, [&] { return SampleThroughSampler(sampler); });
    }
    {
        RegistryOnlySource registryOnly;
        monitors::CpuSampler sampler(registryOnly);
        Time("sampler, registry only", calls, [&] { return SampleThroughSampler(sampler); });
    }
    return EXIT_SUCCESS;
}
