#include "ui/XiButtonSchemes.h"

#include <cstddef>

namespace ui::xibutton {

namespace {

constexpr std::size_t kSchemesPerTable = 6;
using SchemeRow = std::array<tk::TColor, kSchemesPerTable>;

// One row per colour property, in property order; columns csNeoDesert,
// csNeoSky, csNeoGrass, csNeoSilver, csNeoRose, csNeoSun.
constexpr std::array<SchemeRow, ColorPropertyCount> kGradientSchemes = {{
    {0xC6ECFF, 0xFFEEDD, 0xDDF9E8, 0xF3F3F3, 0xE8E8FF, 0xF0FFFF}, // ColorFace
    {0x37BEFF, 0xFFB66C, 0x5EDF8E, 0xBCBCBC, 0x9595FF, 0x20D8F9}, // ColorGrad
    {0x009CE8, 0xFFA851, 0x24B95C, 0xA7A7A7, 0x8282FF, 0x00BBBB}, // ColorDark
    {0xB9E7FF, 0xFFECD9, 0xCBF5DB, 0xF7F7F7, 0xDDDDFF, 0xF2FFFF}, // ColorLight
    {0x005680, 0xB35900, 0x156F37, 0x626262, 0x00009D, 0x006464}, // ColorBorder
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, // ColorText
    {0xB3E7FF, 0xFFEBD7, 0xBFF2D2, 0xF0F0F0, 0xDFDFFF, 0xD5FCFF}, // OverColorFace
    {0x00A3F0, 0xFFA346, 0x3DD877, 0xA6A6A6, 0x7777FF, 0x05BCDC}, // OverColorGrad
    {0x008ED2, 0xFF9E3E, 0x23B459, 0xA2A2A2, 0x6A6AFF, 0x00A6A6}, // OverColorDark
    {0x95DAFF, 0xFFE4CA, 0xB5F0CB, 0xEEEEEE, 0xD7D7FF, 0xCCFFFF}, // OverColorLight
    {0x005680, 0xB35900, 0x17793D, 0x757575, 0x00009D, 0x006464}, // OverColorBorder
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, // OverColorText
    // Down: the light and dark edges trade places so the button looks pressed.
    {0x2BBAFF, 0xFFB366, 0x4EDC83, 0xCACACA, 0xA6A6FF, 0x05D1F5}, // DownColorFace
    {0x77D2FF, 0xFFCE9D, 0x80E6A6, 0xDADADA, 0xB9B9FF, 0x66F0FB}, // DownColorGrad
    {0x8AD9FF, 0xFFD3A8, 0x89E7AC, 0xE9E9E9, 0xCECEFF, 0x66F3FF}, // DownColorDark
    {0x0077B7, 0xFF9E3E, 0x177D3E, 0x7C7C7C, 0x5E5EFF, 0x008484}, // DownColorLight
    {0x0070A6, 0xB35900, 0x167439, 0x4E4E4E, 0x00009D, 0x006464}, // DownColorBorder
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, // DownColorText
    {0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE}, // DisabledColorFace
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, // DisabledColorGrad
    {0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2}, // DisabledColorDark
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, // DisabledColorLight
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080}, // DisabledColorBorder
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080}, // DisabledColorText
    {0x4080FF, 0xFFA953, 0x24B95C, 0xADADAD, 0x5E5EFF, 0x00BBBB}, // ColorFocusRect
}};

// The flat schemes set every colour but the four gradient ends.
constexpr std::array<ColorProperty, 21> kFlatProperties = {
    ColorFace,         ColorDark,         ColorLight,         ColorBorder,         ColorText,
    OverColorFace,     OverColorDark,     OverColorLight,     OverColorBorder,     OverColorText,
    DownColorFace,     DownColorDark,     DownColorLight,     DownColorBorder,     DownColorText,
    DisabledColorFace, DisabledColorDark, DisabledColorLight, DisabledColorBorder, DisabledColorText,
    ColorFocusRect,
};

