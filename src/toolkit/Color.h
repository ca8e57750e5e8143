#pragma once
#include <cstdint>

namespace tk {

// 0x00BBGGRR, or a system-colour reference: a GetSysColor index with the top
// byte set, resolved when drawing.
using TColor = std::uint32_t;

constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t RedOf(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }

constexpr TColor kSystemColorFlag = 0xFF000000u;
constexpr TColor SystemColor(int index) { return kSystemColorFlag | TColor(index); }
constexpr bool IsSystemColor(TColor c) { return (c & kSystemColorFlag) == kSystemColorFlag; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;

// System colour references (indices as GetSysColor takes them).
constexpr TColor clBtnFace = SystemColor(15);       // COLOR_BTNFACE
constexpr TColor clBtnShadow = SystemColor(16);     // COLOR_BTNSHADOW
constexpr TColor clBtnText = SystemColor(18);       // COLOR_BTNTEXT
constexpr TColor clBtnHighlight = SystemColor(20);  // COLOR_BTNHIGHLIGHT
constexpr TColor clGrayText = SystemColor(17);      // COLOR_GRAYTEXT
constexpr TColor clHighlight = SystemColor(13);     // COLOR_HIGHLIGHT
constexpr TColor clHighlightText = SystemColor(14); // COLOR_HIGHLIGHTTEXT
constexpr TColor clWindow = SystemColor(5);         // COLOR_WINDOW
constexpr TColor clWindowText = SystemColor(8);     // COLOR_WINDOWTEXT

// The current RGB value of a GetSysColor index.
TColor SystemColorNow(int index);
// Resolves a system-colour reference to its current RGB value.
TColor ColorToRGB(TColor c);

} // namespace tk
