#include "toolkit/WindowsVersion.h"

namespace tk {

std::optional<DWORD> PlatformId() noexcept {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info); // 148 bytes
    if (!GetVersionExA(&info)) return std::nullopt;
    return info.dwPlatformId;
}

bool IsNTPlatformFamily() noexcept { return PlatformId() == VER_PLATFORM_WIN32_NT; }

} // namespace tk
