#pragma once

#include <windows.h>

namespace monitors {

// What the sampler asks of the system. The sampler sees only this, so tests
// can play the registry, the kernel or an old Windows version.
class ICpuDataSource {
public:
    // Thin wrappers of C interfaces: none of them throws.
    virtual ~ICpuDataSource() = default;

    // dwPlatformId of GetVersionExA; false when the version cannot be had.
    virtual bool PlatformId(DWORD& id) noexcept = 0;

    // RegOpenKeyExA / RegQueryValueExA / RegCloseKey; size is in/out as there.
    virtual LONG OpenKey(HKEY root, const char* path, REGSAM access, HKEY& key) noexcept = 0;
    virtual LONG QueryValue(HKEY key, const char* name, BYTE* data, DWORD& size) noexcept = 0;
    virtual void CloseKey(HKEY key) noexcept = 0;

    // Per-processor times from the kernel (NTSTATUS result): fixed records, see
    // ProcessorTimes.h. Fails with kStatusInfoLengthMismatch when size is too small.
    virtual LONG QueryProcessorTimes(void* data, ULONG size, ULONG& returned) noexcept = 0;
};

inline constexpr LONG kStatusSuccess = 0;
inline constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004UL);
inline constexpr LONG kStatusNotImplemented = static_cast<LONG>(0xC0000002UL);

// The real system. NtQuerySystemInformation is looked up at run time: the
// 95/98/Me family has no ntdll.
class SystemCpuDataSource final : public ICpuDataSource {
public:
    SystemCpuDataSource() noexcept;

    bool PlatformId(DWORD& id) noexcept override;
    LONG OpenKey(HKEY root, const char* path, REGSAM access, HKEY& key) noexcept override;
    LONG QueryValue(HKEY key, const char* name, BYTE* data, DWORD& size) noexcept override;
    void CloseKey(HKEY key) noexcept override;
    LONG QueryProcessorTimes(void* data, ULONG size, ULONG& returned) noexcept override;

private:
    using QuerySystemInformation = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    QuerySystemInformation querySystemInformation_ = nullptr;
};

// An open key that is closed through the source that opened it.
class SourceKey {
public:
    SourceKey() noexcept = default;
    SourceKey(ICpuDataSource& source, HKEY key) noexcept : source_(&source), key_(key) {}
    SourceKey(SourceKey&& other) noexcept;
    SourceKey& operator=(SourceKey&& other) noexcept;
    SourceKey(const SourceKey&) = delete;
    SourceKey& operator=(const SourceKey&) = delete;
    ~SourceKey() { Reset(); }

    HKEY Get() const noexcept { return key_; }
    explicit operator bool() const noexcept { return key_ != nullptr; }
    void Reset() noexcept;

private:
    ICpuDataSource* source_ = nullptr;
    HKEY key_ = nullptr;
};

// Opens root\path, or returns an empty key.
SourceKey OpenSourceKey(ICpuDataSource& source, HKEY root, const char* path, REGSAM access) noexcept;

} // namespace monitors
