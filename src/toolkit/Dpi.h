#pragma once
// Display scale. Forms are described at 96 dots per inch and scaled to the
// DPI of the monitor they are on. The functions that tell a window's DPI
// came after Windows 7; they are looked up at run time, and without them the
// system DPI (what Windows 7 gives a DPI-aware program) is used.
#include <windows.h>

namespace tk {

inline constexpr int kDesignDpi = USER_DEFAULT_SCREEN_DPI;

// A length of the design scale at `dpi`, to the nearest pixel.
inline int ScaleToDpi(int value, int dpi) { return MulDiv(value, dpi, kDesignDpi); }
// A length at `dpi` back at the design scale.
inline int ScaleFromDpi(int value, int dpi) { return MulDiv(value, kDesignDpi, dpi); }

// The DPI of the primary monitor, which new windows start with.
int SystemDpi();
// The DPI of the monitor a window is on.
int WindowDpi(HWND window);
// AdjustWindowRectEx with the frame metrics of `dpi`.
void AdjustWindowRectToDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// GetSystemMetrics at `dpi`.
int SystemMetricForDpi(int index, int dpi);

// Test hook: behave as on Windows 7, where none of the newer functions exist.
void HideNewerDpiFunctions(bool hide);

} // namespace tk
