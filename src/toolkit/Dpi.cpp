#include "toolkit/Dpi.h"

#include "toolkit/Handles.h"

namespace tk {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

bool hidden = false;

// user32 is loaded in every process with a window: no search for it.
template <typename Fn>
Fn User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int ScreenDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kDesignDpi;
}

} // namespace

void HideNewerDpiFunctions(bool hide) { hidden = hide; }

int SystemDpi() {
    static const auto forSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    if (forSystem && !hidden) return static_cast<int>(forSystem());
    return ScreenDpi();
}

int WindowDpi(HWND window) {
    static const auto forWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (forWindow && !hidden && window)
        if (const UINT dpi = forWindow(window); dpi != 0) return static_cast<int>(dpi);
    return SystemDpi();
}

void AdjustWindowRectToDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const auto forDpi = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (forDpi && !hidden && forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int SystemMetricForDpi(int index, int dpi) {
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi && !hidden) return forDpi(index, static_cast<UINT>(dpi));
    // Without it the system's metrics are those of the system DPI.
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

} // namespace tk
