#include "app/Platform.h"

#include <windows.h>

bool IsNTPlatformFamily() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info); // 148 bytes
    GetVersionExA(&info);
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

const char* PlatformCaptionSuffix(bool isNT) { return isNT ? " [NT]" : " [9x]"; }
