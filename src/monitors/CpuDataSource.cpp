#include "monitors/CpuDataSource.h"

#include <utility>

#include "toolkit/Handles.h"
#include "toolkit/WindowsVersion.h"

namespace monitors {
namespace {

// SYSTEM_INFORMATION_CLASS value of the per-processor times.
constexpr ULONG kSystemProcessorPerformanceInformation = 8;

} // namespace

SystemCpuDataSource::SystemCpuDataSource() noexcept {
    if (const HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
        const FARPROC proc = GetProcAddress(ntdll, "NtQuerySystemInformation");
        // Through void(*)(): the one pointer type a function pointer may pass through.
        querySystemInformation_ =
            reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void (*)()>(proc));
    }
}

bool SystemCpuDataSource::PlatformId(DWORD& id) noexcept {
    const auto platform = tk::PlatformId();
    if (!platform) return false;
    id = *platform;
    return true;
}

LONG SystemCpuDataSource::OpenKey(HKEY root, const char* path, REGSAM access, HKEY& key) noexcept {
    return RegOpenKeyExA(root, path, 0, access, &key);
}

LONG SystemCpuDataSource::QueryValue(HKEY key, const char* name, BYTE* data, DWORD& size) noexcept {
    return RegQueryValueExA(key, name, nullptr, nullptr, data, &size);
}

void SystemCpuDataSource::CloseKey(HKEY key) noexcept { tk::RegistryKeyTraits::Close(key); }

LONG SystemCpuDataSource::QueryProcessorTimes(void* data, ULONG size, ULONG& returned) noexcept {
    if (!querySystemInformation_) {
        return kStatusNotImplemented;
    }
    return querySystemInformation_(kSystemProcessorPerformanceInformation, data, size, &returned);
}

SourceKey::SourceKey(SourceKey&& other) noexcept
    : source_(std::exchange(other.source_, nullptr)), key_(std::exchange(other.key_, nullptr)) {}

SourceKey& SourceKey::operator=(SourceKey&& other) noexcept {
    if (this != &other) {
        Reset();
        source_ = std::exchange(other.source_, nullptr);
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

void SourceKey::Reset() noexcept {
    if (key_ && source_) {
        source_->CloseKey(key_);
    }
    key_ = nullptr;
    source_ = nullptr;
}

SourceKey OpenSourceKey(ICpuDataSource& source, HKEY root, const char* path, REGSAM access) noexcept {
    HKEY key = nullptr;
    if (source.OpenKey(root, path, access, key) != ERROR_SUCCESS || !key) {
        return {};
    }
    return SourceKey(source, key);
}

} // namespace monitors