// Rows as kFlatProperties; columns csDesert, csGrass, csSky, csSun, csRose, csSilver.
constexpr std::array<SchemeRow, kFlatProperties.size()> kFlatSchemes = {{
    {0x95DDFF, 0x98EBB7, 0xFFE0C1, 0xA8FFFF, 0xC6C6FF, 0xE0E0E0}, // ColorFace
    {0x009CE8, 0x24B95C, 0xFFA953, 0x00BBBB, 0x8282FF, 0xAEAEAE}, // ColorDark
    {0xB9E7FF, 0xCBF5DB, 0xFFECD9, 0xF2FFFF, 0xDDDDFF, 0xF7F7F7}, // ColorLight
    {0x005680, 0x156F37, 0xB35900, 0x006464, 0x00009D, 0x626262}, // ColorBorder
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, // ColorText
    {0x6FD0FF, 0x68E196, 0xFFCD9B, 0x66F3FF, 0xB0B0FF, 0xCFCFCF}, // OverColorFace
    {0x008ED2, 0x23B459, 0xFFB164, 0x00A6A6, 0x6A6AFF, 0x797979}, // OverColorDark
    {0x95DAFF, 0xB5F0CB, 0xFFE4CA, 0xCCFFFF, 0xD7D7FF, 0xEEEEEE}, // OverColorLight
    {0x005680, 0x17793D, 0xB35900, 0x006464, 0x00009D, 0x757575}, // OverColorBorder
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, // OverColorText
    {0x6FD0FF, 0x4EDC83, 0xFFC082, 0x22EEFF, 0x9F9FFF, 0xD3D3D3}, // DownColorFace
    {0x8AD9FF, 0x89E7AC, 0xFFD3A8, 0x66F3FF, 0x8888FF, 0xE9E9E9}, // DownColorDark
    {0x0077B7, 0x177D3E, 0xFF9122, 0x008484, 0x5E5EFF, 0x7C7C7C}, // DownColorLight
    {0x0070A6, 0x167439, 0xB35900, 0x006464, 0x00009D, 0x4E4E4E}, // DownColorBorder
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, // DownColorText
    {0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2}, // DisabledColorFace
    {0xD8D8D8, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}, // DisabledColorDark
    {0xEAEAEA, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA}, // DisabledColorLight
    {0xC4C4C4, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4}, // DisabledColorBorder
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080}, // DisabledColorText
    {0x4080FF, 0x00A421, 0xDC9B14, 0x008CF4, 0x5E5EFF, 0x8A8A8A}, // ColorFocusRect
}};

// GetSysColor indices (the pure side cannot include the system headers).
enum SysColorIndex : int {
    kActiveBorder = 10,
    kInactiveBorder = 11,
    kBtnFace = 15,
    kBtnShadow = 16,
    kGrayText = 17,
    kBtnText = 18,
    kBtnHighlight = 20,
};

constexpr std::array<int, ColorPropertyCount> kSystemScheme = {
    kBtnFace,      kBtnShadow, kBtnShadow, kBtnHighlight, kActiveBorder,   kBtnText,  // Normal
    kBtnHighlight, kBtnFace,   kBtnFace,   kBtnHighlight, kActiveBorder,   kBtnText,  // Over
    kBtnFace,      kBtnShadow, kBtnShadow, kBtnHighlight, kActiveBorder,   kBtnText,  // Down
    kBtnFace,      kBtnFace,   kBtnShadow, kBtnHighlight, kInactiveBorder, kGrayText, // Disabled
    kActiveBorder,                                                                    // focus frame
};

constexpr auto kFirstFlat = static_cast<std::size_t>(TColorScheme::csDesert);

} // namespace

std::optional<SchemeAssignment> SchemeFor(TColorScheme scheme, const SysColorReader& readSysColor) {
    const auto ordinal = static_cast<std::size_t>(scheme);
    SchemeAssignment result;
    if (ordinal < kFirstFlat) {
        for (std::size_t p = 0; p < kGradientSchemes.size(); ++p)
            result.colors[p] = kGradientSchemes[p][ordinal];
        result.gradient = true;
    } else if (ordinal < kFirstFlat + kSchemesPerTable) {
        for (std::size_t row = 0; row < kFlatProperties.size(); ++row)
            result.colors[kFlatProperties[row]] = kFlatSchemes[row][ordinal - kFirstFlat];
        result.gradient = false;
    } else if (scheme == TColorScheme::csSystem && readSysColor) {
        for (std::size_t p = 0; p < kSystemScheme.size(); ++p)
            result.colors[p] = readSysColor(kSystemScheme[p]);
        result.gradient = true;
    } else {
        return std::nullopt;
    }
    return result;
}

} // namespace ui::xibutton
