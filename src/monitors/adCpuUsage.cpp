#include "monitors/adCpuUsage.h"

#include "core/Error.h"
#include "monitors/CpuSampler.h"

#include <optional>

namespace {

std::optional<monitors::CpuSampler> g_sampler;

monitors::CpuSampler& Sampler() {
    if (!g_sampler) {
        throw core::Error("The CPU sampler is not initialised");
    }
    return *g_sampler;
}

} // namespace

void InitCpuSampler() {
    static monitors::SystemCpuDataSource system;
    InitCpuSampler(system);
}

void InitCpuSampler(monitors::ICpuDataSource& source) {
    g_sampler.reset();
    g_sampler.emplace(source);
}

void TakeCpuSample() { Sampler().TakeSample(); }

int CpuSlotCount() { return Sampler().SlotCount(); }

double CpuLoadFraction(int index) { return Sampler().LoadFraction(index); }

void CloseCpuSampler() { g_sampler.reset(); }
