#pragma once
#include <windows.h>

#include <optional>

namespace tk {

// dwPlatformId of the running Windows (VER_PLATFORM_WIN32_NT or _WINDOWS);
// none when the version cannot be had.
std::optional<DWORD> PlatformId() noexcept;

// True on the NT family, false on the 95/98/Me family (and when the version
// cannot be read).
bool IsNTPlatformFamily() noexcept;

} // namespace tk
